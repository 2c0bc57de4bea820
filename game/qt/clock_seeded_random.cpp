#include "game/qt/clock_seeded_random.h"

#include <chrono>

void ClockSeededRandom::randomize() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  engine_.seed(static_cast<std::mt19937::result_type>(
      std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

int32_t ClockSeededRandom::random(int32_t n) {
  if (n <= 0) return 0;
  return std::uniform_int_distribution<int32_t>(0, n - 1)(engine_);
}
