// Block mixing: the pool of output blocks, the queue of blocks written to the device, and the
// filling of a block from the nodes queued on the eight channels.

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine.h"

namespace {

constexpr uint8_t kSilence = 128;

// Stream positions widened for the arithmetic of a fill, whose run ends may pass 0x7FFFFFFF; the
// positions kept in records stay 32 bits.
using Position = int64_t;

void SoundAlarm() {
  if (engine.platform.alarm) {
    engine.platform.alarm();
  } else {
    std::fputs("wavemix: the playing queue of output blocks is inconsistent\n", stderr);
  }
}

bool StandsInPlayingQueue(const MixBlock* block) {
  for (const MixBlock* b = engine.playingHead; b; b = b->nextPlaying) {
    if (b == block) return true;
  }
  return false;
}

// The first node at or after `node` whose end lies above `position`, or null.
const PlayNode* FirstUnfinished(const PlayNode* node, Position position) {
  while (node && node->endPos <= position) node = node->next;
  return node;
}

#define ZERU_MIX_KERNEL_NAMESPACE portable
#include "mix_kernel.inc"
#undef ZERU_MIX_KERNEL_NAMESPACE

// The same kernel compiled for AVX2, chosen at run time where the processor has it: twice the
// lanes per instruction, while the build itself stays plain x86-64.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#pragma GCC push_options
#pragma GCC target("avx2")
#define ZERU_MIX_KERNEL_NAMESPACE avx2
#include "mix_kernel.inc"
#undef ZERU_MIX_KERNEL_NAMESPACE
#pragma GCC pop_options

bool HasAvx2() {
  static const bool has = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
  return has;
}
#else
namespace avx2 = portable;
bool HasAvx2() { return false; }
#endif

template <int kSources>
void MixChunked(uint8_t* out, const uint8_t* const* sources, int length) {
  if (HasAvx2()) return avx2::MixChunked<kSources>(out, sources, length);
  portable::MixChunked<kSources>(out, sources, length);
}

}  // namespace

void MixSources(uint8_t* out, const uint8_t* const* sources, int count, int length) {
  switch (count) {
    case 1:
      std::memcpy(out, sources[0], static_cast<size_t>(length));
      return;
    case 2:
      return MixChunked<2>(out, sources, length);
    case 3:
      return MixChunked<3>(out, sources, length);
    case 4:
      return MixChunked<4>(out, sources, length);
    case 5:
      return MixChunked<5>(out, sources, length);
    case 6:
      return MixChunked<6>(out, sources, length);
    case 7:
      return MixChunked<7>(out, sources, length);
    case 8:
      return MixChunked<8>(out, sources, length);
    default:
      std::memset(out, kSilence, static_cast<size_t>(length));
      return;
  }
}

MixBlock* TakeBlock() {
  const MixerSession* session = engine.currentSession;
  if (!session) return nullptr;
  for (int i = 0; i < std::min(session->blockCount, kBlockCount); ++i) {
    MixBlock* block = engine.blocks[i];
    if (!block || !block->isFree) continue;
    block->isFree = 0;
    block->header.dwBufferLength = static_cast<uint32_t>(session->blockLen);
    block->header.lpData = block->samples;
    block->owner = engine.deviceOwner;
    return block;
  }
  return nullptr;
}

void ReleaseBlock(MixBlock* block) { block->isFree = 1; }

void EnqueueBlock(MixBlock* block) {
  // Appending a block that already stands in the queue would cut the queue or close a cycle, so
  // it is refused after the alarm.
  if (StandsInPlayingQueue(block)) {
    SoundAlarm();
    return;
  }
  block->nextPlaying = nullptr;
  if (!engine.playingHead) {
    engine.playingHead = block;
  } else {
    engine.playingTail->nextPlaying = block;
  }
  engine.playingTail = block;
}

MixBlock* DequeueBlock(MixBlock* block) {
  if (!engine.playingHead) return nullptr;
  if (block == engine.playingHead) {
    engine.playingHead = block->nextPlaying;
    if (!engine.playingHead) engine.playingTail = nullptr;
  } else {
    MixBlock* predecessor = engine.playingHead;
    while (predecessor && predecessor->nextPlaying != block) predecessor = predecessor->nextPlaying;
    if (!predecessor) return nullptr;
    predecessor->nextPlaying = block->nextPlaying;
    if (predecessor->nextPlaying == predecessor) {
      SoundAlarm();
      predecessor->nextPlaying = nullptr;
      engine.playingTail = predecessor;
    }
    if (block == engine.playingTail) engine.playingTail = predecessor;
  }
  block->nextPlaying = nullptr;
  return block;
}

void DequeueAllBlocks() {
  while (MixBlock* head = engine.playingHead) {
    ReleaseBlock(head);
    DequeueBlock(head);
  }
}

void FillFreeBlocks() {
  while (FillBlock(TakeBlock(), true)) {
  }
}

bool FillBlock(MixBlock* block, bool write) {
  if (!block || !engine.currentSession) return false;
  MixerSession& session = *engine.currentSession;

  const PlayNode* active[kChannelCount];  // each channel's current node, at most one per channel
  int activeCount = 0;
  Position nextStart = kNever;
  for (MixerChannel head : session.channels) {
    if (IsClosed(head)) continue;
    if (const PlayNode* node = FirstUnfinished(head, session.mixPos)) {
      active[activeCount++] = node;
      nextStart = std::min<Position>(nextStart, node->startPos);
    }
  }

  if (activeCount == 0) {
    if (write) ReleaseBlock(block);
    return false;
  }

  const uint8_t* sources[kChannelCount];
  uint8_t* cursor = block->samples;
  Position pos = session.mixPos;
  Position remaining = session.blockLen;
  while (remaining > 0) {
    if (pos < nextStart) {
      const Position n = std::min(remaining, nextStart - pos);
      std::memset(cursor, kSilence, static_cast<size_t>(n));
      cursor += n;
      pos += n;
      remaining -= n;
      continue;
    }

    // The run ends where any listed node starts, ends or wraps to its next pass.
    Position runEnd = pos + remaining;
    int sourceCount = 0;
    for (int i = 0; i < activeCount; ++i) {
      const PlayNode& node = *active[i];
      if (pos < node.startPos) {
        runEnd = std::min<Position>(runEnd, node.startPos);
        continue;
      }
      runEnd = std::min<Position>(runEnd, node.endPos);
      // Every pass ends where the wave does. For a node that plays once this lies beyond its end,
      // so reads stay within the wave whatever the node's end says.
      Position offset = pos - node.startPos;
      if (offset >= node.length) offset = static_cast<uint32_t>(offset) % static_cast<uint32_t>(node.length);
      runEnd = std::min(runEnd, pos + (node.length - offset));
      sources[sourceCount++] = node.samples + offset;
    }

    // A node ending where it starts (a single byte played once) yields an empty run; the advance
    // below then steps past it.
    if (runEnd > pos && sourceCount > 0) {
      const Position n = runEnd - pos;
      MixSources(cursor, sources, sourceCount, static_cast<int>(n));
      cursor += n;
      pos += n;
      remaining -= n;
    }

    nextStart = kNever;
    for (int i = 0; i < activeCount;) {
      if (const PlayNode* node = FirstUnfinished(active[i], pos)) {
        active[i] = node;
        nextStart = std::min<Position>(nextStart, node->startPos);
        ++i;
      } else {
        active[i] = active[--activeCount];
      }
    }
  }

  block->startPos = session.mixPos;
  session.mixPos += session.blockLen;

  if (write) {
    EnqueueBlock(block);
    const bool accepted = session.waveOut && session.waveOut->write(block->header) == platform::WAVE_OK;
    if (!accepted) {
      ReleaseBlock(block);
      DequeueBlock(block);
      RaiseMixerError("Failed to write block to device");
    }
  }
  return true;
}
