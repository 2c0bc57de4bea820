#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// A target for posted messages: the mixer's stand-in for a hidden window. Messages posted to it
// are delivered later, one at a time, on the thread that runs the mixer, never inside a mixer
// operation. 0 is no window.
using WindowHandle = std::uintptr_t;

using WindowProcedure = std::function<void(uint32_t message, uintptr_t wParam, uintptr_t lParam)>;

class MessageWindows {
 public:
  virtual ~MessageWindows() = default;

  // Returns 0 when no window can be made.
  virtual WindowHandle create(WindowProcedure procedure) = 0;

  // The window and every message still queued for it are gone afterwards.
  virtual void destroy(WindowHandle window) = 0;

  // Safe from any thread. Returns false when the window does not exist.
  virtual bool post(WindowHandle window, uint32_t message, uintptr_t wParam, uintptr_t lParam) = 0;
};

}  // namespace platform
