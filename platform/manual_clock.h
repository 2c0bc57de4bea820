#pragma once

#include <cstdint>

#include "clock.h"

namespace platform {

// A clock that moves only when told to, for tests and tools that need exact positions.
class ManualClock final : public Clock {
 public:
  uint32_t milliseconds() override { return now_; }
  void set(uint32_t milliseconds) { now_ = milliseconds; }
  // Wraps at 2^32 like the system clock.
  void advance(uint32_t milliseconds) { now_ += milliseconds; }

 private:
  uint32_t now_ = 0;
};

}  // namespace platform
