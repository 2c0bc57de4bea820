#pragma once

#include <cstdint>
#include <string>

#include "game/game_state.h"

// The name of map `index`: entry `index` of name_list (code page 932, possibly empty). The list has
// no entry for a map below 0 or above 255; such a map is named by its number in decimal.
std::string map_name(const GameState& state, int64_t index);
