#pragma once

#include <memory>

#include "game/services.h"

// Creates the window's sound output, WaveMix1. The one place where the mixer component plugs in.
std::unique_ptr<SoundOutput> CreateWaveMix1();
