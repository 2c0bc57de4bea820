#include "game/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "game/cp932.h"
#include "game/game_error.h"
#include "support/exe_folder.h"

namespace {

// A read: 'L' takes a line, 'N' a number (compared as its decimal text).
struct ReadCase {
  const char* name;
  std::string bytes;
  std::string reads;
  std::vector<std::string> expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

std::vector<std::string> Perform(const std::filesystem::path& file, const std::string& reads) {
  TextFileReader reader(file);
  std::vector<std::string> results;
  for (char read : reads)
    results.push_back(read == 'L' ? reader.readLine() : std::to_string(reader.readNumber()));
  return results;
}

class TextFileReading : public testing::TestWithParam<ReadCase> {};

TEST_P(TextFileReading, ReadsLinesAndNumbers) {
  ExeFolder folder;
  folder.write("dat/case.dat", GetParam().bytes);
  EXPECT_EQ(GetParam().expected, Perform(folder.file("dat/case.dat"), GetParam().reads));
}

const std::string kLongLine(1 << 20, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, TextFileReading,
    testing::Values(
        ReadCase{"CrLf", "abc\r\n12\r\n", "LNNL", {"abc", "12", "0", ""}},
        ReadCase{"CrOnly", "abc\r12\r-3\r", "LNN", {"abc", "12", "-3"}},
        // A LF of its own also ends a line, so files edited on Linux read as lines.
        ReadCase{"LfOnly", "abc\n12\nname\n", "LNL", {"abc", "12", "name"}},
        ReadCase{"CrThenCr", "a\r\rb", "LLL", {"a", "", "b"}},
        ReadCase{"LfThenCr", "a\n\rb", "LLL", {"a", "", "b"}},
        ReadCase{"EmptyFile", "", "LNL", {"", "0", ""}},
        ReadCase{"Character26EndsTheFile",
                 std::string("abc\r\n5\r\n\x1A"
                             "7\r\nz\r\n"),
                 "LNNL",
                 {"abc", "5", "0", ""}},
        ReadCase{"Character26InsideALine",
                 std::string("ab\x1A"
                             "cd\r\n"),
                 "LL",
                 {"ab", ""}},
        ReadCase{
            "NumberSkipsBlanksAndDropsTheRestOfItsLine", "  \t 42 trailing words\r\n7", "NN", {"42", "7"}},
        ReadCase{"NumberSkipsEmptyLines", "\r\n\r\n  \r\n\n15\r\nnext\r\n", "NL", {"15", "next"}},
        ReadCase{"NumberThenLine", "12 abc\r\nname\r\n", "NL", {"12", "name"}},
        ReadCase{"NumberAtTheVeryEnd", "12", "NN", {"12", "0"}},
        ReadCase{"Signs",
                 "+5\r\n-0\r\n-2147483648\r\n2147483647\r\n007\r\n",
                 "NNNNN",
                 {"5", "0", "-2147483648", "2147483647", "7"}},
        // Only the first 32 bytes of a run are the number; the rest of the line is dropped.
        ReadCase{"RunCutAt32Bytes", "0000000000000000000000000000001234\r\n9\r\n", "NN", {"12", "9"}},
        ReadCase{"InvalidCodePage932ReadAsBytes", "\x80\xFF\x82\r\nnext\r\n", "LL", {"\x80\xFF\x82", "next"}},
        ReadCase{"FirstByteBeforeCr", "\x82\r\n1\r\n", "LN", {"\x82", "1"}},
        ReadCase{"VeryLongLine", kLongLine + "\r\n5\r\n" + kLongLine, "LNL", {kLongLine, "5", kLongLine}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

class NotANumber : public testing::TestWithParam<const char*> {};

TEST_P(NotANumber, IsAnInputError) {
  ExeFolder folder;
  folder.write("dat/case.dat", std::string("7\r\n") + GetParam() + "\r\n");
  TextFileReader reader(folder.file("dat/case.dat"));
  EXPECT_EQ(7, reader.readNumber());
  try {
    reader.readNumber();
    FAIL() << "no error for " << GetParam();
  } catch (const GameError& error) {
    EXPECT_EQ(Sjis("入力値が数値ではありません"), error.what());
  }
}

// Numbers beyond 32 bits are refused rather than wrapped.
INSTANTIATE_TEST_SUITE_P(Tokens, NotANumber,
                         testing::Values("abc", "12a", "1.5", "-", "+", "+-1", "0x10", "$10", "1,000",
                                         "2147483648", "-2147483649", "99999999999999999999", "１２"));

TEST(TextFileReader, MissingFileIsFileNotFound) {
  ExeFolder folder;
  for (const char* name : {"dat/none.dat", "nowhere/none.dat"}) {
    try {
      TextFileReader reader(folder.file(name));
      FAIL() << name;
    } catch (const GameError& error) {
      EXPECT_EQ(Sjis("ﾌｧｲﾙが見つかりません"), error.what());
    }
  }
}

TEST(TextFileReader, FolderInPlaceOfTheFileIsAnErrorNamingIt) {
  ExeFolder folder;
  try {
    TextFileReader reader(folder.file("dat"));
    FAIL();
  } catch (const GameError& error) {
    EXPECT_NE(std::string::npos, std::string(error.what()).find(folder.file("dat").string()));
  }
}

TEST(TextFileWriter, EndsEveryLineWithCrLf) {
  TextFileWriter writer;
  writer.line(Sjis("？？？？"));
  writer.line(-12);
  writer.line("");
  writer.line(2147483647);
  EXPECT_EQ("\x81\x48\x81\x48\x81\x48\x81\x48\r\n-12\r\n\r\n2147483647\r\n", writer.bytes());
}

TEST(TextFileWriter, ReplacesTheFileAndLeavesNoTemporaryFile) {
  ExeFolder folder;
  folder.write("dat/my.dat", "old contents that are longer than the new ones\r\n");
  TextFileWriter writer;
  writer.line("new");
  writer.save(folder.file("dat/my.dat"));
  EXPECT_EQ("new\r\n", folder.read("dat/my.dat"));
  EXPECT_FALSE(folder.exists("dat/my.dat.tmp"));
}

TEST(TextFileWriter, KeepsThePermissionsOfTheFileItReplaces) {
  ExeFolder folder;
  folder.write("dat/my.dat", "old\r\n");
  ASSERT_EQ(0, ::chmod(folder.file("dat/my.dat").c_str(), 0640));
  TextFileWriter writer;
  writer.line("new");
  writer.save(folder.file("dat/my.dat"));
  struct stat info {};
  ASSERT_EQ(0, ::stat(folder.file("dat/my.dat").c_str(), &info));
  EXPECT_EQ(0640u, info.st_mode & 07777);
}

TEST(TextFileWriter, FailedWriteLeavesTheOldFileIntact) {
  ExeFolder folder;
  folder.write("dat/my.dat", "old\r\n");
  // A folder where the temporary file would go makes the write fail before the file is touched.
  std::filesystem::create_directory(folder.file("dat/my.dat.tmp"));
  TextFileWriter writer;
  writer.line("new");
  try {
    writer.save(folder.file("dat/my.dat"));
    FAIL();
  } catch (const GameError& error) {
    EXPECT_EQ(0u, std::string(error.what()).find(Sjis("ファイルに書き込めません")));
    EXPECT_NE(std::string::npos, std::string(error.what()).find("my.dat.tmp"));
  }
  EXPECT_EQ("old\r\n", folder.read("dat/my.dat"));
}

TEST(TextFileWriter, MissingFolderIsAnError) {
  ExeFolder folder;
  TextFileWriter writer;
  writer.line("new");
  EXPECT_THROW(writer.save(folder.file("gone/my.dat")), GameError);
  EXPECT_FALSE(folder.exists("gone"));
}

}  // namespace
