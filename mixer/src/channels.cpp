// The eight channels and the play requests queued on them.

#include <algorithm>
#include <cstdint>

#include "engine.h"

namespace {

bool IsValidChannel(int32_t channel) { return channel >= 0 && channel < kChannelCount; }

void OpenChannel(MixerSession& session, int channel) {
  if (!IsClosed(session.channels[channel])) return;
  session.channels[channel] = nullptr;
  ++session.openChannels;
}

// ---- The ring of held requests: pending is the newest, pending->next the oldest ----------------

void AppendPending(MixerSession& session, PlayNode* node) {
  if (session.pending == nullptr) {
    node->next = node;
  } else {
    node->next = session.pending->next;
    session.pending->next = node;
  }
  session.pending = node;
}

PlayNode* TakeOldestPending(MixerSession& session) {
  PlayNode* oldest = session.pending->next;
  if (oldest == session.pending) {
    session.pending = nullptr;
  } else {
    session.pending->next = oldest->next;
  }
  oldest->next = nullptr;
  return oldest;
}

// Gives the held requests that `drop` selects back to the pool; the others keep their order.
template <typename Predicate>
void DropPending(MixerSession& session, Predicate drop) {
  if (session.pending == nullptr) return;
  PlayNode* node = session.pending->next;
  session.pending->next = nullptr;
  session.pending = nullptr;
  while (node != nullptr) {
    PlayNode* next = node->next;
    if (drop(*node)) {
      GiveNode(node);
    } else {
      AppendPending(session, node);
    }
    node = next;
  }
}

// Starts with the first open channel, so that a closed channel is never chosen while an open one
// exists; otherwise an idle candidate wins at once, and then the oldest latest request.
int LeastUsedChannel(const MixerSession& session) {
  int candidate = 0;
  while (candidate + 1 < kChannelCount && IsClosed(session.channels[candidate])) ++candidate;
  for (int i = 0; i < kChannelCount; ++i) {
    if (IsClosed(session.channels[i])) continue;
    if (!IsClosed(session.channels[candidate]) && session.channels[candidate] == nullptr) break;
    if (i != candidate && session.lastUse[i] < session.lastUse[candidate]) candidate = i;
  }
  return candidate;
}

// Formed in 64 bits; an end beyond the largest position means never.
int32_t EndPos(const PlayNode& node) {
  if (node.params.loops == kLoopForever || node.startPos == kNever) return kNever;
  int64_t endPos = (int64_t{node.params.loops} + 1) * node.length + node.startPos - 1;
  return endPos > kNever ? kNever : static_cast<int32_t>(endPos);
}

void GiveQueue(PlayNode* head) {
  while (head != nullptr) {
    PlayNode* next = head->next;
    GiveNode(head);
    head = next;
  }
}

// Places one held request on its channel; returns true when it lands in audio already mixed.
bool Place(MixerSession& session, PlayNode& node, int32_t now) {
  MixerChannel& head = session.channels[node.params.channel];
  bool highPriority = (node.params.flags & pfHighPriority) != 0;
  bool remixNeeded = false;
  if ((node.params.flags & pfClearQueue) != 0) {
    GiveQueue(head);
    head = &node;
    remixNeeded = engine.playingHead != nullptr;
    node.startPos = highPriority ? now : session.mixPos;
  } else {
    if (head != nullptr) {
      PlayNode* last = head;
      while (last->next != nullptr) last = last->next;
      last->next = &node;
      node.startPos = highPriority ? last->endPos : std::max(session.mixPos, last->endPos);
    } else {
      head = &node;
      node.startPos = highPriority ? now : session.mixPos;
    }
    remixNeeded = session.mixPos > node.startPos;
  }
  node.endPos = EndPos(node);
  return remixNeeded;
}

}  // namespace

void WaveMixChannelOpen(HMixSession hMixSession, int32_t number, int32_t mode) {
  MixerSession& session = CheckSession(hMixSession);
  if (mode > ocCount) RaiseMixerError("Invalid Flags");
  if (mode == ocSingle && !IsValidChannel(number)) RaiseMixerError("Invalid channel number");
  if (mode == ocCount && (number > kChannelCount || number < 1))
    RaiseMixerError("Invalid number of channels");
  switch (mode) {
    case ocSingle:
      if (!IsClosed(session.channels[number])) RaiseMixerError("The channel has already been opened");
      OpenChannel(session, number);
      return;
    case ocAll:
      for (int channel = kChannelCount - 1; channel >= 0; --channel) OpenChannel(session, channel);
      return;
    case ocCount:
      for (int channel = number - 1; channel >= 0; --channel) OpenChannel(session, channel);
      return;
    default:
      RaiseMixerError("Invalid flag");
  }
}

void WaveMixPlay(PlayRequest* params) {
  if (params == nullptr) RaiseMixerError("nil parameters pointer passed to WaveMixPlay");
  MixerSession& session = CheckSession(params->hMixSession);
  if (params->wave == nullptr) RaiseMixerError("nil wave pointer passed to WaveMixPlay!");
  if (session.active == 0)
    RaiseMixerError("Wave device not allocated, call WaveMixActivate(hMixSession,TRUE)");
  if (session.openChannels == 0) RaiseMixerError("You must open a channel before you can play a wave");

  int32_t channel = params->channel;
  if ((params->flags & pfLeastUsed) != 0) {
    channel = LeastUsedChannel(session);
    params->channel = channel;
  } else if (!IsValidChannel(channel)) {
    RaiseMixerError("Invalid channel number");
  }
  // Counted before the closed-channel check: a refused request still counts as the channel's latest use.
  session.playCount = static_cast<int32_t>(static_cast<uint32_t>(session.playCount) + 1);
  session.lastUse[channel] = session.playCount;
  if (IsClosed(session.channels[channel])) RaiseMixerError("The specified channel was not open");

  PlayNode* node = TakeNode();
  if (node == nullptr) RaiseMixerError("Not enough memory");
  node->params = *params;
  node->params.channel = channel;
  node->wave = params->wave;
  node->length = static_cast<int32_t>(params->wave->header.dwBufferLength);
  node->samples = params->wave->header.lpData;
  AppendPending(session, node);
  if ((node->params.flags & pfWait) != 0) return;

  ResetPositionIfIdle();
  int32_t now = GetPlayPosition(session.waveOut.get(), session.goodWavePos);
  bool remixNeeded = false;
  while (session.pending != nullptr) {
    PlayNode& oldest = *TakeOldestPending(session);
    remixNeeded = Place(session, oldest, now) || remixNeeded;
  }
  if (remixNeeded) {
    session.remix(node->startPos, node);
    return;
  }

  platform::WaveOut& waveOut = *session.waveOut;
  bool paused = engine.playingHead == nullptr;
  if (paused) waveOut.pause();
  try {
    FillFreeBlocks();
  } catch (...) {
    // A refused block must not leave the device paused: nothing else would restart it.
    if (paused) waveOut.restart();
    throw;
  }
  if (paused) waveOut.restart();
}

void WaveMixChannelFlush(HMixSession hMixSession, int32_t channel, uint32_t flags) {
  MixerSession& session = CheckSession(hMixSession);
  int first = 0;
  int last = kChannelCount - 1;
  if ((flags & fcAll) == 0) {
    if (!IsValidChannel(channel)) RaiseMixerError("Invalid channel number");
    if (IsClosed(session.channels[channel])) RaiseMixerError("The specified channel was not open");
    first = last = channel;
  }
  bool dropped = false;
  for (int c = first; c <= last; ++c) {
    MixerChannel& head = session.channels[c];
    if (IsClosed(head)) continue;
    dropped = dropped || head != nullptr;
    GiveQueue(head);
    head = nullptr;
  }
  if (dropped && (flags & fcNoRemix) == 0 && session.active != 0) {
    session.remix(GetPlayPosition(session.waveOut.get(), session.goodWavePos), nullptr);
  }
}

void WaveMixChannelClose(HMixSession hMixSession, int32_t channel, uint32_t flags) {
  WaveMixChannelFlush(hMixSession, channel, flags | fcNoRemix);
  MixerSession& session = *hMixSession;
  int first = (flags & fcAll) != 0 ? 0 : channel;
  int last = (flags & fcAll) != 0 ? kChannelCount - 1 : channel;
  for (int c = first; c <= last; ++c) {
    if (IsClosed(session.channels[c])) continue;
    session.channels[c] = kClosedChannel;
    --session.openChannels;
  }
  // A held request for a channel that closed before it was placed is dropped.
  DropPending(session,
              [&session](const PlayNode& held) { return IsClosed(session.channels[held.params.channel]); });
}

void WaveMixUnloadWave(HMixSession hMixSession, LoadedWave* wave) {
  MixerSession& session = CheckSession(hMixSession);
  if (wave == nullptr) RaiseMixerError("The given pointer was not valid");
  for (MixerChannel& head : session.channels) {
    if (IsClosed(head)) continue;
    PlayNode** link = &head;
    while (*link != nullptr) {
      PlayNode* node = *link;
      if (node->wave == wave) {
        *link = node->next;
        GiveNode(node);
      } else {
        link = &node->next;
      }
    }
  }
  // A held request must not outlive its wave.
  DropPending(session, [wave](const PlayNode& held) { return held.wave == wave; });
  delete[] wave->header.lpData;
  delete wave;
}

void WaveMixEndSession(HMixSession hMixSession) {
  MixerSession& session = CheckSession(hMixSession);
  WaveMixActivate(hMixSession, false);
  WaveMixChannelClose(hMixSession, 0, fcAll);
  // Held requests go back to the pool too, so that the pool is whole between sessions.
  DropPending(session, [](const PlayNode&) { return true; });
  // Zeroed first, so that nothing of it passes for a session afterwards.
  session = MixerSession{};
  engine.currentSession = nullptr;
  delete &session;
}
