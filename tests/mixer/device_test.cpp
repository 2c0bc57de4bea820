#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine.h"
#include "support/reference_mix.h"
#include "support/session_harness.h"

namespace {

constexpr const char* kDevicePosition = "[default]\nGoodWavePos=1\n";
constexpr const char* kDevicePositionAndDefer = "[default]\nGoodWavePos=1\nRemix=2\n";

std::vector<uint8_t> Ramp(int32_t from, int32_t count) {
  std::vector<uint8_t> bytes;
  for (int32_t i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(from + i));
  return bytes;
}

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, std::size_t from, std::size_t count) {
  return {bytes.begin() + static_cast<std::ptrdiff_t>(from),
          bytes.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

int FreeBlockCount() {
  int count = 0;
  for (MixBlock* block : engine.blocks) count += block != nullptr && block->isFree == 1;
  return count;
}

// ---- Taking and releasing the device ------------------------------------------------------------

TEST(ActivationTest, TakesTheDeviceWithSixPreparedBlocks) {
  SessionHarness harness;
  HMixSession session = WaveMixInit();
  WaveMixActivate(session, true);
  EXPECT_EQ(engine.deviceOwner, session);
  EXPECT_EQ(session->active, 1);
  ASSERT_NE(session->callbackWnd, 0u);
  EXPECT_TRUE(harness.windows.exists(session->callbackWnd));
  EXPECT_EQ(harness.Device().callbackWindow(), session->callbackWnd);
  EXPECT_EQ(harness.Device().preparedHeaders(), kBlockCount);
  for (MixBlock* block : engine.blocks) {
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->header.lpData, block->samples);
    EXPECT_EQ(block->header.dwBufferLength, 2048u);
    EXPECT_EQ(block->header.dwFlags, platform::WHDR_PREPARED | platform::WHDR_DONE);
    EXPECT_EQ(block->isFree, 1);
  }

  WaveMixActivate(session, true);  // already held: returns at once
  EXPECT_EQ(harness.backend.opens(), 1);

  WaveMixActivate(session, false);
  EXPECT_EQ(engine.deviceOwner, nullptr);
  EXPECT_EQ(session->active, 0);
  EXPECT_EQ(session->callbackWnd, 0u);
  EXPECT_EQ(harness.backend.openDevice(), nullptr);
  EXPECT_EQ(harness.backend.untidyCloses(), 0);
  for (MixBlock* block : engine.blocks) EXPECT_EQ(block, nullptr);
  EXPECT_EQ(harness.windows.windowCount(), 1u);  // only the test's own notify window

  WaveMixActivate(session, false);  // not active: nothing changes
  EXPECT_EQ(harness.backend.closes(), 1);
  WaveMixActivate(session, true);
  EXPECT_EQ(harness.backend.opens(), 2);
}

struct OpenFailure {
  const char* label;
  void (*arrange)(SessionHarness&);
  const char* message;
};

const OpenFailure kOpenFailures[] = {
    {"no window", [](SessionHarness& h) { h.windows.setCreationFails(true); },
     "Failed to create callback window"},
    {"held elsewhere",
     [](SessionHarness& h) { h.backend.devices[0].openError = platform::WAVE_ERR_ALLOCATED; },
     "Failed to open waveform output device #4"},
    {"code beyond 16 bits", [](SessionHarness& h) { h.backend.devices[0].openError = 0x10020; },
     "Failed to open waveform output device #32"},
    {"format refused",
     [](SessionHarness& h) {
       h.backend.devices[0].acceptedFormats = {{1, 2, 44100, 88200, 2, 8}};
     },
     "Failed to open waveform output device #32"},
    {"third header",
     [](SessionHarness& h) {
       h.backend.devices[0].prepareError = platform::WAVE_ERR_NOMEM;
       h.backend.devices[0].preparesBeforeFailure = 2;
     },
     "Unable to prepare wave header #7"},
};

class OpenFailureTest : public testing::TestWithParam<OpenFailure> {};

TEST_P(OpenFailureTest, LeavesTheDeviceFreeAndTheNextActivationTriesAgain) {
  SessionHarness harness;
  HMixSession session = WaveMixInit();
  WaveMixChannelOpen(session, 0, ocSingle);
  GetParam().arrange(harness);
  EXPECT_EQ(ErrorOf([session] { WaveMixActivate(session, true); }), GetParam().message);
  EXPECT_EQ(engine.deviceOwner, nullptr);
  EXPECT_EQ(session->active, 0);
  EXPECT_EQ(session->waveOut, nullptr);
  EXPECT_EQ(session->callbackWnd, 0u);
  EXPECT_EQ(harness.windows.windowCount(), 1u);
  EXPECT_EQ(harness.backend.openDevice(), nullptr);
  EXPECT_EQ(harness.backend.untidyCloses(), 0);
  for (MixBlock* block : engine.blocks) EXPECT_EQ(block, nullptr);
  EXPECT_EQ(ErrorOf([session] { WaveMixPlay(nullptr); }), "nil parameters pointer passed to WaveMixPlay");

  harness.windows.setCreationFails(false);
  harness.backend.devices[0] = platform::MemoryDeviceDescription::named("Memory Wave Out");
  WaveMixActivate(session, true);
  EXPECT_EQ(session->active, 1);
}

INSTANTIATE_TEST_SUITE_P(Table, OpenFailureTest, testing::ValuesIn(kOpenFailures),
                         [](const testing::TestParamInfo<OpenFailure>& info) {
                           std::string name = info.param.label;
                           for (char& c : name) {
                             if (c == ' ') c = '_';
                           }
                           return name;
                         });

TEST(ActivationTest, ResumesWhereTheStreamWasHeard) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  LoadedWave* wave = harness.NewRamp(20000, 0);
  harness.PlayWave(session, 0, wave);
  harness.Play(3000);
  WaveMixActivate(session, false);
  EXPECT_EQ(session->mixPos, 3000);
  EXPECT_EQ(session->channels[0]->wave, wave);  // the node survives deactivation

  WaveMixActivate(session, true);
  platform::MemoryWaveOut& device = harness.Device();
  ASSERT_EQ(device.writes().size(), 3u);
  EXPECT_EQ(Slice(device.received(), 0, 2048), Ramp(3000, 2048));
  EXPECT_EQ(GetPlayPosition(session->waveOut.get(), 1), 3000);
}

// ---- Positions --------------------------------------------------------------------------------

struct ClockCase {
  uint16_t channels;
  uint16_t rateCode;
  uint32_t startMs;
  uint32_t elapsedMs;
  int32_t expected;
};

const ClockCase kClockCases[] = {
    {1, 11, 0, 1000, 11025},
    {2, 44, 0, 1, 88},
    {2, 44, 0, 3, 264},
    {2, 44, 0, 5, 440},                 // 441 bytes would split a frame
    {2, 44, 0, 30000, 2646000},         // the product passes 2^31
    {1, 11, 0, 400000, 4410000},        // the product passes 2^32
    {1, 11, 0xFFFFFF00u, 1000, 11025},  // the clock wraps
};

class ClockPositionTest : public testing::TestWithParam<ClockCase> {};

TEST_P(ClockPositionTest, ReadsTheStreamPositionFromTheClock) {
  const ClockCase& c = GetParam();
  SessionHarness harness;
  MixerConfig config{10, cfChannels | cfSamplingRate, c.channels, c.rateCode};
  HMixSession session = WaveMixInitWithConfig(&config);
  harness.clock.set(c.startMs);
  SetStreamPosition(0);
  harness.clock.advance(c.elapsedMs);
  EXPECT_EQ(GetPlayPosition(nullptr, session->goodWavePos), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ClockPositionTest, testing::ValuesIn(kClockCases));

TEST(PositionTest, AnchoringAtAPositionBeyondAPassedProductStaysExact) {
  SessionHarness harness;
  MixerConfig config{10, cfChannels | cfSamplingRate, 2, 44};
  WaveMixInitWithConfig(&config);
  harness.clock.set(100000);
  SetStreamPosition(2646000);  // 2646000 * 1000 passes 2^31
  EXPECT_EQ(GetPlayPosition(nullptr, 0), 2646000);
  harness.clock.advance(1000);
  EXPECT_EQ(GetPlayPosition(nullptr, 0), 2646000 + 88200);
}

struct AnchorCase {
  std::size_t deviceBytes;
  int32_t posOffset;
  bool adds;
};

class AnchorTest : public testing::TestWithParam<AnchorCase> {};

TEST_P(AnchorTest, TheDevicePositionReadsTheAnchor) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  harness.PlayWave(session, 0, harness.NewRamp(30000, 0));
  harness.Play(GetParam().deviceBytes);
  ASSERT_EQ(harness.Device().position(), GetParam().deviceBytes);

  SetStreamPosition(5000);
  EXPECT_EQ(session->posOffset, GetParam().posOffset);
  EXPECT_EQ(session->posAdjust(*session, 0), GetParam().adds ? GetParam().posOffset : -GetParam().posOffset);
  EXPECT_EQ(GetPlayPosition(session->waveOut.get(), 1), 5000);
  EXPECT_EQ(session->mixPos, 5000);
  harness.Play(100);
  EXPECT_EQ(GetPlayPosition(session->waveOut.get(), 1), 5100);
}

INSTANTIATE_TEST_SUITE_P(Table, AnchorTest,
                         testing::Values(AnchorCase{2000, 3000, true}, AnchorCase{7000, 2000, false}));

TEST(PositionTest, StreamRestartsAtZeroAfterSilence) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  LoadedWave* wave = harness.NewRamp(3000, 0);
  harness.PlayWave(session, 0, wave);
  harness.Play(100000);
  EXPECT_EQ(session->channels[0], nullptr);
  EXPECT_EQ(session->mixPos, 4096);

  harness.PlayWave(session, 1, wave);
  EXPECT_EQ(session->channels[1]->startPos, 0);
  EXPECT_EQ(GetPlayPosition(session->waveOut.get(), 1), 0);
}

// ---- The pump -----------------------------------------------------------------------------------

TEST(PumpTest, RetiresFinishedNodesWithOneMessageEachWhenAsked) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  LoadedWave* told = harness.NewRamp(1000, 0);
  LoadedWave* silent = harness.NewRamp(500, 0);
  LoadedWave* flushed = harness.NewRamp(800, 0);
  harness.PlayWave(session, 2, told, 0, 0, true);
  harness.PlayWave(session, 3, silent);
  harness.PlayWave(session, 4, flushed, 0, 0, true);
  WaveMixChannelFlush(session, 4, fcNoRemix);

  harness.Play(2047);
  EXPECT_TRUE(harness.endOfPlay.empty());
  EXPECT_NE(session->channels[2], nullptr);
  harness.Play(1);
  using EndOfPlay = SessionHarness::EndOfPlay;
  EXPECT_EQ(harness.endOfPlay, (std::vector<EndOfPlay>{{MM_WOM_DONE, 2, told}}));
  EXPECT_EQ(session->channels[2], nullptr);
  harness.Play(100000);
  EXPECT_EQ(harness.endOfPlay.size(), 1u);
  EXPECT_EQ(FreeNodeCount(), kNodeCount);
  EXPECT_EQ(engine.playingHead, nullptr);
  EXPECT_EQ(FreeBlockCount(), kBlockCount);
}

TEST(PumpTest, KeepsTheDeviceFedUntilTheWaveEnds) {
  SessionHarness harness;
  HMixSession session = harness.StartActive();
  LoadedWave* wave = harness.NewRamp(10000, 7);
  harness.PlayWave(session, 5, wave);
  harness.Play(20000);
  platform::MemoryWaveOut& device = harness.Device();
  // 10000 bytes in blocks of 2048: five blocks, the last ending in silence.
  ASSERT_EQ(device.played().size(), 5u * 2048);
  EXPECT_EQ(Slice(device.played(), 0, 9999), Ramp(7, 9999));  // the last byte of a pass is never mixed
  EXPECT_EQ(Slice(device.played(), 9999, 241), std::vector<uint8_t>(241, 128));
}

// ---- Re-mixing ----------------------------------------------------------------------------------

TEST(RemixTest, HighPriorityIsHeardAtOnceByDefault) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  harness.PlayWave(session, 0, harness.NewRamp(10000, 0));
  harness.Play(1000);
  LoadedWave* urgent = harness.NewWave(std::vector<uint8_t>(500, 200));
  harness.PlayWave(session, 1, urgent, pfHighPriority);

  PlayNode* node = session->channels[1];
  EXPECT_EQ(node->startPos, 1000);
  EXPECT_EQ(node->endPos, 1499);
  platform::MemoryWaveOut& device = harness.Device();
  ASSERT_EQ(device.writes().size(), 6u);
  EXPECT_EQ(Slice(device.received(), 3 * 2048, 3 * 2048), ReferenceBlock(*session, 1000, 3 * 2048));
  EXPECT_EQ(device.received()[3 * 2048], static_cast<uint8_t>(std::min(255, 1000 % 256 + 200 - 128)));
  EXPECT_EQ(session->mixPos, 1000 + 3 * 2048);
  EXPECT_FALSE(device.paused());
  harness.Play(10);
  EXPECT_EQ(GetPlayPosition(session->waveOut.get(), 1), 1010);
}

TEST(RemixTest, DeferredHighPriorityFollowsTheQueuedAudio) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePositionAndDefer);
  harness.PlayWave(session, 0, harness.NewRamp(10000, 0));
  harness.Play(1000);
  harness.PlayWave(session, 1, harness.NewWave(std::vector<uint8_t>(500, 200)), pfHighPriority);
  harness.PlayWave(session, 2, harness.NewWave(std::vector<uint8_t>(10, 1)), pfHighPriority, kLoopForever);

  EXPECT_EQ(session->channels[1]->startPos, 6144);
  EXPECT_EQ(session->channels[1]->endPos, 6643);
  EXPECT_EQ(session->channels[2]->startPos, 6144);
  EXPECT_EQ(session->channels[2]->endPos, kNever);  // an endless node stays endless
  platform::MemoryWaveOut& device = harness.Device();
  EXPECT_EQ(device.writes().size(), 3u);
  harness.Play(1048);
  ASSERT_EQ(device.writes().size(), 4u);
  EXPECT_EQ(Slice(device.received(), 3 * 2048, 2048), ReferenceBlock(*session, 6144, 2048));
}

TEST(RemixTest, FlushSilencesAtOnceUnlessToldNotToRemix) {
  for (uint32_t flags : {0u, fcNoRemix}) {
    SessionHarness harness;
    HMixSession session = harness.StartActive(kDevicePosition);
    harness.PlayWave(session, 0, harness.NewRamp(10000, 0));
    harness.Play(1000);
    WaveMixChannelFlush(session, 0, flags);
    platform::MemoryWaveOut& device = harness.Device();
    EXPECT_FALSE(device.paused());
    if (flags == 0) {
      EXPECT_EQ(device.queuedBlocks(), 0u);
      EXPECT_EQ(engine.playingHead, nullptr);
      EXPECT_EQ(session->mixPos, 1000);
    } else {
      EXPECT_EQ(device.queuedBlocks(), 3u);
      harness.Play(100000);
      EXPECT_EQ(device.played(), Ramp(0, 3 * 2048));
    }
    WaveMixEndSession(session);
  }
}

TEST(RemixTest, RemixThatRunsOutKeepsTheOtherBlocksInThePool) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  harness.PlayWave(session, 0, harness.NewRamp(3000, 0));
  harness.Play(1000);
  harness.PlayWave(session, 1, harness.NewRamp(100, 0), pfHighPriority);
  ASSERT_NE(engine.playingHead, nullptr);
  EXPECT_EQ(engine.playingHead, engine.playingTail);
  EXPECT_EQ(engine.playingHead->startPos, 1000);
  EXPECT_EQ(FreeBlockCount(), kBlockCount - 1);
}

TEST(RemixTest, RefusedWriteLeavesTheDevicePlayingWhatItAccepted) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  harness.PlayWave(session, 0, harness.NewRamp(10000, 0));
  harness.Play(1000);
  harness.backend.devices[0].writeError = platform::WAVE_ERR_NOMEM;
  EXPECT_EQ(ErrorOf([&] { harness.PlayWave(session, 1, harness.NewRamp(100, 0), pfHighPriority); }),
            "Failed to write block to device");
  EXPECT_EQ(engine.playingHead, nullptr);
  EXPECT_EQ(FreeBlockCount(), kBlockCount);
  EXPECT_FALSE(harness.Device().paused());

  // The next notice refills the device; the stream lacks what the refused re-mix held.
  harness.backend.devices[0].writeError = platform::WAVE_OK;
  harness.windows.deliverAll();
  ASSERT_NE(engine.playingHead, nullptr);
  EXPECT_EQ(engine.playingHead->startPos, 1000 + 3 * 2048);
  EXPECT_EQ(harness.Device().queuedBlocks(), 2u);
}

TEST(RemixTest, RefusedFillLeavesTheDeviceUnpaused) {
  SessionHarness harness;
  HMixSession session = harness.StartActive();
  harness.backend.devices[0].writeError = platform::WAVE_ERR_NOMEM;
  EXPECT_EQ(ErrorOf([&] { harness.PlayWave(session, 0, harness.NewRamp(100, 0)); }),
            "Failed to write block to device");
  EXPECT_FALSE(harness.Device().paused());
  EXPECT_EQ(engine.playingHead, nullptr);
  EXPECT_EQ(session->mixPos, 2048);  // the stream lacks the refused block
}

}  // namespace
