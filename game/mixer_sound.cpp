#include "game/mixer_sound.h"

MixerSound::MixerSound(TWaveMix& mixer, platform::MessageWindows& windows)
    : mixer_(mixer), windows_(windows) {
  // Without a window the cues still play; the waves are then kept until shutdown.
  window_ = windows_.create([this](uint32_t message, uintptr_t, uintptr_t lParam) {
    if (message == MM_WOM_DONE) onEndOfPlay(reinterpret_cast<LoadedWave*>(lParam));
  });
}

MixerSound::~MixerSound() {
  if (window_) windows_.destroy(window_);
  for (auto& [wave, plays] : plays_) {
    try {
      mixer_.UnloadWave(wave);
    } catch (const EWaveMixError&) {
    }
  }
}

LoadedWave* MixerSound::LoadWave(const std::string& path) {
  LoadedWave* wave = mixer_.LoadWave(path.c_str());
  LoadedWave* previous = newest_;
  plays_[wave] = 0;
  newest_ = wave;
  if (previous) releaseIfDone(previous);
  return wave;
}

void MixerSound::Play(int32_t channel, LoadedWave* wave, platform::WindowHandle, uint32_t flags,
                      uint16_t loops) {
  mixer_.Play(channel, wave, window_ ? this : nullptr, flags, loops);
  auto it = plays_.find(wave);
  if (it != plays_.end()) ++it->second;
}

void MixerSound::UnloadWave(LoadedWave* wave) {
  mixer_.UnloadWave(wave);
  plays_.erase(wave);
  if (wave == newest_) newest_ = nullptr;
}

void MixerSound::onEndOfPlay(LoadedWave* wave) {
  // Only the address is compared: a message for a wave we no longer hold is ignored.
  auto it = plays_.find(wave);
  if (it == plays_.end()) return;
  if (it->second > 0) --it->second;
  releaseIfDone(wave);
}

void MixerSound::releaseIfDone(LoadedWave* wave) {
  auto it = plays_.find(wave);
  if (it == plays_.end() || it->second > 0 || wave == newest_) return;
  plays_.erase(it);
  try {
    mixer_.UnloadWave(wave);
  } catch (const EWaveMixError&) {
  }
}
