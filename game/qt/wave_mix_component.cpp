#include "game/qt/wave_mix_component.h"

#include "game/qt/silent_sound_output.h"

std::unique_ptr<SoundOutput> CreateWaveMix1() { return std::make_unique<SilentSoundOutput>(); }
