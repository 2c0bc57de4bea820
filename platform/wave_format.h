#pragma once

#include <atomic>
#include <cstdint>

// Records shared by the wave-output layer, the RIFF reader and the mixer. Field names follow the
// established wave-audio conventions so that readers of RIFF files recognise them.
namespace platform {

// The first 16 bytes of a RIFF "fmt " chunk, in file order.
struct PcmWaveFormat {
  uint16_t wFormatTag = 0;  // 1 = PCM
  uint16_t nChannels = 0;
  uint32_t nSamplesPerSec = 0;
  uint32_t nAvgBytesPerSec = 0;
  uint16_t nBlockAlign = 0;
  uint16_t wBitsPerSample = 0;
};
static_assert(sizeof(PcmWaveFormat) == 16);

constexpr uint16_t WAVE_FORMAT_PCM = 1;

// Header flags.
constexpr uint32_t WHDR_DONE = 0x01;      // set by the device once it has played the block
constexpr uint32_t WHDR_PREPARED = 0x02;  // set by prepareHeader, cleared by unprepareHeader

// One block of sample bytes handed to a device. dwFlags is atomic because a real device marks a
// block done from its own audio thread while the mixer reads it on the user-interface thread.
struct WaveHeader {
  uint8_t* lpData = nullptr;
  uint32_t dwBufferLength = 0;  // bytes
  uint32_t dwBytesRecorded = 0;
  uintptr_t dwUser = 0;
  std::atomic<uint32_t> dwFlags{0};
  uint32_t dwLoops = 0;
  WaveHeader* lpNext = nullptr;
  uintptr_t reserved = 0;
};

}  // namespace platform
