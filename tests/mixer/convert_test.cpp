// ConvertWave against hand-computed results, byte for byte.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine.h"

namespace {

using Bytes = std::vector<uint8_t>;

platform::PcmWaveFormat Format(uint16_t channels, uint32_t rate, uint16_t bits) {
  platform::PcmWaveFormat format;
  format.wFormatTag = platform::WAVE_FORMAT_PCM;
  format.nChannels = channels;
  format.nSamplesPerSec = rate;
  format.nBlockAlign = uint16_t(channels * bits / 8);
  format.nAvgBytesPerSec = rate * format.nBlockAlign;
  format.wBitsPerSample = bits;
  return format;
}

uint8_t* CopyToBlock(const Bytes& bytes) {
  auto* block = new uint8_t[bytes.size()];
  std::memcpy(block, bytes.data(), bytes.size());
  return block;
}

struct ConversionCase {
  const char* what;
  platform::PcmWaveFormat source;
  platform::PcmWaveFormat target;
  Bytes input;
  Bytes expected;
};

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.what; }

class ConvertWaveTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConvertWaveTest, GivesExactBytes) {
  const ConversionCase& c = GetParam();
  int32_t bytes = int32_t(c.input.size());
  uint8_t* out = ConvertWave(c.target, c.source, CopyToBlock(c.input), bytes);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(Bytes(out, out + bytes), c.expected) << c.what;
  delete[] out;
}

// 16-bit samples are written little-endian: 0x7FFF is {0xFF, 0x7F}.
INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertWaveTest,
    testing::Values(
        ConversionCase{"16-bit high byte with top bit inverted, then pairs averaged toward zero, last copied",
                       Format(1, 22050, 16),
                       Format(1, 11025, 8),
                       {0xFF, 0x7F, 0x80, 0x00, 0xFF, 0xFF, 0x00, 0x80, 0x34, 0x12, 0x00, 0x00},
                       {191, 64, 146}},
        ConversionCase{"stereo to mono: unsigned mean rounded down, partial frame dropped",
                       Format(2, 11025, 8),
                       Format(1, 11025, 8),
                       {0, 255, 255, 255, 1, 2, 128, 129, 7},
                       {127, 255, 1, 128}},
        ConversionCase{"mono 11025 to stereo 22050: doubled, then halfway steps toward zero, last twice",
                       Format(1, 11025, 8),
                       Format(2, 22050, 8),
                       {10, 20, 5},
                       {10, 10, 15, 15, 20, 20, 13, 13, 5, 5, 5, 5}},
        ConversionCase{"rate above half the output rate keeps every frame",
                       Format(1, 8000, 8),
                       Format(1, 11025, 8),
                       {1, 2, 3},
                       {1, 2, 3}},
        ConversionCase{"rate below one and a half times the output rate keeps every frame",
                       Format(1, 16000, 8),
                       Format(1, 11025, 8),
                       {3, 200, 7},
                       {3, 200, 7}},
        ConversionCase{"44100 to 11025: groups of 4, remainder dropped",
                       Format(1, 44100, 8),
                       Format(1, 11025, 8),
                       {128, 132, 136, 140, 127, 127, 127, 126, 100, 0, 0, 0, 50},
                       {134, 127, 100}},
        ConversionCase{"11025 to 44100: four steps of 255 / 4",
                       Format(1, 11025, 8),
                       Format(1, 44100, 8),
                       {0, 255},
                       {0, 63, 126, 189, 255, 255, 255, 255}},
        ConversionCase{"16-bit odd byte count loses its last byte",
                       Format(1, 11025, 16),
                       Format(1, 11025, 8),
                       {0x00, 0x80, 0xFF, 0x7F, 0x12},
                       {0, 255}},
        ConversionCase{"16-bit stereo 44100 to 8-bit stereo 22050",
                       Format(2, 44100, 16),
                       Format(2, 22050, 8),
                       {0xFF, 0x7F, 0x00, 0x80, 0x00, 0x00, 0x00, 0x01, 0x00, 0x40,
                        0x00, 0xC0, 0x00, 0x10, 0x00, 0x20, 0x00, 0x05, 0x00, 0x06},
                       {191, 65, 192, 64}},
        ConversionCase{"all three stages: 16-bit stereo 11025 to 8-bit mono 22050",
                       Format(2, 11025, 16),
                       Format(1, 22050, 8),
                       {0x00, 0x7F, 0x00, 0x01, 0x00, 0x80, 0x00, 0x80},
                       {192, 96, 0, 0}},
        ConversionCase{"output format already: kept as read, odd byte and all",
                       Format(2, 22050, 8),
                       Format(2, 22050, 8),
                       {1, 2, 3},
                       {1, 2, 3}}));

TEST(ConvertWave, SourceInTheOutputFormatKeepsItsBlock) {
  uint8_t* block = CopyToBlock({9, 8, 7});
  int32_t bytes = 3;
  uint8_t* out = ConvertWave(Format(1, 11025, 8), Format(1, 11025, 8), block, bytes);
  EXPECT_EQ(out, block);
  EXPECT_EQ(bytes, 3);
  delete[] out;
}

// The conversion as defined, one byte at a time, for comparison with the optimised stages.
Bytes ReferenceConversion(const platform::PcmWaveFormat& source, const platform::PcmWaveFormat& target,
                          Bytes in) {
  if (source.wBitsPerSample == 16) {
    Bytes out;
    for (size_t i = 0; i + 1 < in.size(); i += 2)
      out.push_back(uint8_t((int16_t(in[i] | in[i + 1] << 8) >> 8) + 128));
    in = out;
  }
  if (source.nChannels != target.nChannels) {
    Bytes out;
    for (size_t f = 0; f < in.size() / source.nChannels; ++f) {
      if (source.nChannels == 1)
        out.insert(out.end(), {in[f], in[f]});
      else
        out.push_back(uint8_t((in[2 * f] + in[2 * f + 1]) / 2));
    }
    in = out;
  }
  const int channels = target.nChannels;
  const int64_t s = source.nSamplesPerSec, t = target.nSamplesPerSec, frames = int64_t(in.size()) / channels;
  if (s <= t) return in;  // upsampling is covered by the table above
  const int64_t g = (s + t / 2) / t, groups = frames / g;
  Bytes out(size_t(groups * channels));
  for (int64_t m = 0; m < groups; ++m)
    for (int c = 0; c < channels; ++c) {
      int sum = 0;
      for (int64_t j = 0; j < g; ++j) sum += in[size_t((m * g + j) * channels + c)] - 128;
      out[size_t(m * channels + c)] =
          m + 1 < groups ? uint8_t(sum / int(g) + 128) : in[size_t((m * g) * channels + c)];
    }
  return out;
}

TEST(ConvertWave, DownsamplingMatchesTheDefinitionOnRandomSamples) {
  const platform::PcmWaveFormat pairs[][2] = {
      {Format(1, 22050, 8), Format(1, 11025, 8)},  {Format(1, 44100, 8), Format(1, 11025, 8)},
      {Format(2, 22050, 8), Format(2, 11025, 8)},  {Format(2, 44100, 16), Format(2, 11025, 8)},
      {Format(2, 44100, 16), Format(1, 11025, 8)}, {Format(1, 33075, 8), Format(1, 11025, 8)},
      {Format(1, 48000, 16), Format(2, 11025, 8)}, {Format(2, 96000, 8), Format(1, 22050, 8)}};
  std::mt19937 random(5);
  for (const auto& pair : pairs) {
    for (int round = 0; round < 20; ++round) {
      Bytes input(64 + random() % 4000);
      for (uint8_t& byte : input) byte = uint8_t(random());
      int32_t bytes = int32_t(input.size());
      uint8_t* out = ConvertWave(pair[1], pair[0], CopyToBlock(input), bytes);
      EXPECT_EQ(Bytes(out, out + bytes), ReferenceConversion(pair[0], pair[1], input))
          << pair[0].nChannels << " channels, " << pair[0].nSamplesPerSec << " Hz, " << pair[0].wBitsPerSample
          << " bits";
      delete[] out;
    }
  }
}

struct FailureCase {
  const char* what;
  platform::PcmWaveFormat source;
  platform::PcmWaveFormat target;
  Bytes input;
  std::string message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.what; }

class ConvertWaveFailureTest : public testing::TestWithParam<FailureCase> {};

// The input block is released by the failing stage; the leak checker catches it if not.
TEST_P(ConvertWaveFailureTest, RaisesAndReleasesTheInput) {
  const FailureCase& c = GetParam();
  int32_t bytes = int32_t(c.input.size());
  try {
    ConvertWave(c.target, c.source, CopyToBlock(c.input), bytes);
    FAIL() << "no error raised: " << c.what;
  } catch (const EWaveMixError& error) {
    EXPECT_EQ(std::string(error.what()), c.message) << c.what;
  }
}

const std::string kNoMemory =
    "Unable to allocate memory for waveform data.  Try making more memory available by closing other "
    "applications.";

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertWaveFailureTest,
    testing::Values(
        FailureCase{
            "24-bit", Format(1, 11025, 24), Format(1, 11025, 8), {1, 2, 3}, "File format not supported"},
        FailureCase{
            "4-bit", Format(1, 11025, 4), Format(1, 11025, 8), {1, 2, 3}, "File format not supported"},
        FailureCase{"3 frames at 44100 give no frame at 11025",
                    Format(1, 44100, 8),
                    Format(1, 11025, 8),
                    {1, 2, 3},
                    kNoMemory},
        FailureCase{"one byte of 16-bit data gives no sample",
                    Format(1, 11025, 16),
                    Format(1, 11025, 8),
                    {1},
                    kNoMemory},
        FailureCase{
            "one byte of stereo gives no frame", Format(2, 11025, 8), Format(1, 11025, 8), {1}, kNoMemory},
        FailureCase{"no channels",
                    Format(0, 11025, 8),
                    Format(1, 11025, 8),
                    {1, 2},
                    "Only mono and stereo waves are supported"},
        FailureCase{"three channels",
                    Format(3, 11025, 8),
                    Format(1, 11025, 8),
                    {1, 2, 3},
                    "Only mono and stereo waves are supported"},
        FailureCase{
            "rate 0", Format(1, 0, 8), Format(1, 11025, 8), {1, 2}, "The wave has a sampling rate of 0"}));

}  // namespace
