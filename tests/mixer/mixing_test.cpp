// Block mixing: filling blocks from the channel queues, MixSources, the block pool and the
// playing queue. The engine state is set up directly: a session on the heap made current and
// owner of the device, six blocks, and play nodes built by the test.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine.h"
#include "support/reference_mix.h"

namespace {

uint8_t Mixed(std::initializer_list<int> bytes) {
  int sum = 128;
  for (int byte : bytes) sum += byte - 128;
  return static_cast<uint8_t>(std::clamp(sum, 0, 255));
}

// Records the blocks written to it; refuses them with writeResult when that is not 0.
class RecordingWaveOut final : public platform::WaveOut {
 public:
  platform::WaveResult prepareHeader(platform::WaveHeader&) override { return platform::WAVE_OK; }
  platform::WaveResult unprepareHeader(platform::WaveHeader&) override { return platform::WAVE_OK; }
  platform::WaveResult write(platform::WaveHeader& header) override {
    if (writeResult != platform::WAVE_OK) return writeResult;
    written.push_back(&header);
    return platform::WAVE_OK;
  }
  platform::WaveResult reset() override { return platform::WAVE_OK; }
  platform::WaveResult pause() override { return platform::WAVE_OK; }
  platform::WaveResult restart() override { return platform::WAVE_OK; }
  platform::WaveResult positionBytes(uint32_t& bytes) override {
    bytes = 0;
    return platform::WAVE_OK;
  }

  std::vector<const platform::WaveHeader*> written;
  platform::WaveResult writeResult = platform::WAVE_OK;
};

class MixingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session_ = std::make_unique<MixerSession>();
    session_->magic = session_->magicEnd = kSessionMagic;
    for (auto& channel : session_->channels) channel = kClosedChannel;
    session_->format = {platform::WAVE_FORMAT_PCM, 1, 11025, 11025, 1, 8};
    session_->blockLen = 2048;
    session_->blockCount = 3;
    auto device = std::make_unique<RecordingWaveOut>();
    device_ = device.get();
    session_->waveOut = std::move(device);
    for (int i = 0; i < kBlockCount; ++i) {
      blocks_[i] = std::make_unique<MixBlock>();
      engine.blocks[i] = blocks_[i].get();
    }
    engine.currentSession = session_.get();
    engine.deviceOwner = session_.get();
    engine.playingHead = engine.playingTail = nullptr;
    engine.platform.alarm = [this] { ++alarms_; };
  }

  void TearDown() override {
    engine.currentSession = nullptr;
    engine.deviceOwner = nullptr;
    std::fill(std::begin(engine.blocks), std::end(engine.blocks), nullptr);
    engine.playingHead = engine.playingTail = nullptr;
    engine.platform = {};
  }

  const std::vector<uint8_t>& Wave(std::vector<uint8_t> bytes) {
    return waves_.emplace_back(std::move(bytes));
  }

  // Appends a node for `wave` to the channel's queue, opening the channel if it is closed.
  PlayNode& Queue(int channel, const std::vector<uint8_t>& wave, int32_t startPos, uint16_t loops) {
    PlayNode& node = nodes_.emplace_back();
    node.params.channel = channel;
    node.params.loops = loops;
    node.length = static_cast<int32_t>(wave.size());
    node.startPos = startPos;
    const int64_t end = int64_t{startPos} + (int64_t{loops} + 1) * node.length - 1;
    node.endPos = loops == kLoopForever ? kNever : static_cast<int32_t>(std::min<int64_t>(end, kNever));
    node.samples = wave.data();
    MixerChannel& head = session_->channels[channel];
    if (IsClosed(head)) head = nullptr;
    if (!head) {
      head = &node;
    } else {
      PlayNode* tail = head;
      while (tail->next) tail = tail->next;
      tail->next = &node;
    }
    return node;
  }

  std::vector<uint8_t> Bytes(const MixBlock& block) const {
    return {block.samples, block.samples + session_->blockLen};
  }

  std::unique_ptr<MixerSession> session_;
  RecordingWaveOut* device_ = nullptr;
  std::unique_ptr<MixBlock> blocks_[kBlockCount];
  std::deque<PlayNode> nodes_;
  std::deque<std::vector<uint8_t>> waves_;
  int alarms_ = 0;
};

std::vector<uint8_t> Pattern(int length, int multiplier, int offset) {
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  for (int i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(i * multiplier + offset);
  return bytes;
}

// ---- FillBlock ----------------------------------------------------------------------------------

TEST_F(MixingTest, WorkedExampleByteForByte) {
  const auto& a = Wave(Pattern(3000, 7, 3));
  const auto& b = Wave(Pattern(1000, 13, 101));
  Queue(0, a, 0, 0);
  Queue(1, b, 500, 1);
  ASSERT_EQ(nodes_[0].endPos, 2999);
  ASSERT_EQ(nodes_[1].endPos, 2499);

  std::vector<uint8_t> expected(4096);
  for (int p = 0; p < 4096; ++p) {
    if (p < 500) {
      expected[p] = a[p];
    } else if (p < 1500) {
      expected[p] = Mixed({a[p], b[p - 500]});
    } else if (p < 2499) {
      expected[p] = Mixed({a[p], b[p - 1500]});
    } else if (p < 2999) {
      expected[p] = a[p];
    } else {
      expected[p] = 128;
    }
  }

  MixBlock& first = *engine.blocks[0];
  MixBlock& second = *engine.blocks[1];
  ASSERT_TRUE(FillBlock(&first, false));
  EXPECT_EQ(first.startPos, 0);
  EXPECT_EQ(session_->mixPos, 2048);
  ASSERT_TRUE(FillBlock(&second, false));
  EXPECT_EQ(second.startPos, 2048);
  EXPECT_EQ(session_->mixPos, 4096);
  EXPECT_EQ(Bytes(first), std::vector<uint8_t>(expected.begin(), expected.begin() + 2048));
  EXPECT_EQ(Bytes(second), std::vector<uint8_t>(expected.begin() + 2048, expected.end()));

  EXPECT_FALSE(FillBlock(engine.blocks[2], false));
  EXPECT_EQ(session_->mixPos, 4096);
}

TEST_F(MixingTest, NullBlockIsNotFilled) {
  Queue(0, Wave(Pattern(100, 1, 0)), 0, 0);
  EXPECT_FALSE(FillBlock(nullptr, true));
  EXPECT_EQ(session_->mixPos, 0);
}

TEST_F(MixingTest, NothingToPlayReleasesTheBlockWhenWriting) {
  struct Case {
    const char* name;
    bool openChannel;
    int32_t nodeEnd;  // -1: no node
  };
  const Case cases[] = {
      {"every channel closed", false, -1},
      {"open channel with nothing queued", true, -1},
      {"node ending at mixPos", true, 5000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    session_->mixPos = 5000;
    if (c.openChannel) session_->channels[3] = nullptr;
    if (c.nodeEnd >= 0) {
      PlayNode& node = Queue(3, Wave(Pattern(3001, 1, 0)), 2000, 0);
      ASSERT_EQ(node.endPos, c.nodeEnd);
    }
    MixBlock* block = TakeBlock();
    ASSERT_NE(block, nullptr);
    EXPECT_FALSE(FillBlock(block, true));
    EXPECT_EQ(block->isFree, 1);
    EXPECT_EQ(engine.playingHead, nullptr);
    EXPECT_TRUE(device_->written.empty());
    EXPECT_EQ(session_->mixPos, 5000);
  }
}

TEST_F(MixingTest, NodeStartingAfterTheBlockGivesSilence) {
  Queue(2, Wave(Pattern(500, 3, 1)), 2048 + 100, 0);
  MixBlock& block = *engine.blocks[0];
  ASSERT_TRUE(FillBlock(&block, false));
  EXPECT_EQ(Bytes(block), std::vector<uint8_t>(2048, 128));
  EXPECT_EQ(session_->mixPos, 2048);
}

TEST_F(MixingTest, SingleByteNodeWithoutLoopsNeverSounds) {
  // Its end equals its start, so the node queued right behind it takes over at that position.
  Queue(0, Wave({7}), 100, 0);
  const auto& behind = Wave(Pattern(50, 5, 9));
  Queue(0, behind, 100, 0);
  MixBlock& block = *engine.blocks[0];
  ASSERT_TRUE(FillBlock(&block, false));
  std::vector<uint8_t> expected(2048, 128);
  std::copy(behind.begin(), behind.end() - 1, expected.begin() + 100);
  EXPECT_EQ(Bytes(block), expected);
}

TEST_F(MixingTest, SingleByteNodeAtMixPosIsFinished) {
  Queue(0, Wave({7}), 0, 0);
  EXPECT_FALSE(FillBlock(engine.blocks[0], false));
}

TEST_F(MixingTest, EndlessNodeRepeatsWithoutGap) {
  const auto& wave = Wave(Pattern(301, 11, 5));
  Queue(5, wave, 10, kLoopForever);
  session_->blockLen = 1000;
  for (int block = 0; block < 5; ++block) {
    MixBlock& out = *engine.blocks[0];
    ASSERT_TRUE(FillBlock(&out, false));
    for (int i = 0; i < 1000; ++i) {
      const int p = out.startPos + i;
      ASSERT_EQ(out.samples[i], p < 10 ? 128 : wave[(p - 10) % 301]) << "position " << p;
    }
  }
}

TEST_F(MixingTest, NodePlayedOnceReadsOnlyItsWaveWhateverItsEnd) {
  // An end moved past one pass (as a deferred node's end clamped to never) repeats the wave as the
  // byte-by-byte definition says, instead of reading past it.
  PlayNode& node = Queue(1, Wave(Pattern(300, 3, 7)), 40, 0);
  node.endPos = kNever;
  MixBlock& block = *engine.blocks[0];
  ASSERT_TRUE(FillBlock(&block, false));
  EXPECT_EQ(Bytes(block), ReferenceBlock(*session_, 0, 2048));
}

TEST_F(MixingTest, ClippingAtBothEnds) {
  Queue(0, Wave(std::vector<uint8_t>(10, 255)), 0, 0);
  Queue(1, Wave(std::vector<uint8_t>(10, 255)), 0, 0);
  Queue(2, Wave(std::vector<uint8_t>(20, 0)), 10, 0);
  Queue(3, Wave(std::vector<uint8_t>(20, 0)), 10, 0);
  MixBlock& block = *engine.blocks[0];
  ASSERT_TRUE(FillBlock(&block, false));
  std::vector<uint8_t> expected(2048, 128);
  std::fill_n(expected.begin(), 9, 255);
  std::fill_n(expected.begin() + 10, 19, 0);
  EXPECT_EQ(Bytes(block), expected);
}

// ---- Writing ----------------------------------------------------------------------------------

TEST_F(MixingTest, WrittenBlockJoinsThePlayingQueueAndReachesTheDevice) {
  Queue(0, Wave(Pattern(5000, 1, 0)), 0, 0);
  MixBlock* first = TakeBlock();
  MixBlock* second = TakeBlock();
  ASSERT_TRUE(FillBlock(first, true));
  ASSERT_TRUE(FillBlock(second, true));
  EXPECT_EQ(engine.playingHead, first);
  EXPECT_EQ(first->nextPlaying, second);
  EXPECT_EQ(engine.playingTail, second);
  EXPECT_EQ(device_->written, (std::vector<const platform::WaveHeader*>{&first->header, &second->header}));
  EXPECT_EQ(first->header.lpData, first->samples);
  EXPECT_EQ(first->header.dwBufferLength, 2048u);
}

TEST_F(MixingTest, RefusedWriteReleasesTheBlockAndKeepsTheAdvance) {
  Queue(0, Wave(Pattern(5000, 1, 0)), 0, 0);
  device_->writeResult = 5;
  MixBlock* block = TakeBlock();
  try {
    FillBlock(block, true);
    FAIL() << "expected EWaveMixError";
  } catch (const EWaveMixError& error) {
    EXPECT_STREQ(error.what(), "Failed to write block to device");
  }
  EXPECT_EQ(block->isFree, 1);
  EXPECT_EQ(block->nextPlaying, nullptr);
  EXPECT_EQ(engine.playingHead, nullptr);
  EXPECT_EQ(engine.playingTail, nullptr);
  EXPECT_EQ(session_->mixPos, 2048);
}

// ---- MixSources -------------------------------------------------------------------------------

TEST(MixSourcesTest, SumsAroundSilenceAndClipsOnce) {
  struct Case {
    std::vector<uint8_t> sources;
    uint8_t expected;
  };
  const Case cases[] = {
      {{0}, 0},
      {{17}, 17},
      {{255}, 255},
      {{255, 255}, 255},
      {{0, 0}, 0},
      {{200, 100}, 172},
      {{128, 128}, 128},
      // Clipping after each addition would give 127 for both.
      {{255, 255, 0}, 254},
      {{0, 0, 255}, 0},
      {{255, 255, 255, 255, 255, 255, 255, 255}, 255},
      {{0, 0, 0, 0, 0, 0, 0, 0}, 0},
      {{130, 130, 130, 130, 130, 130, 130, 130}, 144},
  };
  for (const Case& c : cases) {
    const int count = static_cast<int>(c.sources.size());
    SCOPED_TRACE(testing::PrintToString(c.sources));
    // Long enough for whole vector chunks and a tail.
    constexpr int kLength = 100;
    std::vector<std::vector<uint8_t>> sources;
    std::vector<const uint8_t*> pointers;
    for (uint8_t byte : c.sources) sources.emplace_back(kLength, byte);
    for (const auto& source : sources) pointers.push_back(source.data());
    std::vector<uint8_t> out(kLength, 99);
    MixSources(out.data(), pointers.data(), count, kLength);
    EXPECT_EQ(out, std::vector<uint8_t>(kLength, c.expected));
  }
}

TEST(MixSourcesTest, MatchesTheFormulaForEveryCountAndLength) {
  std::mt19937 random(7);
  std::vector<std::vector<uint8_t>> sources(kChannelCount, std::vector<uint8_t>(320));
  for (auto& source : sources) {
    for (auto& byte : source) byte = static_cast<uint8_t>(random());
  }
  for (int count = 1; count <= kChannelCount; ++count) {
    for (int length : {0, 1, 15, 31, 32, 33, 63, 64, 65, 200, 299}) {
      SCOPED_TRACE(testing::Message() << count << " sources, " << length << " bytes");
      // Unaligned starts, so that no chunk lines up with the vectors.
      std::vector<const uint8_t*> pointers;
      for (int s = 0; s < count; ++s) pointers.push_back(sources[s].data() + s);
      std::vector<uint8_t> expected(static_cast<size_t>(length));
      for (int i = 0; i < length; ++i) {
        int sum = 128;
        for (int s = 0; s < count; ++s) sum += pointers[s][i] - 128;
        expected[i] = static_cast<uint8_t>(std::clamp(sum, 0, 255));
      }
      std::vector<uint8_t> out(static_cast<size_t>(length) + 1, 42);
      MixSources(out.data() + 1, pointers.data(), count, length);
      EXPECT_EQ(out[0], 42);
      EXPECT_EQ(std::vector<uint8_t>(out.begin() + 1, out.end()), expected);
    }
  }
}

// ---- Block pool and playing queue ------------------------------------------------------------

TEST_F(MixingTest, TakeBlockTakesTheFirstFreeOfTheBlocksInUse) {
  engine.blocks[1]->isFree = 0;
  MixerSession other;
  engine.deviceOwner = &other;
  session_->blockLen = 1001;

  MixBlock* block = TakeBlock();
  ASSERT_EQ(block, engine.blocks[0]);
  EXPECT_EQ(block->isFree, 0);
  EXPECT_EQ(block->header.dwBufferLength, 1001u);
  EXPECT_EQ(block->header.lpData, block->samples);
  EXPECT_EQ(block->owner, &other);

  EXPECT_EQ(TakeBlock(), engine.blocks[2]);
  // Only the first blockCount (3) of the six blocks are ever taken.
  EXPECT_EQ(TakeBlock(), nullptr);
  ReleaseBlock(engine.blocks[1]);
  EXPECT_EQ(TakeBlock(), engine.blocks[1]);
}

TEST_F(MixingTest, DequeueUnlinksFromAnywhere) {
  MixBlock* a = engine.blocks[0];
  MixBlock* b = engine.blocks[1];
  MixBlock* c = engine.blocks[2];
  MixBlock* d = engine.blocks[3];
  EXPECT_EQ(DequeueBlock(a), nullptr);  // empty queue

  EnqueueBlock(a);
  EnqueueBlock(b);
  EnqueueBlock(c);
  EXPECT_EQ(DequeueBlock(d), nullptr);  // not in the queue
  EXPECT_EQ(DequeueBlock(b), b);
  EXPECT_EQ(a->nextPlaying, c);
  EXPECT_EQ(b->nextPlaying, nullptr);

  // Removing the tail that is not the head leaves its predecessor as the tail.
  EXPECT_EQ(DequeueBlock(c), c);
  EXPECT_EQ(engine.playingTail, a);
  EnqueueBlock(d);
  EXPECT_EQ(a->nextPlaying, d);
  EXPECT_EQ(engine.playingTail, d);

  EXPECT_EQ(DequeueBlock(a), a);
  EXPECT_EQ(engine.playingHead, d);
  EXPECT_EQ(DequeueBlock(d), d);
  EXPECT_EQ(engine.playingHead, nullptr);
  EXPECT_EQ(engine.playingTail, nullptr);
  EXPECT_EQ(alarms_, 0);
}

TEST_F(MixingTest, DequeueAllReleasesEveryQueuedBlock) {
  for (int i = 0; i < 3; ++i) EnqueueBlock(TakeBlock());
  DequeueAllBlocks();
  EXPECT_EQ(engine.playingHead, nullptr);
  EXPECT_EQ(engine.playingTail, nullptr);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(engine.blocks[i]->isFree, 1);
    EXPECT_EQ(engine.blocks[i]->nextPlaying, nullptr);
  }
}

TEST_F(MixingTest, AppendingAQueuedBlockSoundsTheAlarmAndLeavesTheQueueAsItWas) {
  MixBlock* a = engine.blocks[0];
  MixBlock* b = engine.blocks[1];
  EnqueueBlock(a);
  EnqueueBlock(b);
  EnqueueBlock(b);  // already the tail
  EXPECT_EQ(alarms_, 1);
  EnqueueBlock(a);  // already the head
  EXPECT_EQ(alarms_, 2);
  EXPECT_EQ(engine.playingHead, a);
  EXPECT_EQ(a->nextPlaying, b);
  EXPECT_EQ(b->nextPlaying, nullptr);
  EXPECT_EQ(engine.playingTail, b);
}

TEST_F(MixingTest, AlarmWithoutAHandlerWritesALine) {
  engine.platform.alarm = nullptr;
  EnqueueBlock(engine.blocks[0]);
  testing::internal::CaptureStderr();
  EnqueueBlock(engine.blocks[0]);
  EXPECT_NE(testing::internal::GetCapturedStderr(), "");
}

// ---- Against the byte-by-byte definition -----------------------------------------------------

TEST_F(MixingTest, RandomQueuesMixAsTheByteByByteDefinition) {
  std::mt19937 random(20240611);
  auto uniform = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  auto randomWave = [&](int length) {
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    const int style = uniform(0, 2);
    for (auto& byte : bytes) {
      // Loud waves push the sums to the clipping limits.
      byte = static_cast<uint8_t>(style == 0   ? uniform(0, 255)
                                  : style == 1 ? uniform(200, 255)
                                               : uniform(0, 40));
    }
    return bytes;
  };

  int64_t bytesCompared = 0;
  for (int scenario = 0; scenario < 300; ++scenario) {
    SCOPED_TRACE(testing::Message() << "scenario " << scenario);
    TearDown();
    SetUp();
    session_->blockLen = uniform(0, 3) == 0 ? uniform(512, 4096) : 512 * uniform(1, 8);
    session_->mixPos = uniform(0, 3) == 0 ? 0 : uniform(0, 20000);
    for (int channel = 0; channel < kChannelCount; ++channel) {
      if (uniform(0, 4) == 0) continue;
      session_->channels[channel] = nullptr;
      int32_t position = uniform(0, 25000);
      for (int n = uniform(0, 4); n > 0; --n) {
        static constexpr int kLengths[] = {1, 2, 3, 31, 33, 0, 0, 0};
        int length = kLengths[uniform(0, 7)];
        if (length == 0) length = uniform(0, 1) ? uniform(1, 3000) : uniform(1, 9000);
        static constexpr int kLoops[] = {0, 0, 1, 2, -1, kLoopForever};
        int loops = kLoops[uniform(0, 5)];
        if (loops < 0) loops = uniform(0, 6);
        const PlayNode& node =
            Queue(channel, Wave(randomWave(length)), position, static_cast<uint16_t>(loops));
        if (node.endPos == kNever) break;
        // Seamlessly behind, after a gap, or anywhere (high-priority placement).
        switch (uniform(0, 2)) {
          case 0:
            position = node.endPos;
            break;
          case 1:
            position = node.endPos + uniform(1, 3000);
            break;
          default:
            position = uniform(0, 30000);
            break;
        }
      }
    }

    bool filled = true;
    for (int b = 0; b < 16 && filled; ++b) {
      MixBlock& block = *engine.blocks[b % kBlockCount];
      const int32_t before = session_->mixPos;
      filled = FillBlock(&block, false);
      if (filled) {
        ASSERT_EQ(block.startPos, before);
        ASSERT_EQ(Bytes(block), ReferenceBlock(*session_, before, session_->blockLen)) << "block " << b;
        bytesCompared += session_->blockLen;
      } else {
        ASSERT_EQ(session_->mixPos, before);
        // Nothing is left to sound from here on.
        for (MixerChannel head : session_->channels) {
          if (IsClosed(head)) continue;
          for (const PlayNode* node = head; node; node = node->next) ASSERT_LE(node->endPos, before);
        }
      }
    }
  }
  EXPECT_GT(bytesCompared, 1000000);
}

}  // namespace
