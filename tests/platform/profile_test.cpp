#include "platform/profile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class ProfileTest : public testing::Test {
 protected:
  void SetUp() override {
    path_ = std::filesystem::temp_directory_path() /
            ("profile_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini");
  }
  void TearDown() override { std::filesystem::remove(path_); }

  void Write(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
  int32_t Read(const std::string& section, const std::string& key, int32_t defaultValue = -99) {
    return platform::ReadProfileInt(path_.string(), section, key, defaultValue);
  }

  std::filesystem::path path_;
};

TEST_F(ProfileTest, MissingFileGivesTheDefault) { EXPECT_EQ(Read("default", "WaveBlocks", 3), 3); }

TEST_F(ProfileTest, ValuesAsTheMixerReadsThem) {
  Write(
      "\xEF\xBB\xBF; settings\r\n"
      "[Default]\r\n"
      "  WaveBlocks = 5 \r\n"
      "remix=2 ; a note\r\n"
      "Negative=-12\r\n"
      "Plus=+7\r\n"
      "Leading=12abc\r\n"
      "Text=abc\r\n"
      "Empty=\r\n"
      "Wide=4294967297\r\n"
      "wavebLOCKS=9\r\n"
      "[not compatible]\n"
      "Memory Wave Out=1\n"
      "[default]\n"
      "SamplesPerSec=44\n"
      "[general]\n"
      "WaveOutDevice=0x10\n");
  struct Case {
    const char* section;
    const char* key;
    int32_t expected;
  } cases[] = {
      {"default", "WaveBlocks", 5},  // blanks around key and value; the first key wins
      {"DEFAULT", "REMIX", 2},       // case ignored; the value's tail ignored
      {"default", "Negative", -12},      {"default", "Plus", 7},
      {"default", "Leading", 12},        {"default", "Text", 0},  // no leading digits
      {"default", "Empty", 0},           {"default", "Wide", 1},  // 2^32 + 1 wraps
      {"default", "SamplesPerSec", -99},                          // only the first section of a name counts
      {"default", "Missing", -99},       {"Not Compatible", "memory wave out", 1},
      {"general", "WaveOutDevice", 0},  // decimal only
      {"absent", "WaveBlocks", -99},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Read(c.section, c.key), c.expected) << c.section << " / " << c.key;
  }
}

}  // namespace
