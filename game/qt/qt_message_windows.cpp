#include "game/qt/qt_message_windows.h"

#include <QCoreApplication>
#include <utility>

namespace {

class MessageEvent final : public QEvent {
 public:
  MessageEvent(uint32_t message, uintptr_t wParam, uintptr_t lParam)
      : QEvent(QtMessageWindows::kMessageEvent), message(message), wParam(wParam), lParam(lParam) {}
  const uint32_t message;
  const uintptr_t wParam;
  const uintptr_t lParam;
};

}  // namespace

const QEvent::Type QtMessageWindows::kMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class QtMessageWindows::Receiver final : public QObject {
 public:
  explicit Receiver(platform::WindowProcedure procedure) : procedure_(std::move(procedure)) {}

 protected:
  void customEvent(QEvent* event) override {
    if (event->type() != kMessageEvent) return;
    auto* message = static_cast<MessageEvent*>(event);
    procedure_(message->message, message->wParam, message->lParam);
  }

 private:
  platform::WindowProcedure procedure_;
};

QtMessageWindows::~QtMessageWindows() {
  std::lock_guard lock(mutex_);
  for (auto& [handle, receiver] : windows_) delete receiver;
}

platform::WindowHandle QtMessageWindows::create(platform::WindowProcedure procedure) {
  std::lock_guard lock(mutex_);
  platform::WindowHandle handle = nextHandle_++;
  windows_[handle] = new Receiver(std::move(procedure));
  return handle;
}

void QtMessageWindows::destroy(platform::WindowHandle window) {
  std::lock_guard lock(mutex_);
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  delete it->second;  // Qt removes the events still posted to it
  windows_.erase(it);
}

bool QtMessageWindows::post(platform::WindowHandle window, uint32_t message, uintptr_t wParam,
                            uintptr_t lParam) {
  std::lock_guard lock(mutex_);
  auto it = windows_.find(window);
  if (it == windows_.end()) return false;
  QCoreApplication::postEvent(it->second, new MessageEvent(message, wParam, lParam));
  return true;
}

void QtMessageWindows::deliverPosted() { QCoreApplication::sendPostedEvents(nullptr, kMessageEvent); }
