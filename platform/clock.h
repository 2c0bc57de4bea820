#pragma once

#include <cstdint>

namespace platform {

// Milliseconds from a fixed origin, wrapping at 2^32.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t milliseconds() = 0;
};

// The monotonic system clock.
Clock& systemClock();

}  // namespace platform
