#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <thread>
#include <vector>

#include "game/qt/qt_message_windows.h"
#include "game/qt/sleeping_waiter.h"

namespace {

struct Received {
  uint32_t message;
  uintptr_t wParam;
  bool operator==(const Received&) const = default;
};

TEST(QtMessageWindowsTest, DeliversPostsFromAnyThreadInOrderOnTheEventLoop) {
  QtMessageWindows windows;
  std::vector<Received> received;
  platform::WindowHandle window = windows.create([&](uint32_t message, uintptr_t wParam, uintptr_t) {
    received.push_back({message, wParam});
  });
  ASSERT_NE(window, 0u);

  std::thread device([&] {
    for (uintptr_t i = 0; i < 3; ++i) EXPECT_TRUE(windows.post(window, 957, i, 0));
  });
  device.join();
  EXPECT_TRUE(received.empty()) << "posted messages wait for the event loop";
  QCoreApplication::processEvents();
  EXPECT_EQ(received, (std::vector<Received>{{957, 0}, {957, 1}, {957, 2}}));
}

TEST(QtMessageWindowsTest, ADestroyedWindowLosesItsQueuedMessages) {
  QtMessageWindows windows;
  int received = 0;
  platform::WindowHandle window = windows.create([&](uint32_t, uintptr_t, uintptr_t) { ++received; });
  windows.post(window, 957, 0, 0);
  windows.destroy(window);
  EXPECT_FALSE(windows.post(window, 957, 0, 0));
  QCoreApplication::processEvents();
  EXPECT_EQ(received, 0);
}

// While the game types a message, the mixer's notices are delivered between frames, and nothing
// else: no timer, no other posted event.
TEST(SleepingWaiterTest, DeliversTheMixersNoticesAndNothingElse) {
  QtMessageWindows windows;
  int notices = 0;
  platform::WindowHandle window = windows.create([&](uint32_t, uintptr_t, uintptr_t) { ++notices; });
  bool timerFired = false;
  QTimer::singleShot(0, [&] { timerFired = true; });
  bool otherEventRan = false;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [&] { otherEventRan = true; }, Qt::QueuedConnection);

  SleepingWaiter waiter;
  waiter.setMixerNoticeDelivery(&QtMessageWindows::deliverPosted);
  windows.post(window, 957, 0, 0);
  std::thread device([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    windows.post(window, 957, 1, 0);
  });
  waiter.wait(60);
  device.join();

  EXPECT_EQ(notices, 2) << "a notice posted during the wait is delivered within it";
  EXPECT_FALSE(timerFired);
  EXPECT_FALSE(otherEventRan);
  QCoreApplication::processEvents();
  EXPECT_TRUE(otherEventRan);
}

}  // namespace
