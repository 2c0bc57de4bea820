// The SDL2 wave-output back-end, run through SDL's "dummy" driver (plays in real time into
// nothing) and its "disk" driver (writes what it plays to a file). The driver is chosen in the
// environment before each test starts SDL.

#include "platform/wave_out_sdl.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/queued_message_windows.h"

namespace platform {
namespace {

constexpr PcmWaveFormat kMono11025{WAVE_FORMAT_PCM, 1, 11025, 11025, 1, 8};

// A block of sample bytes with its header, as the mixer keeps them.
struct Block {
  explicit Block(std::vector<uint8_t> bytes) : samples(std::move(bytes)) {
    header.lpData = samples.data();
    header.dwBufferLength = static_cast<uint32_t>(samples.size());
  }
  std::vector<uint8_t> samples;
  WaveHeader header;
};

class SdlWaveOutTest : public ::testing::Test {
 protected:
  void StartSdl(const char* driver) {
    setenv("SDL_AUDIODRIVER", driver, 1);
    backend_ = std::make_unique<SdlWaveOutBackend>();
    window_ = windows_.create([this](uint32_t message, uintptr_t, uintptr_t lParam) {
      if (message == MM_WOM_DONE) done_.push_back(reinterpret_cast<const WaveHeader*>(lParam));
    });
  }

  void TearDown() override {
    device_.reset();
    backend_.reset();
  }

  void Open(const PcmWaveFormat& format = kMono11025) {
    ASSERT_EQ(backend_->open(device_, 0, format, windows_, window_), WAVE_OK);
    ASSERT_NE(device_, nullptr);
  }

  // Delivers posted messages until `count` blocks have come back, giving up after a generous while.
  void AwaitDone(size_t count) {
    for (int round = 0; round < 5000 && done_.size() < count; ++round) {
      windows_.deliverAll();
      if (done_.size() < count) SDL_Delay(2);
    }
    windows_.deliverAll();
  }

  QueuedMessageWindows windows_;
  WindowHandle window_ = 0;
  std::unique_ptr<SdlWaveOutBackend> backend_;
  std::unique_ptr<WaveOut> device_;
  std::vector<const WaveHeader*> done_;
};

TEST_F(SdlWaveOutTest, DescribesTheDummyDevice) {
  StartSdl("dummy");
  ASSERT_EQ(backend_->deviceCount(), 1u);

  WaveOutCaps caps;
  ASSERT_EQ(backend_->deviceCaps(0, caps), WAVE_OK);
  EXPECT_GT(std::strlen(caps.szPname), 0u);
  EXPECT_LE(std::strlen(caps.szPname), 31u);
  EXPECT_EQ(caps.dwSupport & WAVECAPS_SYNC, 0u);
  EXPECT_EQ(caps.wChannels, 2);

  EXPECT_EQ(backend_->deviceCaps(WAVE_MAPPER, caps), WAVE_OK);
  EXPECT_EQ(backend_->deviceCaps(1, caps), WAVE_ERR_BADDEVICEID);
}

TEST_F(SdlWaveOutTest, AcceptsOnlyTheMixerFormats) {
  StartSdl("dummy");
  struct Case {
    PcmWaveFormat format;
    WaveResult expected;
  };
  const Case cases[] = {
      {{WAVE_FORMAT_PCM, 1, 11025, 11025, 1, 8}, WAVE_OK},
      {{WAVE_FORMAT_PCM, 2, 11025, 22050, 2, 8}, WAVE_OK},
      {{WAVE_FORMAT_PCM, 1, 22050, 22050, 1, 8}, WAVE_OK},
      {{WAVE_FORMAT_PCM, 2, 44100, 88200, 2, 8}, WAVE_OK},
      {{WAVE_FORMAT_PCM, 1, 11025, 22050, 2, 16}, WAVE_ERR_BADFORMAT},
      {{WAVE_FORMAT_PCM, 1, 48000, 48000, 1, 8}, WAVE_ERR_BADFORMAT},
      {{WAVE_FORMAT_PCM, 3, 11025, 33075, 3, 8}, WAVE_ERR_BADFORMAT},
      {{2, 1, 11025, 11025, 1, 8}, WAVE_ERR_BADFORMAT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.format.nChannels << " channels, " << c.format.nSamplesPerSec
                                    << " Hz, " << c.format.wBitsPerSample << " bits");
    EXPECT_EQ(backend_->queryFormat(0, c.format), c.expected);
  }
  EXPECT_EQ(backend_->queryFormat(3, kMono11025), WAVE_ERR_BADDEVICEID);
}

TEST_F(SdlWaveOutTest, PlaysBlocksInWriteOrderAndReportsEachDone) {
  StartSdl("dummy");
  Open();
  Block first(std::vector<uint8_t>(600, 100));
  Block second(std::vector<uint8_t>(300, 150));
  ASSERT_EQ(device_->prepareHeader(first.header), WAVE_OK);
  ASSERT_EQ(device_->prepareHeader(second.header), WAVE_OK);
  ASSERT_EQ(device_->write(first.header), WAVE_OK);
  ASSERT_EQ(device_->write(second.header), WAVE_OK);

  AwaitDone(2);
  ASSERT_EQ(done_, (std::vector<const WaveHeader*>{&first.header, &second.header}));
  EXPECT_TRUE(first.header.dwFlags & WHDR_DONE);
  EXPECT_TRUE(second.header.dwFlags & WHDR_DONE);
  uint32_t bytes = 0;
  ASSERT_EQ(device_->positionBytes(bytes), WAVE_OK);
  EXPECT_EQ(bytes, 900u);
  EXPECT_EQ(device_->unprepareHeader(first.header), WAVE_OK);
  EXPECT_FALSE(first.header.dwFlags & WHDR_PREPARED);
}

TEST_F(SdlWaveOutTest, RefusesAnUnpreparedBlock) {
  StartSdl("dummy");
  Open();
  Block block(std::vector<uint8_t>(100, 1));
  EXPECT_EQ(device_->write(block.header), WAVE_ERR_UNPREPARED);
}

TEST_F(SdlWaveOutTest, ResetReturnsEveryHeldBlock) {
  StartSdl("dummy");
  Open();
  // Paused, the device holds what is written.
  ASSERT_EQ(device_->pause(), WAVE_OK);
  Block first(std::vector<uint8_t>(2048, 1));
  Block second(std::vector<uint8_t>(2048, 2));
  for (Block* block : {&first, &second}) {
    ASSERT_EQ(device_->prepareHeader(block->header), WAVE_OK);
    ASSERT_EQ(device_->write(block->header), WAVE_OK);
    EXPECT_FALSE(block->header.dwFlags & WHDR_DONE);
  }
  EXPECT_EQ(device_->unprepareHeader(first.header), 33u);  // still held

  ASSERT_EQ(device_->reset(), WAVE_OK);
  EXPECT_TRUE(first.header.dwFlags & WHDR_DONE);
  EXPECT_TRUE(second.header.dwFlags & WHDR_DONE);
  windows_.deliverAll();
  EXPECT_EQ(done_, (std::vector<const WaveHeader*>{&first.header, &second.header}));
  uint32_t bytes = 1;
  ASSERT_EQ(device_->positionBytes(bytes), WAVE_OK);
  EXPECT_EQ(bytes, 0u);
  EXPECT_EQ(device_->unprepareHeader(first.header), WAVE_OK);

  // After a restart the device plays again.
  ASSERT_EQ(device_->restart(), WAVE_OK);
  ASSERT_EQ(device_->write(second.header), WAVE_OK);
  AwaitDone(3);
  ASSERT_EQ(done_.size(), 3u);
  EXPECT_EQ(done_[2], &second.header);
  ASSERT_EQ(device_->positionBytes(bytes), WAVE_OK);
  EXPECT_EQ(bytes, 2048u);
}

TEST_F(SdlWaveOutTest, OutputIsTheBlocksBetweenSilence) {
  const auto file =
      std::filesystem::temp_directory_path() / ("zeru_sdl_out_" + std::to_string(getpid()) + ".raw");
  setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
  setenv("SDL_DISKAUDIODELAY", "1", 1);
  StartSdl("disk");
  Open();
  std::vector<uint8_t> expected;
  std::vector<std::unique_ptr<Block>> blocks;
  for (int b = 0; b < 3; ++b) {
    std::vector<uint8_t> bytes(700 + 11 * b);
    for (size_t i = 0; i < bytes.size(); ++i)
      bytes[i] = static_cast<uint8_t>(i * (b + 3) + 1) | 1;  // never 128
    expected.insert(expected.end(), bytes.begin(), bytes.end());
    blocks.push_back(std::make_unique<Block>(std::move(bytes)));
  }
  for (auto& block : blocks) {
    ASSERT_EQ(device_->prepareHeader(block->header), WAVE_OK);
    ASSERT_EQ(device_->write(block->header), WAVE_OK);
  }
  AwaitDone(3);
  ASSERT_EQ(done_.size(), 3u);
  // Let SDL hand out some starved buffers before closing.
  for (int round = 0; round < 20; ++round) SDL_Delay(2);
  device_.reset();
  backend_.reset();

  std::ifstream in(file, std::ios::binary);
  const std::vector<uint8_t> output((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::filesystem::remove(file);
  const auto first = std::find_if(output.begin(), output.end(), [](uint8_t byte) { return byte != 128; });
  ASSERT_LE(static_cast<size_t>(output.end() - first), output.size());
  ASSERT_GE(static_cast<size_t>(output.end() - first), expected.size());
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), first));
  EXPECT_TRUE(std::all_of(first + static_cast<std::ptrdiff_t>(expected.size()), output.end(),
                          [](uint8_t byte) { return byte == 128; }));
}

}  // namespace
}  // namespace platform
