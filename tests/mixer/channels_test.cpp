#include <gtest/gtest.h>

#include <vector>

#include "engine.h"
#include "support/reference_mix.h"
#include "support/session_harness.h"

namespace {

constexpr const char* kDevicePosition = "[default]\nGoodWavePos=1\n";

std::vector<PlayNode*> Queue(const MixerSession& session, int channel) {
  std::vector<PlayNode*> nodes;
  for (PlayNode* node = session.channels[channel]; node != nullptr; node = node->next) nodes.push_back(node);
  return nodes;
}

int PendingCount(const MixerSession& session) {
  if (session.pending == nullptr) return 0;
  int count = 1;
  for (PlayNode* node = session.pending->next; node != session.pending; node = node->next) ++count;
  return count;
}

// ---- Opening channels ---------------------------------------------------------------------------

struct OpenCase {
  int32_t number;
  int32_t mode;
  const char* message;
};

TEST(ChannelOpenTest, RefusesBadNumbersAndModesBeforeAnyChange) {
  SessionHarness harness;
  HMixSession session = WaveMixInit();
  WaveMixChannelOpen(session, 1, ocSingle);
  const OpenCase cases[] = {
      {8, ocSingle, "Invalid channel number"},
      {-1, ocSingle, "Invalid channel number"},
      {0, ocCount, "Invalid number of channels"},
      {9, ocCount, "Invalid number of channels"},
      {0, 3, "Invalid Flags"},
      {0, -1, "Invalid flag"},
      {1, ocSingle, "The channel has already been opened"},
  };
  for (const OpenCase& c : cases) {
    EXPECT_EQ(ErrorOf([&] { WaveMixChannelOpen(session, c.number, c.mode); }), c.message)
        << c.number << " / " << c.mode;
  }
  EXPECT_EQ(session->openChannels, 1);
  EXPECT_EQ(ErrorOf([] { WaveMixChannelOpen(nullptr, 0, ocAll); }), "Invalid Session handle");
}

TEST(ChannelOpenTest, CountOpensTheClosedOnesOnly) {
  SessionHarness harness;
  HMixSession session = harness.StartActive();
  WaveMixChannelClose(session, 0, fcAll);
  WaveMixChannelOpen(session, 1, ocSingle);
  harness.PlayWave(session, 1, harness.NewRamp(100000, 0));
  PlayNode* queued = session->channels[1];
  WaveMixChannelOpen(session, 3, ocCount);
  EXPECT_EQ(session->openChannels, 3);
  EXPECT_EQ(session->channels[0], nullptr);
  EXPECT_EQ(session->channels[1], queued);
  EXPECT_EQ(session->channels[2], nullptr);
  EXPECT_TRUE(IsClosed(session->channels[3]));
  WaveMixChannelOpen(session, 0, ocAll);
  EXPECT_EQ(session->openChannels, kChannelCount);
  EXPECT_EQ(session->channels[1], queued);
}

// ---- Play requests: checks ----------------------------------------------------------------------

TEST(PlayTest, EachCheckHasItsMessage) {
  SessionHarness harness;
  HMixSession session = WaveMixInit();
  LoadedWave* wave = harness.NewRamp(100, 0);
  auto play = [&](int32_t channel, LoadedWave* w, uint32_t flags = 0) {
    return ErrorOf([&] { harness.PlayWave(session, channel, w, flags); });
  };
  EXPECT_EQ(ErrorOf([] { WaveMixPlay(nullptr); }), "nil parameters pointer passed to WaveMixPlay");
  PlayRequest foreign;
  EXPECT_EQ(ErrorOf([&] { WaveMixPlay(&foreign); }), "Invalid Session handle");
  EXPECT_EQ(play(0, nullptr), "nil wave pointer passed to WaveMixPlay!");
  EXPECT_EQ(play(0, wave), "Wave device not allocated, call WaveMixActivate(hMixSession,TRUE)");
  WaveMixActivate(session, true);
  EXPECT_EQ(play(0, wave), "You must open a channel before you can play a wave");
  WaveMixChannelOpen(session, 0, ocSingle);
  EXPECT_EQ(play(8, wave), "Invalid channel number");
  EXPECT_EQ(play(-1, wave), "Invalid channel number");
  EXPECT_EQ(session->playCount, 0);  // refused before anything changes

  EXPECT_EQ(play(5, wave), "The specified channel was not open");
  EXPECT_EQ(session->playCount, 1);  // counted before the channel check
  EXPECT_EQ(session->lastUse[5], 1);
  EXPECT_EQ(FreeNodeCount(), kNodeCount);

  for (int i = 0; i < kNodeCount; ++i) ASSERT_EQ(play(0, wave, pfWait), "");
  EXPECT_EQ(play(0, wave), "Not enough memory");
  EXPECT_EQ(session->playCount, kNodeCount + 2);
  EXPECT_EQ(PendingCount(*session), kNodeCount);

  // Held requests go back to the pool when the session ends.
  WaveMixEndSession(session);
  EXPECT_EQ(FreeNodeCount(), kNodeCount);
}

// ---- Play requests: placement -------------------------------------------------------------------

TEST(PlayTest, SecondRequestQueuesBehindThePlayingWaveWithoutRemix) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  harness.PlayWave(session, 0, harness.NewRamp(3000, 0));
  ASSERT_EQ(session->mixPos, 4096);
  harness.PlayWave(session, 0, harness.NewRamp(1000, 50));
  harness.PlayWave(session, 0, harness.NewRamp(6000, 0));
  std::vector<PlayNode*> queue = Queue(*session, 0);
  ASSERT_EQ(queue.size(), 3u);
  EXPECT_EQ(queue[1]->startPos, 4096);  // the larger of mixPos and 2999
  EXPECT_EQ(queue[1]->endPos, 5095);
  EXPECT_EQ(queue[2]->startPos, 6144);  // the larger of mixPos and 5095
  platform::MemoryWaveOut& device = harness.Device();
  EXPECT_EQ(device.writes().size(), 3u);  // the third block only, written behind the first two
  EXPECT_EQ(std::vector<uint8_t>(device.received().begin() + 4096, device.received().end()),
            ReferenceBlock(*session, 4096, 2048));
}

TEST(PlayTest, IdleChannelStartsAtMixPosBehindQueuedAudio) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  harness.PlayWave(session, 0, harness.NewRamp(100000, 0));
  harness.Play(500);
  harness.PlayWave(session, 3, harness.NewRamp(100, 0));
  EXPECT_EQ(session->channels[3]->startPos, 6144);
  EXPECT_EQ(harness.Device().writes().size(), 3u);
}

TEST(PlayTest, ClearQueueRemixesWheneverBlocksAreAtTheDevice) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  harness.PlayWave(session, 0, harness.NewRamp(100000, 0));
  harness.PlayWave(session, 0, harness.NewRamp(100, 0));
  harness.Play(500);
  LoadedWave* replacement = harness.NewWave(std::vector<uint8_t>(3000, 30));
  harness.PlayWave(session, 0, replacement, pfClearQueue);
  ASSERT_EQ(Queue(*session, 0).size(), 1u);
  EXPECT_EQ(session->channels[0]->startPos, 6144);  // the old mixPos
  EXPECT_EQ(FreeNodeCount(), kNodeCount - 1);
  platform::MemoryWaveOut& device = harness.Device();
  ASSERT_EQ(device.writes().size(), 5u);  // re-mixed although the start equals mixPos: 2 blocks of it
  EXPECT_EQ(std::vector<uint8_t>(device.received().begin() + 6144, device.received().begin() + 8192),
            std::vector<uint8_t>(2048, 30));
}

TEST(PlayTest, ClearQueueWithNothingAtTheDeviceFillsDirectly) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  harness.PlayWave(session, 0, harness.NewRamp(100, 0), pfClearQueue);
  EXPECT_EQ(session->channels[0]->startPos, 0);
  EXPECT_EQ(harness.Device().writes().size(), 1u);
  EXPECT_FALSE(harness.Device().paused());
}

TEST(PlayTest, EndPositions) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  harness.PlayWave(session, 0, harness.NewRamp(5001, 0));
  harness.PlayWave(session, 0, harness.NewRamp(1000, 0), pfHighPriority, 2);
  EXPECT_EQ(Queue(*session, 0)[1]->startPos, 5000);
  EXPECT_EQ(Queue(*session, 0)[1]->endPos, 7999);

  harness.PlayWave(session, 1, harness.NewRamp(10, 0), 0, kLoopForever);
  harness.PlayWave(session, 1, harness.NewRamp(10, 0));
  EXPECT_EQ(Queue(*session, 1)[0]->endPos, kNever);
  EXPECT_EQ(Queue(*session, 1)[1]->startPos, kNever);  // never sounds
  EXPECT_EQ(Queue(*session, 1)[1]->endPos, kNever);

  // 65535 passes of 40000 bytes end beyond the largest position: never.
  harness.PlayWave(session, 2, harness.NewRamp(40000, 0), 0, 65534);
  EXPECT_EQ(Queue(*session, 2)[0]->endPos, kNever);
}

TEST(PlayTest, HeldRequestsArePlacedOldestFirstWithTheFourth) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  harness.PlayWave(session, 7, harness.NewRamp(100000, 0));
  harness.Play(700);
  std::vector<LoadedWave*> waves;
  for (int i = 0; i < 4; ++i) waves.push_back(harness.NewRamp(1000, static_cast<uint8_t>(i)));
  harness.PlayWave(session, 1, waves[0], pfWait);
  harness.PlayWave(session, 2, waves[1], pfWait | pfHighPriority);
  harness.PlayWave(session, 1, waves[2], pfWait);
  EXPECT_EQ(session->channels[1], nullptr);
  EXPECT_EQ(session->channels[2], nullptr);
  ASSERT_EQ(PendingCount(*session), 3);
  EXPECT_EQ(session->pending->wave, waves[2]);        // newest
  EXPECT_EQ(session->pending->next->wave, waves[0]);  // oldest

  harness.PlayWave(session, 3, waves[3]);
  EXPECT_EQ(session->pending, nullptr);
  std::vector<PlayNode*> one = Queue(*session, 1);
  ASSERT_EQ(one.size(), 2u);
  EXPECT_EQ(one[0]->wave, waves[0]);
  EXPECT_EQ(one[0]->startPos, 6144);
  EXPECT_EQ(one[1]->wave, waves[2]);
  EXPECT_EQ(one[1]->startPos, 6144 + 999);
  // The high-priority one starts at the play position, so the blocks are re-mixed from there.
  EXPECT_EQ(session->channels[2]->startPos, 700);
  EXPECT_EQ(session->channels[3]->startPos, 6144);
  EXPECT_EQ(harness.Device().writes().size(), 6u);
}

TEST(PlayTest, HeldRequestIsDroppedWhenItsChannelClosesOrItsWaveIsUnloaded) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  LoadedWave* kept = harness.NewRamp(100, 0);
  LoadedWave* unloaded = harness.NewRamp(100, 0);
  harness.PlayWave(session, 1, kept, pfWait);
  harness.PlayWave(session, 2, kept, pfWait);
  harness.PlayWave(session, 3, unloaded, pfWait);
  harness.PlayWave(session, 4, kept, pfWait);
  WaveMixChannelClose(session, 2, 0);
  harness.Unload(session, unloaded);
  EXPECT_EQ(PendingCount(*session), 2);
  EXPECT_EQ(FreeNodeCount(), kNodeCount - 2);

  WaveMixChannelOpen(session, 2, ocSingle);
  harness.PlayWave(session, 5, kept);
  EXPECT_NE(session->channels[1], nullptr);
  EXPECT_EQ(session->channels[2], nullptr);
  EXPECT_EQ(session->channels[3], nullptr);
  EXPECT_NE(session->channels[4], nullptr);
  EXPECT_NE(session->channels[5], nullptr);
  EXPECT_EQ(FreeNodeCount(), kNodeCount - 3);
}

// ---- Least used ---------------------------------------------------------------------------------

struct LeastUsedCase {
  const char* label;
  bool open[kChannelCount];
  bool busy[kChannelCount];
  int32_t lastUse[kChannelCount];
  int32_t chosen;
};

const LeastUsedCase kLeastUsedCases[] = {
    {"idle channel 0", {1, 1, 1, 1}, {0, 1, 1, 1}, {9, 4, 7, 4}, 0},
    {"all busy: oldest, lower number on a tie", {1, 1, 1, 1}, {1, 1, 1, 1}, {9, 4, 7, 4}, 1},
    {"idle candidate wins", {1, 1, 1, 1}, {1, 0, 1, 1}, {9, 4, 7, 2}, 1},
    {"idle but not older", {1, 1, 1, 1}, {1, 1, 0, 1}, {3, 4, 7, 5}, 0},
    {"closed channel 0 is never chosen", {0, 0, 1, 1}, {0, 0, 1, 1}, {0, 0, 5, 3}, 3},
    {"first open channel idle", {0, 0, 1, 1}, {0, 0, 0, 1}, {0, 0, 5, 3}, 2},
};

class LeastUsedTest : public testing::TestWithParam<LeastUsedCase> {};

TEST_P(LeastUsedTest, ChoosesAndWritesTheChannelBack) {
  const LeastUsedCase& c = GetParam();
  SessionHarness harness;
  HMixSession session = harness.StartActive();
  WaveMixChannelClose(session, 0, fcAll);
  for (int channel = 0; channel < kChannelCount; ++channel) {
    if (!c.open[channel]) continue;
    WaveMixChannelOpen(session, channel, ocSingle);
    if (c.busy[channel]) harness.PlayWave(session, channel, harness.NewRamp(100000, 0));
  }
  std::copy(std::begin(c.lastUse), std::end(c.lastUse), session->lastUse);
  session->playCount = 20;

  PlayRequest request;
  request.hMixSession = session;
  request.channel = 99;
  request.wave = harness.NewRamp(10, 0);
  request.flags = pfLeastUsed;
  WaveMixPlay(&request);
  EXPECT_EQ(request.channel, c.chosen);
  EXPECT_EQ(session->lastUse[c.chosen], 21);
  EXPECT_EQ(Queue(*session, c.chosen).back()->wave, request.wave);
  EXPECT_EQ(Queue(*session, c.chosen).back()->params.channel, c.chosen);
}

INSTANTIATE_TEST_SUITE_P(Table, LeastUsedTest, testing::ValuesIn(kLeastUsedCases),
                         [](const testing::TestParamInfo<LeastUsedCase>& info) {
                           std::string name = info.param.label;
                           for (char& ch : name) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

// ---- Flush, close, unload, end ------------------------------------------------------------------

TEST(FlushTest, ChecksAndSkips) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  harness.PlayWave(session, 0, harness.NewRamp(100000, 0));
  WaveMixChannelClose(session, 5, 0);
  EXPECT_EQ(ErrorOf([&] { WaveMixChannelFlush(session, 8, 0); }), "Invalid channel number");
  EXPECT_EQ(ErrorOf([&] { WaveMixChannelFlush(session, 5, 0); }), "The specified channel was not open");
  EXPECT_EQ(ErrorOf([&] { WaveMixChannelClose(session, -1, 0); }), "Invalid channel number");
  EXPECT_EQ(ErrorOf([&] { WaveMixChannelClose(session, 5, 0); }), "The specified channel was not open");

  // Nothing queued on the flushed channels: no re-mix, the device keeps its blocks.
  WaveMixChannelFlush(session, 3, 0);
  EXPECT_EQ(harness.Device().writes().size(), 3u);
  EXPECT_EQ(harness.Device().queuedBlocks(), 3u);

  WaveMixChannelFlush(session, 99, fcAll | fcNoRemix);
  EXPECT_EQ(session->channels[0], nullptr);
  EXPECT_EQ(FreeNodeCount(), kNodeCount);
  EXPECT_EQ(harness.Device().queuedBlocks(), 3u);

  WaveMixChannelClose(session, 99, fcAll);
  EXPECT_EQ(session->openChannels, 0);
  for (MixerChannel head : session->channels) EXPECT_TRUE(IsClosed(head));
  EXPECT_EQ(ErrorOf([&] { harness.PlayWave(session, 0, harness.NewRamp(10, 0)); }),
            "You must open a channel before you can play a wave");
}

TEST(UnloadTest, RemovesTheWaveFromEveryQueueAndKeepsTheRest) {
  SessionHarness harness;
  HMixSession session = harness.StartActive(kDevicePosition);
  LoadedWave* gone = harness.NewRamp(1000, 0);
  LoadedWave* other = harness.NewRamp(1000, 0);
  harness.PlayWave(session, 0, other);
  harness.PlayWave(session, 0, gone);
  harness.PlayWave(session, 0, other);
  harness.PlayWave(session, 4, gone);
  harness.PlayWave(session, 4, other);
  std::vector<PlayNode*> zero = Queue(*session, 0);
  std::vector<PlayNode*> four = Queue(*session, 4);
  std::vector<int32_t> starts = {zero[0]->startPos, zero[2]->startPos, four[1]->startPos};
  std::size_t writes = harness.Device().writes().size();

  EXPECT_EQ(ErrorOf([&] { WaveMixUnloadWave(session, nullptr); }), "The given pointer was not valid");
  harness.Unload(session, gone);
  EXPECT_EQ(Queue(*session, 0), (std::vector<PlayNode*>{zero[0], zero[2]}));
  EXPECT_EQ(Queue(*session, 4), (std::vector<PlayNode*>{four[1]}));
  EXPECT_EQ((std::vector<int32_t>{zero[0]->startPos, zero[2]->startPos, four[1]->startPos}), starts);
  EXPECT_EQ(FreeNodeCount(), kNodeCount - 3);
  EXPECT_EQ(harness.Device().writes().size(), writes);  // no re-mix
}

TEST(EndSessionTest, ReleasesDeviceChannelsAndEveryNode) {
  SessionHarness harness;
  HMixSession session = harness.StartActive();
  LoadedWave* wave = harness.NewRamp(100000, 0);
  harness.PlayWave(session, 0, wave);
  harness.PlayWave(session, 1, wave, pfWait);
  WaveMixEndSession(session);
  EXPECT_EQ(engine.currentSession, nullptr);
  EXPECT_EQ(engine.deviceOwner, nullptr);
  EXPECT_EQ(harness.backend.openDevice(), nullptr);
  EXPECT_EQ(harness.backend.untidyCloses(), 0);
  EXPECT_EQ(FreeNodeCount(), kNodeCount);
  EXPECT_EQ(harness.windows.windowCount(), 1u);
  // The wave is still the caller's and a new session starts cleanly.
  HMixSession next = harness.StartActive();
  harness.PlayWave(next, 0, wave);
  EXPECT_NE(next->channels[0], nullptr);
}

}  // namespace
