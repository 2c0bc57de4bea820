#pragma once

#include "game/services.h"

// Stands in for the mixer component when no sound device can be used: every load fails the way
// the mixer reports it and the game runs silently.
class SilentSoundOutput : public SoundOutput {
 public:
  LoadedWave* LoadWave(const std::string& path) override;
  // Never given a wave, since no load succeeds.
  void Play(int32_t channel, LoadedWave* wave, platform::WindowHandle notifyWnd, uint32_t flags,
            uint16_t loops) override;
  void UnloadWave(LoadedWave* wave) override;
};
