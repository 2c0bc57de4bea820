#include "game/qt/sleeping_waiter.h"

#include <algorithm>
#include <chrono>
#include <thread>

void SleepingWaiter::wait(int milliseconds) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point until = Clock::now() + std::chrono::milliseconds(milliseconds);
  // Short naps, so the mixer's notices are delivered soon after they arrive: 5 ms is well
  // inside one block of queued audio (186 ms at the default 2048 bytes, 11025 Hz).
  constexpr auto kNap = std::chrono::milliseconds(5);
  for (;;) {
    if (deliverMixerNotices_) deliverMixerNotices_();
    const Clock::time_point now = Clock::now();
    if (now >= until) break;
    std::this_thread::sleep_for(std::min<Clock::duration>(kNap, until - now));
  }
}
