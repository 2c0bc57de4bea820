// The small widgets of the window: bar gauges, glyphs and the display of game text.
#include <gtest/gtest.h>

#include <QWidget>

#include "game/qt/bar_gauge.h"
#include "game/qt/display_text.h"
#include "game/qt/glyph.h"
#include "support/qt_printers.h"
#include "support/runtime_folder.h"

namespace {

TEST(BarGauge, BarGrowsInWholePercentsAndStaysWithinTheControl) {
  struct Row {
    int width;
    int32_t max, progress;
    int bar;
  } rows[] = {
      {85, 100, 30, 25},
      {85, 100, 0, 0},
      {85, 100, -5, 0},
      {85, 100, 100, 85},
      {85, 100, 150, 85},
      {85, 10, 10, 85},
      {85, 10, 3, 25},
      {85, 0, 5, 0},
      {85, -4, -9, 0},
      {273, 18000, 30, 0},
      {273, 18000, 180, 2},
      {273, 18000, 999999, 273},
      {85, 2147483647, 2147483647, 85},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.max) + " " + std::to_string(row.progress));
    BarGauge gauge(nullptr, {Qt::blue, Qt::gray, Qt::red}, 100, 30);
    gauge.resize(row.width, 11);
    gauge.setMaxValue(row.max);
    gauge.setProgress(row.progress);
    EXPECT_EQ(gauge.barWidth(), row.bar);
  }
}

TEST(BarGauge, PaintsTheBarOverTheBackgroundWithoutBorder) {
  BarGauge gauge(nullptr, {QColor(255, 0, 128), QColor(128, 128, 255), QColor(255, 128, 192)}, 100, 30);
  gauge.resize(85, 11);
  QImage shown = gauge.grab().toImage();
  EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 0, 128));
  EXPECT_EQ(shown.pixel(24, 10), qRgb(255, 0, 128));
  EXPECT_EQ(shown.pixel(25, 0), qRgb(128, 128, 255));
  EXPECT_EQ(shown.pixel(84, 10), qRgb(128, 128, 255));
}

TEST(Glyph, TheLowerLeftColourIsTransparent) {
  QImage glyph = GlyphImage(RuntimeFolder::Glyph());
  ASSERT_EQ(glyph.size(), QSize(24, 24));
  EXPECT_EQ(qAlpha(glyph.pixel(0, 23)), 0);
  EXPECT_EQ(qAlpha(glyph.pixel(23, 0)), 0);
  EXPECT_EQ(glyph.pixel(10, 10), qRgb(255, 255, 0));
}

TEST(Glyph, AMissingFileGivesNoIcon) {
  RuntimeFolder folder;
  EXPECT_FALSE(LoadGlyph(folder.file("cg/glyph_sword.bmp")).isNull());
  EXPECT_TRUE(LoadGlyph(folder.file("cg/glyph_none.bmp")).isNull());
}

TEST(DisplayText, LineBreaksAndUnfinishedCharacters) {
  struct Row {
    const char* cp932;
    const char* shown;
  } rows[] = {
      {"", ""},
      {"HP", "HP"},
      {"HP\x82", "HP"},  // a typing frame ending inside が
      {"HP\x82\xAA", "HPが"},
      {"\x81\x8B", "°"},  // second byte in the first-byte range
      {"\x81\x8B\x81", "°"},
      {"\xB1\xB2", "ｱｲ"},  // half-width katakana are single bytes
      {"a\rb", "a\nb"},
      {"a\r\nb", "a\nb"},
      {"GAME\rOVER\r", "GAME\nOVER\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shown);
    EXPECT_EQ(DisplayText(row.cp932), QString::fromUtf8(row.shown));
  }
}

}  // namespace
