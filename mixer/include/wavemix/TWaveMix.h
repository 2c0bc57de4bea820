#pragma once

// The mixer component: owns one mixer session for its whole life and offers what a window
// needs of it. Every failure is the EWaveMixError of the mixer operation it calls.

#include <cstdint>

#include "wavemix/WaveMix.h"

// Something that can receive end-of-play messages: its window handle is given to play requests.
class NotifyControl {
 public:
  virtual ~NotifyControl() = default;
  virtual platform::WindowHandle Handle() = 0;
};

class TWaveMix {
 public:
  // Opens the session. On failure nothing is left behind: no component, no session.
  TWaveMix();
  // Closes every channel, releases the device and ends the session. Loaded waves are left to
  // their owner.
  ~TWaveMix();
  TWaveMix(const TWaveMix&) = delete;
  TWaveMix& operator=(const TWaveMix&) = delete;

  // True holds the output device; false releases it. On failure the stored value stays.
  bool Activated() const { return isActivated; }
  void SetActivated(bool value);

  // Bit i set: channel i is open. 255 opens all eight, 0 closes all; other values open and
  // close only the channels whose bit changes.
  uint8_t Channels() const { return channelMask; }
  void SetChannels(uint8_t value);

  // Being edited in a designer: channels follow Channels, but the device is left alone.
  void SetDesigning(bool value) { designing = value; }

  LoadedWave* LoadWave(const char* fileName);
  void UnloadWave(LoadedWave* wave);
  // notify may be null: then no end-of-play message is sent. With pfLeastUsed the chosen
  // channel stays in the request record until the next Play.
  void Play(int32_t channel, LoadedWave* wave, NotifyControl* notify, uint32_t flags, uint16_t loops);

  HMixSession Session() const { return session; }
  const PlayRequest& LastRequest() const { return playParams; }

 private:
  PlayRequest playParams;
  HMixSession session = nullptr;
  bool isActivated = false;
  uint8_t channelMask = 0;
  bool designing = false;
};
