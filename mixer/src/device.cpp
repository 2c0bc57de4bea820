// The output device: taking and releasing it, its blocks, the play position, and the pump that
// the device's block-done notices drive.

#include <cstdint>
#include <new>
#include <string>

#include "engine.h"

namespace {

MixerSession& Session() { return *engine.currentSession; }

int32_t AddPosOffset(const MixerSession& session, uint32_t deviceBytes) {
  return static_cast<int32_t>(deviceBytes + static_cast<uint32_t>(session.posOffset));
}

int32_t SubtractPosOffset(const MixerSession& session, uint32_t deviceBytes) {
  return static_cast<int32_t>(deviceBytes - static_cast<uint32_t>(session.posOffset));
}

// Bytes the device has played since it was opened or reset; 0 without a device.
uint32_t DeviceBytes(platform::WaveOut* waveOut) {
  uint32_t bytes = 0;
  if (waveOut == nullptr || waveOut->positionBytes(bytes) != platform::WAVE_OK) return 0;
  return bytes;
}

void DestroyCallbackWindow(MixerSession& session) {
  if (engine.platform.windows != nullptr) engine.platform.windows->destroy(session.callbackWnd);
  session.callbackWnd = 0;
}

}  // namespace

void WaveMixActivate(HMixSession hMixSession, bool activate) {
  MixerSession& session = CheckSession(hMixSession);

  if (!activate) {
    // What was mixed but not yet heard is dropped; the queued nodes resume from the play position.
    if (session.active == 1) session.mixPos = GetPlayPosition(session.waveOut.get(), session.goodWavePos);
    CloseDevice(session);
    session.active = 0;
    if (engine.deviceOwner == &session) engine.deviceOwner = nullptr;
    return;
  }

  if (engine.deviceOwner != nullptr) {
    if (engine.deviceOwner == &session) return;
    RaiseMixerError("Resource is already allocated to a process");
  }
  engine.deviceOwner = &session;
  // No other sound player shares the device on this platform, so there is nothing to silence first.
  try {
    OpenDevice(session);
  } catch (...) {
    engine.deviceOwner = nullptr;
    throw;
  }
  session.active = 1;
  SetStreamPosition(session.mixPos);
  FillFreeBlocks();
}

void OpenDevice(MixerSession& session) {
  if (session.waveOut != nullptr) return;
  platform::MessageWindows* windows = engine.platform.windows;
  session.callbackWnd = windows != nullptr ? windows->create(CallbackWndProc) : 0;
  if (session.callbackWnd == 0) RaiseMixerError("Failed to create callback window");

  platform::WaveOutBackend* backend = engine.platform.waveOut;
  platform::WaveResult result =
      backend != nullptr
          ? backend->open(session.waveOut, session.deviceId, session.format, *windows, session.callbackWnd)
          : platform::WAVE_ERR_BADDEVICEID;
  if (result != platform::WAVE_OK) {
    session.waveOut.reset();
    DestroyCallbackWindow(session);
    RaiseMixerError("Failed to open waveform output device #" + std::to_string(result & 0xFFFF));
  }
  try {
    AllocBlocks(*session.waveOut);
  } catch (...) {
    session.waveOut.reset();
    DestroyCallbackWindow(session);
    throw;
  }
}

void CloseDevice(MixerSession& session) {
  if (session.active != 1 || session.waveOut == nullptr) return;
  ResetDevice(session.waveOut.get());
  DequeueAllBlocks();
  FreeBlocks(session.waveOut.get());
  session.waveOut.reset();
  // The block-done notices that the reset posted go with the window.
  DestroyCallbackWindow(session);
}

void AllocBlocks(platform::WaveOut& waveOut) {
  const MixerSession& session = Session();
  // All six are made whatever blockCount says.
  for (int i = 0; i < kBlockCount; ++i) {
    MixBlock* block = new (std::nothrow) MixBlock;
    if (block == nullptr) {
      for (int made = i - 1; made >= 0; --made) {
        delete engine.blocks[made];
        engine.blocks[made] = nullptr;
      }
      RaiseMixerError(kNoMemoryMessage);
    }
    block->header.lpData = block->samples;
    block->header.dwBufferLength = static_cast<uint32_t>(session.blockLen);
    block->header.dwFlags = 0;
    block->header.dwLoops = 0;
    block->isFree = 1;
    block->startPos = 0;
    engine.blocks[i] = block;
  }
  for (MixBlock* block : engine.blocks) {
    platform::WaveResult result = waveOut.prepareHeader(block->header);
    if (result != platform::WAVE_OK) {
      FreeBlocks(&waveOut);
      RaiseMixerError("Unable to prepare wave header #" + std::to_string(result));
    }
    block->header.dwFlags |= platform::WHDR_DONE;
  }
}

void FreeBlocks(platform::WaveOut* waveOut) {
  for (MixBlock*& block : engine.blocks) {
    if (block == nullptr) continue;
    if (waveOut != nullptr) waveOut->unprepareHeader(block->header);
    delete block;
    block = nullptr;
  }
}

int32_t GetPlayPosition(platform::WaveOut* waveOut, uint8_t sourceFlag) {
  const MixerSession& session = Session();
  if (sourceFlag == 1) {
    uint32_t bytes = DeviceBytes(waveOut);
    return session.posAdjust != nullptr ? session.posAdjust(session, bytes) : AddPosOffset(session, bytes);
  }
  uint32_t elapsed = MixerClock().milliseconds() - session.startTime;
  // A 64-bit product: in 32 bits it would overflow after about 194 s of stream at 11025 bytes per second.
  auto position = static_cast<int32_t>(uint64_t{elapsed} * session.format.nAvgBytesPerSec / 1000);
  // A stereo position never splits a frame.
  if (session.format.nBlockAlign > 1 && (position & 1) != 0) position -= 1;
  return position;
}

void SetStreamPosition(int32_t position) {
  MixerSession& session = Session();
  int64_t deviceBytes = DeviceBytes(session.waveOut.get());
  if (position > deviceBytes) {
    session.posOffset = static_cast<int32_t>(position - deviceBytes);
    session.posAdjust = AddPosOffset;
  } else {
    session.posOffset = static_cast<int32_t>(deviceBytes - position);
    session.posAdjust = SubtractPosOffset;
  }
  // A 64-bit product, like the clock position's.
  auto sinceStart = static_cast<uint32_t>(int64_t{position} * 1000 / session.format.nAvgBytesPerSec);
  session.startTime = MixerClock().milliseconds() - sinceStart;
  session.mixPos = position;
}

void ResetDevice(platform::WaveOut* waveOut) {
  int32_t position = GetPlayPosition(waveOut, Session().goodWavePos);
  if (waveOut != nullptr) waveOut->reset();
  SetStreamPosition(position);
}

void ResetPositionIfIdle() {
  const MixerSession& session = Session();
  if (engine.playingHead != nullptr) return;
  for (MixerChannel head : session.channels) {
    if (!IsClosed(head) && head != nullptr) return;
  }
  SetStreamPosition(0);
}

void CallbackWndProc(uint32_t message, uintptr_t, uintptr_t) {
  if (message == platform::MM_WOM_DONE) PumpBlocks();
}

void PumpBlocks() {
  // Without a device owner nothing is pumped; the current session stays as it is, so that the
  // live session's handle keeps passing CheckSession.
  if (engine.deviceOwner == nullptr) return;
  engine.currentSession = engine.deviceOwner;

  MixBlock* block = engine.playingHead;
  while (block != nullptr) {
    if ((block->header.dwFlags & platform::WHDR_DONE) != 0) {
      DequeueBlock(block);
      ReleaseBlock(block);
      block = engine.playingHead;
    } else {
      block = block->nextPlaying;
    }
  }
  RetireNodes();
  FillFreeBlocks();
}

void RetireNodes() {
  MixerSession& session = Session();
  // Always the device's own count: the end-of-play notice follows what has really been played.
  int32_t position = GetPlayPosition(session.waveOut.get(), 1);
  for (int channel = 0; channel < kChannelCount; ++channel) {
    MixerChannel& head = session.channels[channel];
    if (IsClosed(head)) continue;
    while (head != nullptr && position >= head->endPos) {
      PlayNode* finished = head;
      head = finished->next;
      if (finished->params.notifyWnd != 0 && engine.platform.windows != nullptr) {
        engine.platform.windows->post(finished->params.notifyWnd, MM_WOM_DONE,
                                      static_cast<uintptr_t>(channel),
                                      reinterpret_cast<uintptr_t>(finished->wave));
      }
      GiveNode(finished);
    }
  }
}

void RemixBlocks(int32_t position, PlayNode*) {
  MixerSession& session = Session();
  session.mixPos = position;
  // The device still holds these blocks; the reset below takes them back.
  DequeueAllBlocks();
  for (MixBlock* block = TakeBlock(); block != nullptr; block = TakeBlock()) {
    if (!FillBlock(block, false)) {
      ReleaseBlock(block);
      break;
    }
    EnqueueBlock(block);
  }

  int32_t mixed = session.mixPos;
  ResetDevice(session.waveOut.get());
  session.mixPos = mixed;

  platform::WaveOut& waveOut = *session.waveOut;
  waveOut.pause();
  for (MixBlock* block = engine.playingHead; block != nullptr; block = block->nextPlaying) {
    if (waveOut.write(block->header) == platform::WAVE_OK) continue;
    // The refused block and the ones behind it never reached the device: they go back to the
    // pool, and the device plays what it accepted instead of staying paused with no pump to wake it.
    while (block != nullptr) {
      MixBlock* unwritten = block;
      block = block->nextPlaying;
      ReleaseBlock(unwritten);
      DequeueBlock(unwritten);
    }
    waveOut.restart();
    RaiseMixerError("Failed to write block to device");
  }
  waveOut.restart();
}

void DeferNode(int32_t, PlayNode* node) {
  MixerSession& session = Session();
  if (node != nullptr) {
    // Keeps the node's length but starts it at mixPos, after the audio already queued. Formed in
    // 64 bits; an end that would pass the largest position becomes never.
    int64_t shift = int64_t{session.mixPos} - node->startPos;
    int64_t endPos = node->endPos + shift;
    node->startPos = session.mixPos;
    node->endPos = endPos > kNever || node->startPos > endPos ? kNever : static_cast<int32_t>(endPos);
  }
  PumpBlocks();
}
