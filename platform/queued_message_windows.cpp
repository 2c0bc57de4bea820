#include "platform/queued_message_windows.h"

#include <utility>

namespace platform {

WindowHandle QueuedMessageWindows::create(WindowProcedure procedure) {
  std::lock_guard lock(mutex_);
  if (creationFails_) return 0;
  WindowHandle window = nextHandle_++;
  windows_.emplace(window, std::move(procedure));
  return window;
}

void QueuedMessageWindows::destroy(WindowHandle window) {
  std::lock_guard lock(mutex_);
  windows_.erase(window);
  std::erase_if(queue_, [window](const Message& queued) { return queued.window == window; });
}

bool QueuedMessageWindows::post(WindowHandle window, uint32_t message, uintptr_t wParam, uintptr_t lParam) {
  std::lock_guard lock(mutex_);
  if (!windows_.contains(window)) return false;
  queue_.push_back({window, message, wParam, lParam});
  return true;
}

bool QueuedMessageWindows::deliverOne() {
  Message next;
  WindowProcedure procedure;
  {
    std::lock_guard lock(mutex_);
    if (queue_.empty()) return false;
    next = queue_.front();
    queue_.pop_front();
    // A copy, so that the procedure may destroy its own window while it runs.
    procedure = windows_.at(next.window);
  }
  if (procedure) procedure(next.message, next.wParam, next.lParam);
  return true;
}

std::size_t QueuedMessageWindows::deliverAll() {
  std::size_t delivered = 0;
  while (deliverOne()) ++delivered;
  return delivered;
}

std::size_t QueuedMessageWindows::queuedCount() const {
  std::lock_guard lock(mutex_);
  return queue_.size();
}

std::size_t QueuedMessageWindows::windowCount() const {
  std::lock_guard lock(mutex_);
  return windows_.size();
}

bool QueuedMessageWindows::exists(WindowHandle window) const {
  std::lock_guard lock(mutex_);
  return windows_.contains(window);
}

}  // namespace platform
