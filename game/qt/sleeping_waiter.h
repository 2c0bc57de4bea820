#pragma once

#include <functional>
#include <utility>

#include "game/services.h"

// The typewriter's waits: the thread sleeps and handles no event, as the game expects.
class SleepingWaiter : public Waiter {
 public:
  void wait(int milliseconds) override;

  // Hook for delivering the mixer's block-done notices between typing frames, so that sound
  // does not break up during a long message. Nothing else may run here.
  void setMixerNoticeDelivery(std::function<void()> deliver) { deliverMixerNotices_ = std::move(deliver); }

 private:
  std::function<void()> deliverMixerNotices_;
};
