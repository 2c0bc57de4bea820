#include "game/qt/silent_sound_output.h"

LoadedWave* SilentSoundOutput::LoadWave(const std::string&) {
  throw EWaveMixError("No wave output devices available");
}

void SilentSoundOutput::Play(int32_t, LoadedWave*, platform::WindowHandle, uint32_t, uint16_t) {}

void SilentSoundOutput::UnloadWave(LoadedWave*) {}
