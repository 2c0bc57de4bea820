#include "platform/wave_out_memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/queued_message_windows.h"

namespace {

using platform::MemoryDeviceDescription;
using platform::MemoryWaveOut;
using platform::MemoryWaveOutBackend;
using platform::PcmWaveFormat;
using platform::QueuedMessageWindows;
using platform::WaveHeader;

PcmWaveFormat MonoFormat() { return {platform::WAVE_FORMAT_PCM, 1, 11025, 11025, 1, 8}; }

struct Notice {
  uint32_t message;
  uintptr_t lParam;
};

class MemoryWaveOutTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = windows_.create([this](uint32_t message, uintptr_t, uintptr_t lParam) {
      notices_.push_back({message, lParam});
    });
  }

  MemoryWaveOut& Open() {
    std::unique_ptr<platform::WaveOut> out;
    EXPECT_EQ(backend_.open(out, 0, MonoFormat(), windows_, window_), platform::WAVE_OK);
    device_ = std::move(out);
    return *backend_.openDevice();
  }

  WaveHeader& Block(int index, std::size_t bytes, uint8_t fill) {
    data_[index].assign(bytes, fill);
    headers_[index].lpData = data_[index].data();
    headers_[index].dwBufferLength = static_cast<uint32_t>(bytes);
    return headers_[index];
  }

  MemoryWaveOutBackend backend_;
  QueuedMessageWindows windows_;
  platform::WindowHandle window_ = 0;
  std::unique_ptr<platform::WaveOut> device_;
  std::vector<uint8_t> data_[3];
  WaveHeader headers_[3];
  std::vector<Notice> notices_;
};

TEST_F(MemoryWaveOutTest, QueriesReportWhatTheTestSet) {
  backend_.devices = {MemoryDeviceDescription::named("A name that is longer than thirty-one bytes", 1, true)};
  backend_.devices[0].acceptedFormats = {MonoFormat()};
  platform::WaveOutCaps caps;
  ASSERT_EQ(backend_.deviceCaps(0, caps), platform::WAVE_OK);
  EXPECT_EQ(std::strlen(caps.szPname), 31u);
  EXPECT_EQ(caps.dwSupport, platform::WAVECAPS_SYNC);
  EXPECT_EQ(caps.wChannels, 1);
  EXPECT_EQ(backend_.deviceCaps(1, caps), platform::WAVE_ERR_BADDEVICEID);
  EXPECT_EQ(backend_.deviceCaps(platform::WAVE_MAPPER, caps), platform::WAVE_OK);
  EXPECT_STREQ(caps.szPname, "Memory Wave Mapper");

  PcmWaveFormat stereo = MonoFormat();
  stereo.nChannels = 2;
  EXPECT_EQ(backend_.queryFormat(0, MonoFormat()), platform::WAVE_OK);
  EXPECT_EQ(backend_.queryFormat(0, stereo), platform::WAVE_ERR_BADFORMAT);
  std::unique_ptr<platform::WaveOut> out;
  EXPECT_EQ(backend_.open(out, 0, stereo, windows_, window_), platform::WAVE_ERR_BADFORMAT);
  backend_.devices[0].openError = platform::WAVE_ERR_ALLOCATED;
  EXPECT_EQ(backend_.open(out, 0, MonoFormat(), windows_, window_), platform::WAVE_ERR_ALLOCATED);
  EXPECT_EQ(out, nullptr);
}

TEST_F(MemoryWaveOutTest, PlaysBlocksInWriteOrderAndPostsOneNoticeEach) {
  MemoryWaveOut& device = Open();
  WaveHeader& a = Block(0, 4, 1);
  WaveHeader& b = Block(1, 3, 2);
  EXPECT_EQ(device.write(a), platform::WAVE_ERR_UNPREPARED);
  ASSERT_EQ(device.prepareHeader(a), platform::WAVE_OK);
  ASSERT_EQ(device.prepareHeader(b), platform::WAVE_OK);
  ASSERT_EQ(device.write(a), platform::WAVE_OK);
  ASSERT_EQ(device.write(b), platform::WAVE_OK);
  EXPECT_EQ(device.write(a), platform::WAVE_ERR_STILLPLAYING);
  data_[0][0] = 9;  // the device keeps what it was given; it plays what the block holds when played

  EXPECT_EQ(device.advance(3), 3u);
  EXPECT_EQ(a.dwFlags & platform::WHDR_DONE, 0u);
  EXPECT_EQ(device.advance(2), 2u);
  EXPECT_NE(a.dwFlags & platform::WHDR_DONE, 0u);
  EXPECT_EQ(b.dwFlags & platform::WHDR_DONE, 0u);
  EXPECT_EQ(device.unprepareHeader(b), platform::WAVE_ERR_STILLPLAYING);

  device.pause();
  EXPECT_EQ(device.advance(10), 0u);
  device.restart();
  EXPECT_EQ(device.advance(10), 2u);  // runs dry
  uint32_t position = 0;
  device.positionBytes(position);
  EXPECT_EQ(position, 7u);

  EXPECT_EQ(device.received(), (std::vector<uint8_t>{1, 1, 1, 1, 2, 2, 2}));
  EXPECT_EQ(device.played(), (std::vector<uint8_t>{9, 1, 1, 1, 2, 2, 2}));
  EXPECT_EQ(windows_.deliverAll(), 2u);
  ASSERT_EQ(notices_.size(), 2u);
  EXPECT_EQ(notices_[0].message, platform::MM_WOM_DONE);
  EXPECT_EQ(notices_[0].lParam, reinterpret_cast<uintptr_t>(&a));
  EXPECT_EQ(notices_[1].lParam, reinterpret_cast<uintptr_t>(&b));
}

TEST_F(MemoryWaveOutTest, ResetReturnsEveryHeldBlockAndRestartsTheCount) {
  MemoryWaveOut& device = Open();
  WaveHeader& a = Block(0, 4, 1);
  WaveHeader& b = Block(1, 4, 2);
  device.prepareHeader(a);
  device.prepareHeader(b);
  device.write(a);
  device.write(b);
  device.advance(2);
  ASSERT_EQ(device.reset(), platform::WAVE_OK);
  EXPECT_NE(a.dwFlags & platform::WHDR_DONE, 0u);
  EXPECT_NE(b.dwFlags & platform::WHDR_DONE, 0u);
  EXPECT_EQ(device.position(), 0u);
  EXPECT_EQ(device.queuedBlocks(), 0u);
  EXPECT_EQ(windows_.queuedCount(), 2u);
  device.unprepareHeader(a);
  device.unprepareHeader(b);
  device_.reset();
  EXPECT_EQ(backend_.openDevice(), nullptr);
  EXPECT_EQ(backend_.closes(), 1);
  EXPECT_EQ(backend_.untidyCloses(), 0);
}

TEST_F(MemoryWaveOutTest, RefusesPreparationAndWritesWhenTold) {
  backend_.devices[0].prepareError = platform::WAVE_ERR_NOMEM;
  backend_.devices[0].preparesBeforeFailure = 1;
  MemoryWaveOut& device = Open();
  EXPECT_EQ(device.prepareHeader(Block(0, 1, 0)), platform::WAVE_OK);
  EXPECT_EQ(device.prepareHeader(Block(1, 1, 0)), platform::WAVE_ERR_NOMEM);
  backend_.devices[0].writeError = 5;
  EXPECT_EQ(device.write(headers_[0]), 5u);
  EXPECT_TRUE(device.received().empty());
}

TEST(QueuedMessageWindowsTest, DestroyingAWindowDropsItsMessages) {
  QueuedMessageWindows windows;
  std::vector<uintptr_t> seen;
  auto record = [&seen](uint32_t, uintptr_t wParam, uintptr_t) { seen.push_back(wParam); };
  platform::WindowHandle first = windows.create(record);
  platform::WindowHandle second = windows.create(record);
  EXPECT_TRUE(windows.post(first, 1, 10, 0));
  EXPECT_TRUE(windows.post(second, 1, 20, 0));
  EXPECT_TRUE(windows.post(first, 1, 11, 0));
  windows.destroy(first);
  EXPECT_FALSE(windows.post(first, 1, 12, 0));
  EXPECT_EQ(windows.deliverAll(), 1u);
  EXPECT_EQ(seen, std::vector<uintptr_t>{20});
  windows.setCreationFails(true);
  EXPECT_EQ(windows.create(record), 0u);
}

}  // namespace
