#include "game/map_name.h"

std::string map_name(const GameState& state, int64_t index) {
  if (index < 0 || index >= kNameListSize) return std::to_string(index);
  return state.name_list[static_cast<size_t>(index)];
}
