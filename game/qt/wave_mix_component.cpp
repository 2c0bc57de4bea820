#include "game/qt/wave_mix_component.h"

#include "game/mixer_sound.h"
#include "game/qt/qt_message_windows.h"
#include "game/qt/silent_sound_output.h"
#include "platform/wave_out_sdl.h"
#include "wavemix/TWaveMix.h"

namespace {

// WaveMix1 and what it stands on, torn down in the reverse order of building: the cues' waves,
// the component (which ends the session), then the posted messages and the device layer.
class WaveMix1Sound final : public SoundOutput {
 public:
  WaveMix1Sound() {
    MixerPlatform platform;
    platform.waveOut = &backend_;
    platform.windows = &windows_;
    WaveMixSetPlatform(platform);
    component_ = std::make_unique<TWaveMix>();
    // As the window's layout configures it: the device first, then channel 0. Without a device
    // the component stays inactive and every cue fails quietly in play_wav.
    try {
      component_->SetActivated(true);
    } catch (const EWaveMixError&) {
    }
    component_->SetChannels(1);
    cues_ = std::make_unique<MixerSound>(*component_, windows_);
  }

  ~WaveMix1Sound() override {
    cues_.reset();
    component_.reset();
    WaveMixSetPlatform(MixerPlatform{});
  }

  LoadedWave* LoadWave(const std::string& path) override { return cues_->LoadWave(path); }
  void Play(int32_t channel, LoadedWave* wave, platform::WindowHandle notifyWnd, uint32_t flags,
            uint16_t loops) override {
    cues_->Play(channel, wave, notifyWnd, flags, loops);
  }
  void UnloadWave(LoadedWave* wave) override { cues_->UnloadWave(wave); }

 private:
  platform::SdlWaveOutBackend backend_;
  QtMessageWindows windows_;
  std::unique_ptr<TWaveMix> component_;
  std::unique_ptr<MixerSound> cues_;
};

}  // namespace

std::unique_ptr<SoundOutput> CreateWaveMix1() {
  try {
    return std::make_unique<WaveMix1Sound>();
  } catch (const EWaveMixError&) {
    // No sound device, or a mixer session is already open: the game runs silently.
    WaveMixSetPlatform(MixerPlatform{});
    return std::make_unique<SilentSoundOutput>();
  }
}
