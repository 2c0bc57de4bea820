#pragma once

// The mixer's private records and module-wide state, shared by the files of the engine.

#include <cstdint>
#include <memory>

#include "wavemix/WaveMix.h"

constexpr int kChannelCount = 8;
constexpr int kNodeCount = 100;
constexpr int kBlockCount = 6;
constexpr int kBlockBytes = 4096;
constexpr uint16_t kSessionMagic = 0x5432;

// ---- Play queue records ------------------------------------------------------------------------

struct PlayNode {
  PlayNode* next = nullptr;  // channel queue, pending ring or free pool
  PlayRequest params;        // copy of the request; channel is the one actually used
  LoadedWave* wave = nullptr;
  int32_t length = 0;    // bytes of one pass
  int32_t startPos = 0;  // stream position of the first byte of the first pass
  int32_t endPos = 0;    // startPos + (loops + 1) * length - 1, or kNever
  const uint8_t* samples = nullptr;
};

// A channel's queue head: kClosedChannel, null (open and idle) or the first node.
using MixerChannel = PlayNode*;
inline PlayNode* const kClosedChannel = reinterpret_cast<PlayNode*>(~uintptr_t{0});
inline bool IsClosed(MixerChannel head) { return head == kClosedChannel; }

// ---- Session ----------------------------------------------------------------------------------

struct MixerSession {
  uint16_t magic = 0;
  platform::WindowHandle callbackWnd = 0;  // exists only while the device is open
  std::unique_ptr<platform::WaveOut> waveOut;
  uint8_t active = 0;    // 1 while this session has the device open
  int32_t deviceId = 0;  // platform::WAVE_MAPPER for any device
  char deviceName[32] = {};
  MixerChannel channels[kChannelCount] = {};
  int32_t openChannels = 0;
  int32_t lastUse[kChannelCount] = {};
  int32_t playCount = 0;
  platform::PcmWaveFormat format;
  int32_t blockLen = 0;     // bytes per block, 512 to 4096
  int32_t blockCount = 0;   // blocks in use, 2 to 6
  int32_t mixPos = 0;       // stream position of the next byte to be mixed
  uint32_t startTime = 0;   // clock reading at stream position 0
  uint8_t goodWavePos = 0;  // 1: play position from the device; otherwise from the clock
  int32_t posOffset = 0;
  void (*remix)(int32_t position, PlayNode* node) = nullptr;  // RemixBlocks or DeferNode
  int32_t (*posAdjust)(const MixerSession& session, uint32_t deviceBytes) = nullptr;
  PlayNode* pending = nullptr;  // newest held node; its next is the oldest
  uint16_t magicEnd = 0;
};

// ---- Output blocks ---------------------------------------------------------------------------

struct MixBlock {
  platform::WaveHeader header;
  uint8_t isFree = 1;
  int32_t startPos = 0;
  MixerSession* owner = nullptr;
  MixBlock* nextPlaying = nullptr;
  uint8_t samples[kBlockBytes];
};

// ---- Module-wide state ----------------------------------------------------------------------

struct Engine {
  MixerSession* currentSession = nullptr;
  MixerSession* deviceOwner = nullptr;
  MixBlock* blocks[kBlockCount] = {};
  MixBlock* playingHead = nullptr;
  MixBlock* playingTail = nullptr;
  PlayNode nodePool[kNodeCount];
  PlayNode* freeNodes = nullptr;
  MixerPlatform platform;
};

extern Engine engine;

extern const char* const kNoMemoryMessage;  // "Unable to allocate memory for waveform data.  ..."

[[noreturn]] void RaiseMixerError(const std::string& message);

// ---- Session and node pool (session.cpp) -------------------------------------------------------
MixerSession& CheckSession(HMixSession hMixSession);
void InitNodePool();
PlayNode* TakeNode();
void GiveNode(PlayNode* node);
int32_t ReadBlockLen(int32_t defaultBlockLen);
platform::Clock& MixerClock();

// ---- Device and pump (device.cpp) ------------------------------------------------------------
void OpenDevice(MixerSession& session);
void CloseDevice(MixerSession& session);
void AllocBlocks(platform::WaveOut& waveOut);
void FreeBlocks(platform::WaveOut* waveOut);
int32_t GetPlayPosition(platform::WaveOut* waveOut, uint8_t sourceFlag);
void SetStreamPosition(int32_t position);
void ResetDevice(platform::WaveOut* waveOut);
void ResetPositionIfIdle();
void CallbackWndProc(uint32_t message, uintptr_t wParam, uintptr_t lParam);
void PumpBlocks();
void RetireNodes();
void RemixBlocks(int32_t position, PlayNode* node);
void DeferNode(int32_t position, PlayNode* node);

// ---- Block mixing (mixing.cpp) ---------------------------------------------------------------
MixBlock* TakeBlock();
void ReleaseBlock(MixBlock* block);
void EnqueueBlock(MixBlock* block);
MixBlock* DequeueBlock(MixBlock* block);
void DequeueAllBlocks();
bool FillBlock(MixBlock* block, bool write);
// Fills and writes free blocks until none is left or nothing more is queued to mix.
void FillFreeBlocks();
void MixSources(uint8_t* out, const uint8_t* const* sources, int count, int length);

// ---- Loading and conversion (loading.cpp, convert.cpp) ------------------------------------------
// Sample blocks are allocated with new (std::nothrow) uint8_t[n] and released with delete[];
// a LoadedWave with new (std::nothrow) LoadedWave{} and delete.
// Takes ownership of samples; returns the converted block and updates bytes.
uint8_t* ConvertWave(const platform::PcmWaveFormat& target, const platform::PcmWaveFormat& source,
                     uint8_t* samples, int32_t& bytes);
