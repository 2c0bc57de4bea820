#pragma once

#include <map>
#include <string>

#include "game/services.h"
#include "platform/message_window.h"
#include "wavemix/TWaveMix.h"

// The game's sound output over the mixer component. Every cue loads a fresh wave, so a long game
// would pile up waves; this releases a wave once it has been heard to its end and a newer one
// has been loaded. The newest wave (the game's cur_wave) is never released here, nor is any wave
// still queued or playing.
class MixerSound final : public SoundOutput, private NotifyControl {
 public:
  MixerSound(TWaveMix& mixer, platform::MessageWindows& windows);
  ~MixerSound() override;  // releases every wave still held
  MixerSound(const MixerSound&) = delete;
  MixerSound& operator=(const MixerSound&) = delete;

  LoadedWave* LoadWave(const std::string& path) override;
  // The game asks for no end-of-play message; we ask for one ourselves, to know when a wave
  // may go.
  void Play(int32_t channel, LoadedWave* wave, platform::WindowHandle notifyWnd, uint32_t flags,
            uint16_t loops) override;
  void UnloadWave(LoadedWave* wave) override;

  size_t heldWaves() const { return plays_.size(); }

 private:
  platform::WindowHandle Handle() override { return window_; }
  void onEndOfPlay(LoadedWave* wave);
  void releaseIfDone(LoadedWave* wave);

  TWaveMix& mixer_;
  platform::MessageWindows& windows_;
  platform::WindowHandle window_ = 0;
  std::map<LoadedWave*, int> plays_;  // every wave held, with its plays not yet heard to the end
  LoadedWave* newest_ = nullptr;
};
