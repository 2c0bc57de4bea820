#include "game/qt/sleeping_waiter.h"

#include <chrono>
#include <thread>

void SleepingWaiter::wait(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  if (deliverMixerNotices_) deliverMixerNotices_();
}
