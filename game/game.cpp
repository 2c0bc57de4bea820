#include "game/game.h"

#include <utility>

Game::Game(GameState& state, GameView& view, SoundOutput* sound, RandomSource& random, Waiter& waiter,
           std::filesystem::path exeDir)
    : state_(state), view_(view), sound_(sound), random_(random), waiter_(waiter), exeDir_(std::move(exeDir)) {}

std::filesystem::path Game::path_of(std::string_view literal) const {
  std::string relative(literal);
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  while (!relative.empty() && relative.front() == '/') relative.erase(relative.begin());
  return exeDir_ / std::filesystem::u8path(relative);
}
