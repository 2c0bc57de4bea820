#pragma once

#include <QColor>
#include <QImage>
#include <filesystem>
#include <string>
#include <string_view>

// A folder standing for the executable's, with the data files the window needs to start without
// an error box: a record, four empty name lists, a title and a start picture and the glyphs.
// Removed at the end.
class RuntimeFolder {
 public:
  RuntimeFolder();
  ~RuntimeFolder();
  RuntimeFolder(const RuntimeFolder&) = delete;
  RuntimeFolder& operator=(const RuntimeFolder&) = delete;

  const std::filesystem::path& path() const { return root_; }
  // relative: a UTF-8 path below the folder, e.g. "dat/my.dat".
  std::filesystem::path file(std::string_view relative) const;
  void write(std::string_view relative, std::string_view bytes) const;
  std::string read(std::string_view relative) const;
  void remove(std::string_view relative) const;

  // 320 x 256: left half red, right half green, bottom rows from 253 on white.
  static QImage TitlePicture();
  // 100 x 50, blue.
  static QImage StartPicture();
  // 24 x 24, 8-bit: a yellow square on fuchsia, the lower-left colour.
  static QImage Glyph();

 private:
  std::filesystem::path root_;
};
