#pragma once

// What the session, device and channel tests share: the in-memory platform installed for the
// mixer, a settings file of the test's own, waves made in memory, and clean-up of whatever a test
// leaves open (the engine is one module-wide instance).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine.h"
#include "platform/manual_clock.h"
#include "platform/queued_message_windows.h"
#include "platform/wave_out_memory.h"

class SessionHarness {
 public:
  SessionHarness();
  ~SessionHarness();
  SessionHarness(const SessionHarness&) = delete;
  SessionHarness& operator=(const SessionHarness&) = delete;

  // Replaces the settings file (absent until written).
  void WriteSettings(const std::string& text);

  // A wave record holding `samples`, as the loader would make it. Freed at the end unless unloaded.
  LoadedWave* NewWave(std::vector<uint8_t> samples);
  // A wave of `length` bytes whose byte i is first + i (mod 256).
  LoadedWave* NewRamp(int32_t length, uint8_t first);
  void Unload(HMixSession session, LoadedWave* wave);

  // A session with every channel open and the device taken, after `settings` (none: no file).
  HMixSession StartActive(const char* settings = nullptr);
  // Plays `wave` on `channel`; the end-of-play message goes to notifyWindow() when `notify` is set.
  void PlayWave(HMixSession session, int32_t channel, LoadedWave* wave, uint32_t flags = 0,
                uint16_t loops = 0, bool notify = false);

  // The device the session has open; fails the test when none is open.
  platform::MemoryWaveOut& Device();
  // Lets `bytes` of play time pass on the device, delivering the posted messages after every
  // finished block; time passes without play once the device runs dry.
  void Play(std::size_t bytes);

  // A window that records the end-of-play messages posted to it.
  struct EndOfPlay {
    uint32_t message;
    uintptr_t channel;
    LoadedWave* wave;
    bool operator==(const EndOfPlay&) const = default;
  };
  platform::WindowHandle notifyWindow() const { return notifyWindow_; }
  std::vector<EndOfPlay> endOfPlay;

  platform::MemoryWaveOutBackend backend;
  platform::QueuedMessageWindows windows;
  platform::ManualClock clock;
  std::string settingsPath;
  int alarms = 0;

 private:
  std::vector<LoadedWave*> waves_;
  platform::WindowHandle notifyWindow_ = 0;
};

// The message of the EWaveMixError that `operation` raises, or "" when it raises none.
std::string ErrorOf(const std::function<void()>& operation);

// Nodes free in the pool, by walking it (at most kNodeCount + 1 steps).
int FreeNodeCount();
