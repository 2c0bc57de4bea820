#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The game's text files: code page 932 bytes, one value per line.

// Reads a whole file at once. A line ends at CR (a LF right after it is skipped) or at a LF of
// its own; the byte 26 ends the file. Bytes are taken as they are, valid code page 932 or not.
class TextFileReader {
 public:
  // Throws GameError: "ﾌｧｲﾙが見つかりません" when the file does not exist, a message naming the
  // file when it cannot be read.
  explicit TextFileReader(const std::filesystem::path& file);

  // The rest of the current line; empty at the end of the file.
  std::string readLine();

  // Skips blanks (bytes up to 32) and line breaks, takes the run of at most 32 non-blank bytes
  // that follows as a decimal integer with an optional sign, and drops the rest of its line.
  // 0 at the end of the file. Throws GameError "入力値が数値ではありません" when the run is not
  // a number or does not fit in 32 bits.
  int32_t readNumber();

 private:
  bool atEnd() const { return pos_ >= end_; }
  void skipLineBreak();

  std::string bytes_;
  size_t pos_ = 0;
  size_t end_ = 0;  // the first byte 26, or the size
};

// Collects lines, each ended with CR LF, and writes them in one go.
class TextFileWriter {
 public:
  void line(std::string_view text);
  void line(int32_t value);
  const std::string& bytes() const { return bytes_; }

  // Replaces the file so that it holds either its old bytes or all the new ones, never a part:
  // writes "<name>.tmp" in the same folder, flushes it to the disk and renames it over the
  // file. Throws GameError naming the file when any step fails; the old file is then untouched.
  void save(const std::filesystem::path& file) const;

 private:
  std::string bytes_;
};
