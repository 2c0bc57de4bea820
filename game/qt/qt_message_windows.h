#pragma once

#include <QEvent>
#include <QObject>
#include <map>
#include <mutex>

#include "platform/message_window.h"

// Posted messages over Qt's event loop: each window is a receiver object, each message a posted
// event of its own type, delivered one at a time on the thread that runs the loop. A device's
// audio thread may post; deleting a receiver drops the events still queued for it.
class QtMessageWindows final : public platform::MessageWindows {
 public:
  static const QEvent::Type kMessageEvent;

  ~QtMessageWindows() override;

  platform::WindowHandle create(platform::WindowProcedure procedure) override;
  void destroy(platform::WindowHandle window) override;
  bool post(platform::WindowHandle window, uint32_t message, uintptr_t wParam, uintptr_t lParam) override;

  // Delivers the messages already posted, and nothing else: used while the game holds the
  // thread to type a message, so that the mixer keeps the device fed.
  static void deliverPosted();

 private:
  class Receiver;
  std::mutex mutex_;
  std::map<platform::WindowHandle, Receiver*> windows_;
  platform::WindowHandle nextHandle_ = 1;
};
