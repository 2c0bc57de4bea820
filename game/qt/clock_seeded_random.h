#pragma once

#include <random>

#include "game/services.h"

// The game's one generator, seeded from the system clock by randomize().
class ClockSeededRandom : public RandomSource {
 public:
  void randomize() override;
  // Uniform over 0 .. n - 1; 0 when n is not positive.
  int32_t random(int32_t n) override;

 private:
  std::mt19937 engine_;
};
