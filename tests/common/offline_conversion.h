#pragma once

// Converts wave files with the mixer's own loader to the output format the game plays (8-bit mono
// at 11025 Hz, no settings file), on the in-memory device: no sound hardware needed. One at a time,
// since the mixer has one session.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/queued_message_windows.h"
#include "platform/wave_out_memory.h"
#include "wavemix/WaveMix.h"

class OfflineConversion {
 public:
  OfflineConversion() {
    MixerPlatform mixerPlatform;
    mixerPlatform.waveOut = &backend_;
    mixerPlatform.windows = &windows_;
    mixerPlatform.settingsFile = "/nonexistent/WAVEMIX.INI";
    WaveMixSetPlatform(mixerPlatform);
    session_ = WaveMixInit();
  }
  ~OfflineConversion() {
    WaveMixEndSession(session_);
    WaveMixSetPlatform(MixerPlatform{});
  }
  OfflineConversion(const OfflineConversion&) = delete;
  OfflineConversion& operator=(const OfflineConversion&) = delete;

  // The converted samples of the file; raises EWaveMixError as the loader does.
  std::vector<uint8_t> Convert(const std::string& path) {
    LoadedWave* wave = WaveMixLoadWave(session_, path.c_str(), nullptr, wfFile);
    std::vector<uint8_t> samples(wave->header.lpData, wave->header.lpData + wave->header.dwBufferLength);
    WaveMixUnloadWave(session_, wave);
    return samples;
  }

 private:
  platform::MemoryWaveOutBackend backend_;
  platform::QueuedMessageWindows windows_;
  HMixSession session_ = nullptr;
};
