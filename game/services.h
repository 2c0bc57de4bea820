#pragma once

#include <cstdint>
#include <string>

#include "wavemix/WaveMix.h"

// The game's one random generator. random(n) is uniform over 0 .. n - 1.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void randomize() = 0;  // seed from the system clock
  virtual int32_t random(int32_t n) = 0;
};

// Waits of the message typewriter, in milliseconds.
class Waiter {
 public:
  virtual ~Waiter() = default;
  virtual void wait(int milliseconds) = 0;
};

// The three operations of the mixer component the game uses. Each raises on failure.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual LoadedWave* LoadWave(const std::string& path) = 0;
  virtual void Play(int32_t channel, LoadedWave* wave, platform::WindowHandle notifyWnd, uint32_t flags,
                    uint16_t loops) = 0;
  virtual void UnloadWave(LoadedWave* wave) = 0;
};
