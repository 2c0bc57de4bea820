#include "platform/clock.h"

#include <chrono>

namespace platform {
namespace {

class SteadyClock final : public Clock {
 public:
  uint32_t milliseconds() override {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    // Truncation to 32 bits is the wrap-around that callers expect.
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
  }
};

}  // namespace

Clock& systemClock() {
  static SteadyClock clock;
  return clock;
}

}  // namespace platform
