#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// The hero's values are signed 32-bit. The rules compute in 64 bits and stop at the 32-bit limits,
// so a long game (large gold, many time castles, a huge score sum) never overflows.

constexpr int32_t saturated(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

constexpr void add_saturating(int32_t& value, int64_t amount) { value = saturated(int64_t{value} + amount); }
