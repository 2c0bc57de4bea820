#include "support/runtime_folder.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "game/qt/qt_path.h"

namespace {

// my.dat: the holder's name in code page 932 ("？？？？") and eighteen numbers, CR LF lines.
std::string FirstRecord() {
  std::string record = "\x81\x48\x81\x48\x81\x48\x81\x48\r\n";
  for (int line = 2; line <= 19; ++line) record += "0\r\n";
  return record;
}

void SaveBitmap(const QImage& image, const std::filesystem::path& file) {
  if (!image.save(QtPath(file), "BMP")) throw std::runtime_error("cannot write test picture");
}

}  // namespace

RuntimeFolder::RuntimeFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zeru-window-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  std::filesystem::create_directory(root_ / "dat");
  std::filesystem::create_directory(root_ / "cg");
  write("dat/my.dat", FirstRecord());
  for (const char* list : {"dat/item.dat", "dat/nakama.dat", "dat/reaitem.dat", "dat/name.dat"})
    write(list, "");
  SaveBitmap(TitlePicture(), file("cg/title.bmp"));
  SaveBitmap(StartPicture(), file("cg/start.bmp"));
  for (const char* glyph : {"cg/glyph_sword.bmp", "cg/glyph_moon.bmp", "cg/glyph_book.bmp"}) {
    SaveBitmap(Glyph(), file(glyph));
  }
}

RuntimeFolder::~RuntimeFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path RuntimeFolder::file(std::string_view relative) const {
  return root_ / std::filesystem::path(std::u8string(relative.begin(), relative.end()));
}

void RuntimeFolder::write(std::string_view relative, std::string_view bytes) const {
  std::ofstream out(file(relative), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write test file");
}

std::string RuntimeFolder::read(std::string_view relative) const {
  std::ifstream in(file(relative), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read test file");
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void RuntimeFolder::remove(std::string_view relative) const { std::filesystem::remove(file(relative)); }

QImage RuntimeFolder::TitlePicture() {
  QImage picture(320, 256, QImage::Format_RGB32);
  picture.fill(Qt::white);
  for (int y = 0; y < 253; ++y) {
    for (int x = 0; x < 320; ++x) picture.setPixel(x, y, x < 159 ? qRgb(255, 0, 0) : qRgb(0, 255, 0));
  }
  return picture;
}

QImage RuntimeFolder::StartPicture() {
  QImage picture(100, 50, QImage::Format_RGB32);
  picture.fill(QColor(0, 0, 255));
  return picture;
}

QImage RuntimeFolder::Glyph() {
  QImage glyph(24, 24, QImage::Format_Indexed8);
  glyph.setColorTable({qRgb(255, 0, 255), qRgb(255, 255, 0)});
  glyph.fill(0);
  for (int y = 6; y < 18; ++y) {
    for (int x = 6; x < 18; ++x) glyph.setPixel(x, y, 1);
  }
  return glyph;
}
