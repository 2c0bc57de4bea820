// Thousands of random mixer operations, with the engine's bookkeeping and every byte the device
// receives checked after each one.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine.h"
#include "support/reference_mix.h"
#include "support/session_harness.h"

namespace {

constexpr int kSteps = 3000;
constexpr int kWaves = 6;

class SequenceRun {
 public:
  explicit SequenceRun(uint32_t seed) : random_(seed) {
    harness_.backend.onWrite = [this](const platform::WaveHeader& header) { CheckWrite(header); };
    for (int i = 0; i < kWaves; ++i) waves_.push_back(NewWave());
  }

  void Run() {
    StartSession();
    for (int step = 0; step < kSteps; ++step) {
      std::string operation = Step();
      log_.push_back(operation);
      if (log_.size() > 12) log_.pop_front();
      std::string fault = CheckState();
      if (fault.empty() && !writeFault_.empty()) fault = writeFault_;
      if (!fault.empty()) {
        std::ostringstream recent;
        for (const std::string& entry : log_) recent << "\n  " << entry;
        FAIL() << "step " << step << ": " << fault << "\nlast operations:" << recent.str();
      }
    }
    EXPECT_EQ(harness_.alarms, 0);
    EXPECT_GT(writesChecked_, 100);
  }

 private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  bool Chance(int percent) { return Pick(100) < percent; }

  LoadedWave* NewWave() {
    int32_t length = Chance(20) ? 1 + Pick(8) : 1 + Pick(6000);
    std::vector<uint8_t> samples(static_cast<std::size_t>(length));
    int style = Pick(3);
    for (uint8_t& sample : samples) {
      // Loud waves make the sums clip; quiet ones stay near silence.
      sample = style == 0   ? static_cast<uint8_t>(Pick(256))
               : style == 1 ? (Chance(50) ? 255 : 0)
                            : static_cast<uint8_t>(120 + Pick(16));
    }
    return harness_.NewWave(std::move(samples));
  }

  void StartSession() {
    std::ostringstream settings;
    settings << "[default]\nGoodWavePos=" << Pick(2) << "\nRemix=" << 1 + Pick(2)
             << "\nWaveBlocks=" << 2 + Pick(5) << "\nWaveBlockLen=" << (Chance(50) ? 512 + Pick(3585) : 0)
             << "\nSamplesPerSec="
             << (Chance(50)   ? 11
                 : Chance(50) ? 22
                              : 44)
             << "\n";
    harness_.WriteSettings(settings.str());
    MixerConfig config{10, cfChannels, static_cast<uint16_t>(1 + Pick(2)), 0};
    session_ = WaveMixInitWithConfig(&config);
    WaveMixChannelOpen(session_, 1 + Pick(kChannelCount), ocCount);
    WaveMixActivate(session_, true);
  }

  // One random operation; its failures are the mixer's to report, as long as they are its own.
  std::string Step() {
    std::ostringstream text;
    try {
      int kind = Pick(100);
      if (kind < 35) {
        PlayRequest request;
        request.hMixSession = Chance(2) ? nullptr : session_;
        request.channel = Chance(3) ? Pick(12) - 2 : Pick(kChannelCount);
        request.wave = Chance(1) ? nullptr : waves_[static_cast<std::size_t>(Pick(kWaves))];
        request.flags = static_cast<uint32_t>(Pick(16));
        if (Chance(30)) request.flags &= ~pfWait;
        const uint16_t loops[] = {0, 0, 0, 1, 2, 5, kLoopForever};
        request.loops = loops[Pick(7)];
        request.notifyWnd = Chance(50) ? harness_.notifyWindow() : 0;
        text << "play channel " << request.channel << " flags " << request.flags << " loops "
             << request.loops;
        WaveMixPlay(&request);
      } else if (kind < 55) {
        std::size_t bytes = static_cast<std::size_t>(Pick(3 * 4096));
        text << "play time " << bytes;
        harness_.clock.advance(static_cast<uint32_t>(Pick(300)));
        if (harness_.backend.openDevice() != nullptr) {
          if (Chance(50)) {
            harness_.Play(bytes);
          } else {
            harness_.Device().advance(bytes);
          }
        }
      } else if (kind < 65) {
        text << "deliver";
        if (Chance(50)) {
          harness_.windows.deliverOne();
        } else {
          harness_.windows.deliverAll();
        }
      } else if (kind < 73) {
        int32_t channel = Chance(5) ? 9 : Pick(kChannelCount);
        uint32_t flags = static_cast<uint32_t>(Pick(4));
        text << "flush " << channel << " flags " << flags;
        WaveMixChannelFlush(session_, channel, flags);
      } else if (kind < 78) {
        // Often the channel of a held request, which must then be dropped.
        int32_t channel = session_->pending != nullptr && Chance(50) ? session_->pending->params.channel
                                                                     : Pick(kChannelCount);
        uint32_t flags = Chance(20) ? fcAll : 0;
        text << "close " << channel << " flags " << flags;
        WaveMixChannelClose(session_, channel, flags);
      } else if (kind < 86) {
        int32_t mode = Pick(5) - 1;
        int32_t number = Pick(10) - 1;
        text << "open " << number << " mode " << mode;
        WaveMixChannelOpen(session_, number, mode);
      } else if (kind < 90) {
        // Often the wave of a held request, which must then be dropped.
        std::size_t index = static_cast<std::size_t>(Pick(kWaves));
        if (session_->pending != nullptr && Chance(50)) {
          auto held = std::find(waves_.begin(), waves_.end(), session_->pending->wave);
          if (held != waves_.end()) index = static_cast<std::size_t>(held - waves_.begin());
        }
        text << "unload wave " << index;
        LoadedWave* wave = waves_[index];
        waves_[index] = NewWave();
        harness_.Unload(session_, wave);
      } else if (kind < 95) {
        bool activate = Chance(60);
        text << (activate ? "activate" : "deactivate");
        WaveMixActivate(session_, activate);
      } else if (kind < 97) {
        text << "refuse one write";
        harness_.backend.devices[0].writeError = platform::WAVE_ERR_NOMEM;
        harness_.windows.deliverAll();
        if (harness_.backend.openDevice() != nullptr) harness_.Play(4096);
        harness_.backend.devices[0].writeError = platform::WAVE_OK;
      } else {
        text << "restart session";
        WaveMixEndSession(session_);
        StartSession();
      }
    } catch (const EWaveMixError& error) {
      harness_.backend.devices[0].writeError = platform::WAVE_OK;
      text << " -> " << error.what();
    }
    return text.str();
  }

  // Called by the device as it accepts a block: the block must hold the byte-by-byte mix of the
  // queues as they stand, at the stream positions it was filled for.
  void CheckWrite(const platform::WaveHeader& header) {
    const MixBlock* block = nullptr;
    for (const MixBlock* candidate : engine.blocks) {
      if (candidate != nullptr && &candidate->header == &header) block = candidate;
    }
    if (block == nullptr) {
      writeFault_ = "the device was given a header that is not a block";
      return;
    }
    const MixerSession& session = *engine.currentSession;
    std::vector<uint8_t> expected =
        ReferenceBlock(session, block->startPos, static_cast<int32_t>(header.dwBufferLength));
    std::vector<uint8_t> actual(header.lpData, header.lpData + header.dwBufferLength);
    if (actual != expected && writeFault_.empty()) {
      auto mismatch = std::mismatch(actual.begin(), actual.end(), expected.begin());
      writeFault_ = "block at " + std::to_string(block->startPos) + " differs from the reference at byte " +
                    std::to_string(mismatch.first - actual.begin());
    }
    // A block written behind others still at the device follows the last one written without gap
    // or overlap, unless the device was reset or refused a block meanwhile.
    const platform::MemoryWaveOut& device = *harness_.backend.openDevice();
    Stream stream{harness_.backend.opens(), device.resets(), device.refusedWrites()};
    bool behindOthers = engine.playingHead != block;
    if (behindOthers && stream == lastStream_ && block->startPos != lastEnd_ && writeFault_.empty()) {
      writeFault_ = "block at " + std::to_string(block->startPos) + " does not follow the block ending at " +
                    std::to_string(lastEnd_);
    }
    lastStream_ = stream;
    lastEnd_ = block->startPos + static_cast<int32_t>(header.dwBufferLength);
    ++writesChecked_;
  }

  // Walks a singly linked list of nodes, marking each in `seen`; reports a node met twice.
  static std::string Account(PlayNode* first, std::vector<int>& seen, const char* where) {
    for (PlayNode* node = first; node != nullptr; node = node->next) {
      std::ptrdiff_t index = node - engine.nodePool;
      if (index < 0 || index >= kNodeCount) return std::string("a foreign node in ") + where;
      if (seen[static_cast<std::size_t>(index)]++ != 0) return std::string("node met twice in ") + where;
    }
    return "";
  }

  // The pending ring runs from the oldest (pending->next) round to the newest (pending).
  static std::string AccountRing(PlayNode* newest, std::vector<int>& seen) {
    if (newest == nullptr) return "";
    PlayNode* node = newest->next;
    for (int steps = 0; steps <= kNodeCount; ++steps) {
      if (node == nullptr) return "the pending ring is broken";
      std::ptrdiff_t index = node - engine.nodePool;
      if (index < 0 || index >= kNodeCount) return "a foreign node in the pending ring";
      if (seen[static_cast<std::size_t>(index)]++ != 0) return "node met twice in the pending ring";
      if (node == newest) return "";
      node = node->next;
    }
    return "the pending ring does not close";
  }

  std::string CheckState() {
    std::vector<int> seen(kNodeCount, 0);
    std::string fault = Account(engine.freeNodes, seen, "the free pool");
    const MixerSession* session = engine.currentSession;
    if (fault.empty() && session != nullptr) {
      int open = 0;
      for (int channel = 0; channel < kChannelCount && fault.empty(); ++channel) {
        if (IsClosed(session->channels[channel])) continue;
        ++open;
        fault = Account(session->channels[channel], seen, "a channel queue");
        for (PlayNode* node = session->channels[channel]; fault.empty() && node != nullptr;
             node = node->next) {
          if (node->params.channel != channel) fault = "a node on a channel other than its own";
        }
      }
      if (fault.empty() && open != session->openChannels)
        fault = "openChannels does not count the open channels";
      if (fault.empty()) fault = AccountRing(session->pending, seen);
    }
    if (fault.empty() && std::count(seen.begin(), seen.end(), 1) != kNodeCount) {
      fault = "only " + std::to_string(std::count(seen.begin(), seen.end(), 1)) +
              " of the nodes are accounted for";
    }
    if (fault.empty()) fault = CheckPlayingQueue();
    return fault;
  }

  static std::string CheckPlayingQueue() {
    std::vector<const MixBlock*> queued;
    const MixBlock* last = nullptr;
    for (const MixBlock* block = engine.playingHead; block != nullptr; block = block->nextPlaying) {
      if (std::find(queued.begin(), queued.end(), block) != queued.end())
        return "a block stands twice in the playing queue";
      if (block->isFree != 0) return "a free block stands in the playing queue";
      queued.push_back(block);
      last = block;
    }
    if (engine.playingTail != last) return "the playing queue's tail is not its last block";
    return "";
  }

  SessionHarness harness_;
  std::mt19937 random_;
  std::vector<LoadedWave*> waves_;
  HMixSession session_ = nullptr;
  std::deque<std::string> log_;
  std::string writeFault_;
  struct Stream {
    int opens;
    int resets;
    int refused;
    bool operator==(const Stream&) const = default;
  };
  Stream lastStream_{-1, 0, 0};
  int32_t lastEnd_ = 0;
  int writesChecked_ = 0;
};

class SequenceTest : public testing::TestWithParam<uint32_t> {};

TEST_P(SequenceTest, RandomOperationsKeepTheEngineConsistentAndTheOutputExact) {
  SequenceRun run(GetParam());
  run.Run();
}

INSTANTIATE_TEST_SUITE_P(Seeds, SequenceTest, testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u));

}  // namespace
