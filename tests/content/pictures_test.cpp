// Every picture of the game's table and the three button glyphs, read back by Qt.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <set>

#include "content_paths.h"

namespace {

const char* const kEventPictures[] = {"start.bmp",  "tokkun.bmp", "store.bmp",  "teki.bmp",  "boss.bmp",
                                      "ex.bmp",     "hi.bmp",     "wana2.bmp",  "wana.bmp",  "kara.bmp",
                                      "takara.bmp", "hokora.bmp", "megami.bmp", "majin.bmp", "vo.bmp",
                                      "black.bmp",  "nakama.bmp", "toki.bmp",   "lvup.bmp",  "die.bmp"};

const char* const kGlyphs[] = {"glyph_sword.bmp", "glyph_moon.bmp", "glyph_book.bmp"};

QString PicturePath(const char* file) {
  return RuntimeDir() + QStringLiteral("/cg/") + QString::fromLatin1(file);
}

std::set<QRgb> ColoursIn(const QImage& image, const QRect& area) {
  std::set<QRgb> colours;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) colours.insert(image.pixel(x, y));
  return colours;
}

TEST(TitlePicture, CoversTheAreaTheAnimationCopies) {
  const QImage title(PicturePath("title.bmp"));
  ASSERT_FALSE(title.isNull());
  EXPECT_GE(title.width(), 318);
  EXPECT_GE(title.height(), 253);
  EXPECT_GE(ColoursIn(title, QRect(0, 0, 318, 253)).size(), 12u);
}

class EventPicture : public testing::TestWithParam<const char*> {};

TEST_P(EventPicture, IsABitmapForThePictureArea) {
  QFile file(PicturePath(GetParam()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(2), QByteArray("BM"));
  const QImage picture(PicturePath(GetParam()));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(273, 200));
  const std::set<QRgb> colours = ColoursIn(picture, picture.rect());
  if (QByteArray(GetParam()) == "black.bmp")
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(0, 0, 0)}));
  else
    EXPECT_GE(colours.size(), 8u);
}

INSTANTIATE_TEST_SUITE_P(Table, EventPicture, testing::ValuesIn(kEventPictures), [](const auto& info) {
  const std::string name = info.param;
  return name.substr(0, name.find('.'));
});

class Glyph : public testing::TestWithParam<const char*> {};

TEST_P(Glyph, Is24By24In256ColoursWithAKeyedBackground) {
  QFile file(PicturePath(GetParam()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray header = file.read(54);
  ASSERT_EQ(header.size(), 54);
  EXPECT_EQ(header.left(2), QByteArray("BM"));
  EXPECT_EQ(uint8_t(header[28]) | uint8_t(header[29]) << 8, 8) << "bits per pixel";

  const QImage glyph(PicturePath(GetParam()));
  ASSERT_FALSE(glyph.isNull());
  EXPECT_EQ(glyph.size(), QSize(24, 24));
  EXPECT_EQ(glyph.format(), QImage::Format_Indexed8);
  EXPECT_EQ(glyph.depth(), 8);

  // The lower-left colour is the one drawn transparent: it must be the
  // background (all four corners) and leave a clear figure in the middle.
  const QRgb key = glyph.pixel(0, 23);
  EXPECT_EQ(glyph.pixel(0, 0), key);
  EXPECT_EQ(glyph.pixel(23, 0), key);
  EXPECT_EQ(glyph.pixel(23, 23), key);
  int drawn = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) drawn += glyph.pixel(x, y) != key;
  EXPECT_GE(drawn, 24 * 24 / 6);
  EXPECT_LE(drawn, 24 * 24 * 3 / 4);
}

INSTANTIATE_TEST_SUITE_P(Buttons, Glyph, testing::ValuesIn(kGlyphs), [](const auto& info) {
  const std::string name = info.param;
  return name.substr(6, name.find('.') - 6);
});

}  // namespace
