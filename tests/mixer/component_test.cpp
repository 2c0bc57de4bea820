#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine.h"
#include "support/session_harness.h"
#include "wavemix/TWaveMix.h"

namespace {

std::vector<int> OpenChannels(HMixSession session) {
  std::vector<int> open;
  for (int channel = 0; channel < kChannelCount; ++channel) {
    if (!IsClosed(session->channels[channel])) open.push_back(channel);
  }
  return open;
}

// What the main window's layout asks of its component: the device, then channel 0.
std::unique_ptr<TWaveMix> FormComponent() {
  auto mixer = std::make_unique<TWaveMix>();
  mixer->SetActivated(true);
  mixer->SetChannels(1);
  return mixer;
}

class Notify : public NotifyControl {
 public:
  explicit Notify(platform::WindowHandle handle) : handle_(handle) {}
  platform::WindowHandle Handle() override { return handle_; }

 private:
  platform::WindowHandle handle_;
};

TEST(WaveMixComponentTest, TheFormsValuesTakeTheDeviceAndOpenChannelZero) {
  SessionHarness harness;
  auto mixer = FormComponent();
  HMixSession session = mixer->Session();
  EXPECT_EQ(engine.deviceOwner, session);
  EXPECT_EQ(session->active, 1);
  EXPECT_EQ(OpenChannels(session), std::vector<int>{0});
  EXPECT_TRUE(mixer->Activated());
  EXPECT_EQ(mixer->Channels(), 1);
  EXPECT_EQ(mixer->LastRequest().hMixSession, session);
}

struct MaskStep {
  uint8_t mask;
  std::vector<int> open;
};

TEST(WaveMixComponentTest, ChannelsFollowTheMaskAndUnchangedBitsKeepTheirQueues) {
  SessionHarness harness;
  auto mixer = FormComponent();
  HMixSession session = mixer->Session();
  LoadedWave* wave = harness.NewRamp(100000, 0);

  const MaskStep steps[] = {
      {6, {1, 2}},
      {255, {0, 1, 2, 3, 4, 5, 6, 7}},
      {4, {2}},
      {0, {}},
  };
  for (const MaskStep& step : steps) {
    SCOPED_TRACE(static_cast<int>(step.mask));
    // A wave queued on channel 2 must survive every step that keeps bit 2.
    if (!IsClosed(session->channels[2]) && session->channels[2] == nullptr)
      mixer->Play(2, wave, nullptr, 0, 0);
    PlayNode* queuedOnTwo = IsClosed(session->channels[2]) ? nullptr : session->channels[2];
    mixer->SetChannels(step.mask);
    EXPECT_EQ(mixer->Channels(), step.mask);
    EXPECT_EQ(OpenChannels(session), step.open);
    EXPECT_EQ(session->openChannels, static_cast<int32_t>(step.open.size()));
    if (queuedOnTwo != nullptr && (step.mask & 4)) {
      EXPECT_EQ(session->channels[2], queuedOnTwo);
    }
  }
}

TEST(WaveMixComponentTest, WritingTheCurrentValueDoesNothing) {
  SessionHarness harness;
  auto mixer = FormComponent();
  platform::MemoryWaveOut* device = &harness.Device();
  mixer->SetActivated(true);
  mixer->SetChannels(1);
  EXPECT_EQ(&harness.Device(), device);
  EXPECT_EQ(mixer->Session()->openChannels, 1);
}

TEST(WaveMixComponentTest, AFailedActivationKeepsTheStoredValue) {
  SessionHarness harness;
  harness.backend.devices[0].openError = platform::WAVE_ERR_ALLOCATED;
  TWaveMix mixer;
  EXPECT_EQ(ErrorOf([&] { mixer.SetActivated(true); }), "Failed to open waveform output device #4");
  EXPECT_FALSE(mixer.Activated());
  harness.backend.devices[0].openError = platform::WAVE_OK;
  mixer.SetActivated(true);
  EXPECT_TRUE(mixer.Activated());
}

TEST(WaveMixComponentTest, PlaySendsTheEndOfPlayMessageOnlyToAGivenControl) {
  SessionHarness harness;
  auto mixer = FormComponent();
  LoadedWave* quiet = harness.NewRamp(300, 10);
  LoadedWave* told = harness.NewRamp(300, 20);
  Notify notify(harness.notifyWindow());

  mixer->Play(0, quiet, nullptr, 0, 0);
  EXPECT_EQ(mixer->LastRequest().notifyWnd, 0u);
  mixer->Play(0, told, &notify, 0, 0);
  EXPECT_EQ(mixer->LastRequest().notifyWnd, harness.notifyWindow());
  EXPECT_EQ(mixer->LastRequest().wave, told);
  harness.Play(20000);

  ASSERT_EQ(harness.endOfPlay.size(), 1u);
  EXPECT_EQ(harness.endOfPlay[0], (SessionHarness::EndOfPlay{MM_WOM_DONE, 0, told}));
}

TEST(WaveMixComponentTest, LeastUsedLeavesTheChosenChannelInTheRequest) {
  SessionHarness harness;
  auto mixer = FormComponent();
  mixer->SetChannels(3);
  LoadedWave* wave = harness.NewRamp(50000, 0);
  mixer->Play(0, wave, nullptr, 0, 0);
  mixer->Play(0, wave, nullptr, pfLeastUsed, 0);
  EXPECT_EQ(mixer->LastRequest().channel, 1);
}

TEST(WaveMixComponentTest, DestroyingWhileAWavePlaysEndsTheSessionAndKeepsTheWave) {
  SessionHarness harness;
  LoadedWave* wave = harness.NewRamp(100000, 0);
  {
    auto mixer = FormComponent();
    mixer->Play(0, wave, nullptr, 0, kLoopForever);
    harness.Play(3000);
  }
  EXPECT_EQ(engine.currentSession, nullptr);
  EXPECT_EQ(engine.deviceOwner, nullptr);
  EXPECT_EQ(FreeNodeCount(), kNodeCount);
  EXPECT_EQ(wave->header.dwBufferLength, 100000u);  // still the caller's
  EXPECT_EQ(wave->header.lpData[99], 99);
}

TEST(WaveMixComponentTest, ASecondLiveComponentIsRefusedAndTheFirstPlaysOn) {
  SessionHarness harness;
  auto first = FormComponent();
  EXPECT_EQ(ErrorOf([] { TWaveMix second; }), "Session already initialized");
  EXPECT_EQ(engine.currentSession, first->Session());
  first->Play(0, harness.NewRamp(500, 0), nullptr, 0, 0);
}

TEST(WaveMixComponentTest, AFailedCreateLeavesNoSessionBehind) {
  SessionHarness harness;
  harness.backend.devices.clear();
  EXPECT_EQ(ErrorOf([] { TWaveMix mixer; }), "No wave output devices available");
  EXPECT_EQ(engine.currentSession, nullptr);
  harness.backend.devices.push_back(platform::MemoryDeviceDescription::named("Back"));
  TWaveMix mixer;
  EXPECT_NE(mixer.Session(), nullptr);
}

}  // namespace
