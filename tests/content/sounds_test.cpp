// Every sound of the game's table: a RIFF PCM file the mixer accepts, short
// enough for its role, and clean at the default 8-bit mono 11025 Hz output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <set>

#include "common/offline_conversion.h"
#include "content_paths.h"
#include "riff_wave.h"

namespace {

struct SoundCase {
  const char* file;
  double longest_seconds;  // cues that come with every turn 0.6 s, jingles 1.5 s
};

const SoundCase kSounds[] = {
    {"teki.wav", 0.6}, {"wana.wav", 0.6},  {"takara.wav", 0.6}, {"hi.wav", 0.6},    {"hakken.wav", 0.6},
    {"hp.wav", 0.6},   {"1.wav", 0.6},     {"on.wav", 0.6},     {"start.wav", 1.5}, {"lv.wav", 1.5},
    {"die.wav", 1.5},  {"boss.wav", 1.5},  {"ex.wav", 1.5},     {"vo.wav", 1.5},    {"nakama.wav", 1.5},
    {"toki.wav", 1.5}, {"kelpo.wav", 1.5}, {"store.wav", 1.5},
};

PcmWave Load(const char* file) {
  std::string problem;
  const auto wave = ReadPcmWave(RuntimeDir() + QStringLiteral("/dat/") + QString::fromLatin1(file), &problem);
  if (!wave) ADD_FAILURE() << file << ": " << problem;
  return wave.value_or(PcmWave{});
}

void PrintTo(const SoundCase& sound, std::ostream* out) { *out << sound.file; }

class SoundFile : public testing::TestWithParam<SoundCase> {};

TEST_P(SoundFile, IsPcmInAFormatTheMixerConverts) {
  const PcmWave wave = Load(GetParam().file);
  EXPECT_EQ(wave.format_tag, 1);
  EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
  EXPECT_TRUE(wave.bits_per_sample == 8 || wave.bits_per_sample == 16);
  EXPECT_TRUE(wave.samples_per_second == 11025 || wave.samples_per_second == 22050 ||
              wave.samples_per_second == 44100);
  EXPECT_EQ(wave.block_align, wave.channels * wave.bits_per_sample / 8);
  EXPECT_EQ(wave.average_bytes_per_second, wave.samples_per_second * wave.block_align);
  ASSERT_GT(wave.data.size(), 0u);
  EXPECT_EQ(wave.data.size() % wave.block_align, 0u);
}

TEST_P(SoundFile, FitsItsRoleAtTheDefaultOutput) {
  const PcmWave wave = Load(GetParam().file);
  const std::vector<uint8_t> out = ToDefaultOutput(wave);
  ASSERT_GT(out.size(), 100u);
  EXPECT_LE(out.size() / 11025.0, GetParam().longest_seconds);

  int peak = 0;
  for (uint8_t s : out) peak = std::max(peak, std::abs(s - 128));
  EXPECT_LE(peak, 120) << "too close to clipping";
  EXPECT_GE(peak, 60) << "too quiet beside the other cues";

  // No click where the sound starts or stops: from silence, the level rises
  // no faster than a 2 ms ramp to the peak (22 samples at 11025 Hz).
  const int ramp = 22;
  for (int i = 0; i < ramp; ++i) {
    const int allowed = 2 + peak * i / ramp;
    EXPECT_LE(std::abs(out[i] - 128), allowed) << "start, sample " << i;
    EXPECT_LE(std::abs(out[out.size() - 1 - i] - 128), allowed) << "end, sample " << out.size() - 1 - i;
  }

  EXPECT_LT(PowerShareAbove(out, 5000.0), 0.01) << "energy above 5 kHz";
}

// The game's own loader takes every file and converts it to the same bytes as the check above.
TEST_P(SoundFile, LoadsThroughTheMixerToTheSameBytes) {
  OfflineConversion mixer;
  const std::string path =
      (RuntimeDir() + QStringLiteral("/dat/") + QString::fromLatin1(GetParam().file)).toStdString();
  try {
    EXPECT_EQ(mixer.Convert(path), ToDefaultOutput(Load(GetParam().file)));
  } catch (const EWaveMixError& error) {
    ADD_FAILURE() << GetParam().file << ": " << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Table, SoundFile, testing::ValuesIn(kSounds), [](const auto& info) {
  std::string name = info.param.file;
  name = name.substr(0, name.find('.'));
  return name == "1" ? std::string("one") : name;
});

TEST(SoundFormats, UseSeveralStoredFormats) {
  std::set<int> bits, rates, channels;
  for (const SoundCase& sound : kSounds) {
    const PcmWave wave = Load(sound.file);
    bits.insert(wave.bits_per_sample);
    rates.insert(static_cast<int>(wave.samples_per_second));
    channels.insert(wave.channels);
  }
  EXPECT_EQ(bits, (std::set<int>{8, 16}));
  EXPECT_GE(rates.size(), 2u);
  EXPECT_EQ(channels, (std::set<int>{1, 2}));
}

TEST(DefaultOutputConversion, AveragesPairsFromStereo16Bit22050) {
  PcmWave wave;
  wave.channels = 2;
  wave.bits_per_sample = 16;
  wave.samples_per_second = 22050;
  // frames (left, right): (0x1000, 0x3000) (0x7F00, 0x7F00) (-0x8000, 0) (0x0100, 0x0100)
  wave.data = {0x00, 0x10, 0x00, 0x30, 0x00, 0x7F, 0x00, 0x7F,
               0x00, 0x80, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01};
  // bytes 144,176 | 255,255 | 0,128 | 129,129 -> mono 160, 255, 64, 129 -> pairs: (32+127)/2=79 -> 207; last
  // = 64
  EXPECT_EQ(ToDefaultOutput(wave), (std::vector<uint8_t>{207, 64}));
}

}  // namespace
