#pragma once

#include <cstdint>

namespace zeru::content {

// A small xorshift generator: the same seed gives the same content on every
// machine, which the standard distributions do not promise.
class SeededRandom {
 public:
  explicit SeededRandom(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}

  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  // 0 .. n - 1
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
  // -1 .. 1
  double Signed() { return static_cast<double>(Next()) / 2147483648.0 - 1.0; }

 private:
  uint32_t state_;
};

}  // namespace zeru::content
