#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>

#include "message_window.h"

namespace platform {

// Posted messages held in one first-in first-out queue until the owner delivers them, one at a
// time, on its own thread: what tests and command-line tools use in place of an event loop.
class QueuedMessageWindows final : public MessageWindows {
 public:
  WindowHandle create(WindowProcedure procedure) override;
  void destroy(WindowHandle window) override;
  bool post(WindowHandle window, uint32_t message, uintptr_t wParam, uintptr_t lParam) override;

  // Delivers the oldest message to its window's procedure; false when nothing is queued.
  // An exception from the procedure passes to the caller; the message counts as delivered.
  bool deliverOne();
  // Delivers until the queue is empty, including messages posted meanwhile; returns how many.
  std::size_t deliverAll();

  std::size_t queuedCount() const;
  std::size_t windowCount() const;
  bool exists(WindowHandle window) const;

  // While set, create() fails (returns 0), as when the platform is out of window resources.
  void setCreationFails(bool fails) { creationFails_ = fails; }

 private:
  struct Message {
    WindowHandle window;
    uint32_t message;
    uintptr_t wParam;
    uintptr_t lParam;
  };

  mutable std::mutex mutex_;
  std::map<WindowHandle, WindowProcedure> windows_;
  std::deque<Message> queue_;
  WindowHandle nextHandle_ = 1;
  bool creationFails_ = false;
};

}  // namespace platform
