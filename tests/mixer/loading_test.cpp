// WaveMixLoadWave on small RIFF images built here, through a session on the in-memory device.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "engine.h"
#include "platform/queued_message_windows.h"
#include "platform/wave_out_memory.h"
#include "support/wave_builder.h"

// Allocations above 64 MiB fail instead of succeeding lazily, so a loader that allocated a data
// chunk's claimed size before checking it would raise the allocation message instead.
extern "C" __attribute__((used)) const char* __asan_default_options() {
  return "allocator_may_return_null=1:max_allocation_size_mb=64";
}

namespace {

using namespace wavebuild;

const std::string kNoMemory =
    "Unable to allocate memory for waveform data.  Try making more memory available by closing other "
    "applications.";

struct WaveDeleter {
  void operator()(LoadedWave* wave) const {
    delete[] wave->header.lpData;
    delete wave;
  }
};
using WavePtr = std::unique_ptr<LoadedWave, WaveDeleter>;

Bytes SamplesOf(const LoadedWave& wave) {
  return Bytes(wave.header.lpData, wave.header.lpData + wave.header.dwBufferLength);
}

class LoadingTest : public testing::Test {
 protected:
  void SetUp() override {
    MixerPlatform mixerPlatform;
    mixerPlatform.waveOut = &backend_;
    mixerPlatform.windows = &windows_;
    mixerPlatform.settingsFile = "/nonexistent/WAVEMIX.INI";
    WaveMixSetPlatform(mixerPlatform);
  }
  void TearDown() override {
    if (session_ != nullptr) WaveMixEndSession(session_);
    WaveMixSetPlatform(MixerPlatform{});
  }

  // A session of the given output channels and rate code (11, 22 or 44).
  void Open(uint16_t channels = 1, uint16_t rateCode = 11) {
    MixerConfig config;
    config.flags = cfChannels | cfSamplingRate;
    config.channelCount = channels;
    config.samplingRate = rateCode;
    session_ = WaveMixInitWithConfig(&config);
  }

  WavePtr LoadMemory(const Bytes& image) {
    MemoryFileInfo info;
    info.pchBuffer = image.data();
    info.cchBuffer = int32_t(image.size());
    return WavePtr(WaveMixLoadWave(session_, reinterpret_cast<const char*>(&info), nullptr, wfMemory));
  }

  static std::string MessageOf(const std::function<WavePtr()>& load) {
    try {
      load();
    } catch (const EWaveMixError& error) {
      return error.what();
    }
    return "(loaded)";
  }

  platform::MemoryWaveOutBackend backend_;
  platform::QueuedMessageWindows windows_;
  HMixSession session_ = nullptr;
};

class TemporaryFile {
 public:
  explicit TemporaryFile(const Bytes& bytes) {
    char pattern[] = "/tmp/loading_test_XXXXXX";
    int fd = mkstemp(pattern);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    close(fd);
    path_ = pattern;
  }
  ~TemporaryFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

const Bytes kMonoFormat = FormatData(1, 1, 11025, 8);

struct FailureCase {
  const char* what;
  Bytes image;
  std::string message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.what; }

class LoadingFailureTest : public LoadingTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(LoadingFailureTest, RaisesItsMessageAndKeepsNothing) {
  Open();
  EXPECT_EQ(MessageOf([&] { return LoadMemory(GetParam().image); }), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadingFailureTest,
    testing::Values(
        FailureCase{"empty memory", {}, "This is not a WAVE file"},
        FailureCase{"no RIFF chunk", Chunk("LIST", {1, 2}), "This is not a WAVE file"},
        FailureCase{"RIFF of another form",
                    Riff("AVI ", Join({Chunk("fmt ", kMonoFormat), Chunk("data", {1})})),
                    "This is not a WAVE file"},
        FailureCase{"no format chunk", Riff("WAVE", Chunk("data", {1})), "WAVE file is corrupted"},
        FailureCase{"format chunk of 14 bytes",
                    Riff("WAVE", Join({Chunk("fmt ", Bytes(kMonoFormat.begin(), kMonoFormat.begin() + 14)),
                                       Chunk("data", {1, 2, 3, 4})})),
                    "Failed to read format chunk"},
        FailureCase{
            "format chunk cut short by the end of the file",
            Join({ChunkClaiming("RIFF", 28, {'W', 'A', 'V', 'E'}), ChunkClaiming("fmt ", 16, {1, 0, 1, 0})}),
            "Failed to read format chunk"},
        FailureCase{"format tag 2",
                    Riff("WAVE", Join({Chunk("fmt ", FormatData(2, 1, 11025, 4)), Chunk("data", {1})})),
                    "The file is not a PCM file"},
        FailureCase{"no data chunk", Riff("WAVE", Chunk("fmt ", kMonoFormat)), "WAVE file has no data chunk"},
        FailureCase{"data chunk before the format chunk",
                    Riff("WAVE", Join({Chunk("data", {1}), Chunk("fmt ", kMonoFormat)})),
                    "WAVE file has no data chunk"},
        FailureCase{"data chunk of size 0", PcmWave(1, 11025, 8, {}), "The data chunk has no data"},
        FailureCase{
            "data chunk claiming about 4 GiB",
            Riff("WAVE", Join({Chunk("fmt ", kMonoFormat), ChunkClaiming("data", 0xFFFFFFF0, {1, 2})})),
            "Failed to read data chunk"},
        FailureCase{"data chunk one byte longer than the file",
                    Riff("WAVE", Join({Chunk("fmt ", kMonoFormat), ChunkClaiming("data", 5, {1, 2, 3, 4})})),
                    "Failed to read data chunk"},
        FailureCase{"24-bit samples", PcmWave(1, 11025, 24, {1, 2, 3}), "File format not supported"},
        FailureCase{"no channels", PcmWave(0, 11025, 8, {1, 2}), "Only mono and stereo waves are supported"},
        FailureCase{"three channels", PcmWave(3, 11025, 8, {1, 2, 3}),
                    "Only mono and stereo waves are supported"},
        FailureCase{"rate 0", PcmWave(1, 0, 8, {1, 2}), "The wave has a sampling rate of 0"},
        FailureCase{"3 frames at 44100 Hz into 11025 Hz", PcmWave(1, 44100, 8, {1, 2, 3}), kNoMemory},
        FailureCase{"one byte of 16-bit data", PcmWave(1, 11025, 16, {1}), kNoMemory}));

TEST_F(LoadingTest, OutputFormatIsKeptAsReadWithAFreshHeader) {
  Open();
  WavePtr wave = LoadMemory(PcmWave(1, 11025, 8, {0, 128, 255}));
  EXPECT_EQ(SamplesOf(*wave), (Bytes{0, 128, 255}));
  EXPECT_EQ(wave->header.dwFlags, 0u);
  EXPECT_EQ(wave->header.dwUser, 0u);
  EXPECT_EQ(wave->header.dwLoops, 0u);
  EXPECT_EQ(wave->header.lpNext, nullptr);
}

TEST_F(LoadingTest, KeepsTheSourceFormatAndDropsAnOdd16BitByte) {
  Open();
  WavePtr wave = LoadMemory(PcmWave(1, 11025, 16, {0x00, 0x80, 0xFF, 0x7F, 0x12}));
  EXPECT_EQ(SamplesOf(*wave), (Bytes{0, 255}));
  EXPECT_EQ(wave->format.wFormatTag, 1);
  EXPECT_EQ(wave->format.nChannels, 1);
  EXPECT_EQ(wave->format.nSamplesPerSec, 11025u);
  EXPECT_EQ(wave->format.nAvgBytesPerSec, 22050u);
  EXPECT_EQ(wave->format.nBlockAlign, 2);
  EXPECT_EQ(wave->format.wBitsPerSample, 16);
}

TEST_F(LoadingTest, ConvertsToAStereoSessionsFormat) {
  Open(2, 22);
  WavePtr wave = LoadMemory(PcmWave(1, 11025, 8, {10, 20, 5}));
  EXPECT_EQ(SamplesOf(*wave), (Bytes{10, 10, 15, 15, 20, 20, 13, 13, 5, 5, 5, 5}));
}

TEST_F(LoadingTest, SkipsOtherChunksAndTheRestOfALongFormatChunk) {
  Open();
  Bytes format = kMonoFormat;
  format.insert(format.end(), {0, 0});  // the 2-byte extension size of an 18-byte format chunk
  Bytes image = Riff("WAVE", Join({Chunk("JUNK", {9}), Chunk("fmt ", format), Chunk("LIST", {1, 2, 3}),
                                   Chunk("data", {4, 5, 6})}));
  EXPECT_EQ(SamplesOf(*LoadMemory(image)), (Bytes{4, 5, 6}));
}

TEST_F(LoadingTest, LoadsAFileAndLabelsItWithTheFirst15Characters) {
  Open();
  TemporaryFile file(PcmWave(1, 11025, 8, {1, 2, 3}));
  WavePtr wave(WaveMixLoadWave(session_, file.path().c_str(), nullptr, wfFile));
  EXPECT_EQ(SamplesOf(*wave), (Bytes{1, 2, 3}));
  EXPECT_EQ(std::string(wave->name), file.path().substr(0, 15));
}

TEST_F(LoadingTest, AnySourceValueWithoutTheResourceOrMemoryBitsReadsAFile) {
  Open();
  TemporaryFile file(PcmWave(1, 11025, 8, {7}));
  EXPECT_EQ(SamplesOf(*WavePtr(WaveMixLoadWave(session_, file.path().c_str(), nullptr, 0))), Bytes{7});
  EXPECT_EQ(SamplesOf(*WavePtr(WaveMixLoadWave(session_, file.path().c_str(), nullptr, 0x80))), Bytes{7});
}

TEST_F(LoadingTest, AMissingFileIsNamedInTheMessage) {
  Open();
  EXPECT_EQ(
      MessageOf([&] { return WavePtr(WaveMixLoadWave(session_, "/nonexistent/1.wav", nullptr, wfFile)); }),
      "Failed to open wave file /nonexistent/1.wav");
  EXPECT_EQ(MessageOf([&] { return WavePtr(WaveMixLoadWave(session_, "/tmp", nullptr, wfFile)); }),
            "Failed to open wave file /tmp");
}

TEST_F(LoadingTest, NamedSoundsAreFoundByNameOrNumberAndLabelled) {
  Open();
  SoundModule module;
  module.add("a_twenty_char_name__", PcmWave(1, 11025, 8, {1}));
  module.add(uint16_t{7}, PcmWave(1, 11025, 8, {2}));
  module.add(uint16_t{65535}, PcmWave(1, 11025, 8, {3}));

  WavePtr byName(WaveMixLoadWave(session_, "a_twenty_char_name__", &module, wfResource));
  EXPECT_EQ(SamplesOf(*byName), Bytes{1});
  EXPECT_EQ(std::string(byName->name), "a_twenty_char_n");

  WavePtr byNumber(WaveMixLoadWave(session_, MakeSoundNumber(7), &module, wfResource));
  EXPECT_EQ(SamplesOf(*byNumber), Bytes{2});
  EXPECT_EQ(std::string(byNumber->name), "res#7");

  // The resource bit is tested before the memory bit.
  WavePtr largest(WaveMixLoadWave(session_, MakeSoundNumber(65535), &module, wfResource | wfMemory));
  EXPECT_EQ(std::string(largest->name), "res#65535");
}

TEST_F(LoadingTest, MissingNamedSoundsNameWhatWasAskedFor) {
  Open();
  SoundModule module;
  module.add("there", PcmWave(1, 11025, 8, {1}));
  EXPECT_EQ(MessageOf([&] { return WavePtr(WaveMixLoadWave(session_, "missing", &module, wfResource)); }),
            "Failed to open \"WAVE\" resource missing");
  EXPECT_EQ(
      MessageOf([&] { return WavePtr(WaveMixLoadWave(session_, MakeSoundNumber(7), &module, wfResource)); }),
      "Failed to open \"WAVE\" resource 7");
  EXPECT_EQ(MessageOf([&] { return WavePtr(WaveMixLoadWave(session_, "there", nullptr, wfResource)); }),
            "Failed to open \"WAVE\" resource there");
}

TEST_F(LoadingTest, MemorySoundsHaveAnEmptyLabel) {
  Open();
  EXPECT_EQ(std::string(LoadMemory(PcmWave(1, 11025, 8, {1}))->name), "");
}

TEST_F(LoadingTest, MemoryThatCannotBeOpenedGivesTheErrorCode) {
  Open();
  MemoryFileInfo info;
  info.cchBuffer = 5;
  const std::string expected =
      "Failed to open memory file, mmioOpen error=259.\rMay need to make sure memory is read-write";
  EXPECT_EQ(
      MessageOf([&] {
        return WavePtr(WaveMixLoadWave(session_, reinterpret_cast<const char*>(&info), nullptr, wfMemory));
      }),
      expected);
  EXPECT_EQ(MessageOf([&] { return WavePtr(WaveMixLoadWave(session_, nullptr, nullptr, wfMemory)); }),
            expected);
}

TEST_F(LoadingTest, ADeviceThatRefusesTheOutputFormatFailsEveryLoad) {
  platform::PcmWaveFormat stereo44;
  stereo44.wFormatTag = 1;
  stereo44.nChannels = 2;
  stereo44.nSamplesPerSec = 44100;
  stereo44.nAvgBytesPerSec = 88200;
  stereo44.nBlockAlign = 2;
  stereo44.wBitsPerSample = 8;
  backend_.devices[0].acceptedFormats = {stereo44};
  Open();
  EXPECT_EQ(MessageOf([&] { return LoadMemory(PcmWave(1, 11025, 8, {1})); }),
            "The waveform device can\xB4t play this format");
  EXPECT_EQ(MessageOf([&] { return WavePtr(WaveMixLoadWave(session_, "/nonexistent", nullptr, wfFile)); }),
            "The waveform device can\xB4t play this format");
}

TEST_F(LoadingTest, AnInvalidHandleIsRefused) {
  EXPECT_EQ(MessageOf([&] { return WavePtr(WaveMixLoadWave(nullptr, "x.wav", nullptr, wfFile)); }),
            "Invalid Session handle");
}

}  // namespace
