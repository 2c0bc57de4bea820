#pragma once

#include <memory>

#include "game/services.h"

// Creates the window's sound output, WaveMix1: the mixer component on the SDL2 device, with the
// mixer's notices running on Qt's event loop. Without a usable sound device it is a silent
// stand-in, and the game runs without sound.
std::unique_ptr<SoundOutput> CreateWaveMix1();
