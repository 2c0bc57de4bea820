#include "game/cp932.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct EncodingCase {
  const char* utf8;
  std::string cp932;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.utf8; }

class Cp932Bytes : public testing::TestWithParam<EncodingCase> {};

TEST_P(Cp932Bytes, GameTextsHaveTheirCodePage932Bytes) {
  EXPECT_EQ(GetParam().cp932, Sjis(GetParam().utf8));
  EXPECT_EQ(GetParam().cp932, TryCp932FromUtf8(GetParam().utf8));
  EXPECT_EQ(GetParam().utf8, Utf8FromCp932(GetParam().cp932));
}

INSTANTIATE_TEST_SUITE_P(
    FixedTexts, Cp932Bytes,
    testing::Values(EncodingCase{"", ""}, EncodingCase{"LV:1000", "LV:1000"},
                    EncodingCase{"MPが足りない！！",
                                 "MP\x82\xAA\x91\xAB\x82\xE8\x82\xC8\x82\xA2\x81\x49\x81\x49"},
                    EncodingCase{"ＯＫ？", "\x82\x6E\x82\x6A\x81\x48"},
                    EncodingCase{"？？？？", "\x81\x48\x81\x48\x81\x48\x81\x48"},
                    EncodingCase{"－", "\x81\x7C"},  // U+FF0D
                    EncodingCase{"～", "\x81\x60"},  // U+FF5E
                    EncodingCase{"　", "\x81\x40"},  // U+3000
                    EncodingCase{"■", "\x81\xA1"},
                    EncodingCase{"ﾌｧｲﾙ", "\xCC\xA7\xB2\xD9"},  // half-width katakana: one byte each
                    EncodingCase{"･", "\xA5"}, EncodingCase{"ﾚｱItem:500", "\xDA\xB1Item:500"},
                    EncodingCase{"結果", "\x8C\x8B\x89\xCA"}));

TEST(Cp932, FixedTextLengthsCountBytes) {
  EXPECT_EQ(16u, Sjis("MPが足りない！！").size());
  EXPECT_EQ(26u, Sjis("ＴＲＹ　ＡＧＡＩＮ　！！！").size());
  EXPECT_EQ(18u, Sjis("ﾌｶｸ、ﾌｶｸ、ｺﾉﾎｺﾗﾉ、").size());
}

TEST(Cp932, TextWithoutCodePage932FormIsRefused) {
  for (const char* utf8 : {"😀", "한글", "a\xFF", "\xE3\x81"}) {
    EXPECT_EQ(std::nullopt, TryCp932FromUtf8(utf8)) << utf8;
    EXPECT_THROW(Sjis(utf8), std::logic_error) << utf8;
  }
}

TEST(Cp932, InvalidBytesReadAsReplacementCharacters) {
  EXPECT_EQ(
      "A\xEF\xBF\xBD"
      "B",
      Utf8FromCp932("A\x80"
                    "B"));
  EXPECT_EQ("\xEF\xBF\xBD\xEF\xBF\xBD", Utf8FromCp932("\xFD\xFF"));
  EXPECT_EQ("A\xEF\xBF\xBD", Utf8FromCp932("A\x82"));  // a first byte with nothing after it
  EXPECT_EQ("\xE3\x81\x82\xEF\xBF\xBD", Utf8FromCp932("\x82\xA0\xA0"));
}

TEST(Cp932, WholeCharactersLengthLeavesOutAnUnfinishedCharacter) {
  EXPECT_EQ(0u, WholeCharactersLength(""));
  EXPECT_EQ(3u, WholeCharactersLength("A\x82\xA0"));
  EXPECT_EQ(1u, WholeCharactersLength("A\x82"));         // lead byte of the 0x81-0x9F range
  EXPECT_EQ(2u, WholeCharactersLength("\x82\xA0\xE0"));  // lead byte of the 0xE0-0xFC range
  EXPECT_EQ(2u, WholeCharactersLength("\xA5\xDA"));      // half-width katakana: one byte each
}

}  // namespace
