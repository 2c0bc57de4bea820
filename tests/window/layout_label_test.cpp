// How labels lay out their text: lines as high as the font, breaks, wrapping and alignment.
#include "game/qt/layout_label.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <cstdlib>

#include "game/qt/layout_fonts.h"
#include "game/qt/title_texts.h"
#include "support/qt_printers.h"

namespace {

// Text is drawn antialiased: a pixel counts as ink when it lies nearer the text colour than the
// fill colour.
bool IsInk(QRgb pixel, QRgb ink, QRgb fill) {
  auto distance = [](QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
  };
  return distance(pixel, ink) < distance(pixel, fill);
}

// Rows [first, last] of the label's picture that hold ink.
struct InkRows {
  int first = -1;
  int last = -1;
};

InkRows RowsWithInk(const LayoutLabel& label, QRgb ink) {
  const QRgb fill = label.palette().color(QPalette::Window).rgb();
  QImage shown = const_cast<LayoutLabel&>(label).grab().toImage().convertToFormat(QImage::Format_RGB32);
  InkRows rows;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      if (!IsInk(shown.pixel(x, y), ink, fill)) continue;
      if (rows.first < 0) rows.first = y;
      rows.last = y;
      break;
    }
  }
  return rows;
}

int LeftmostInk(const LayoutLabel& label, QRgb ink) {
  const QRgb fill = label.palette().color(QPalette::Window).rgb();
  QImage shown = const_cast<LayoutLabel&>(label).grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (int x = 0; x < shown.width(); ++x) {
    for (int y = 0; y < shown.height(); ++y) {
      if (IsInk(shown.pixel(x, y), ink, fill)) return x;
    }
  }
  return -1;
}

const QRgb kLime = qRgb(0, 255, 0);
const QRgb kWhite = qRgb(255, 255, 255);

TEST(LayoutLabel, TheStatusPanelsTwelveLinesFitItsHeight) {
  QWidget parent;
  LayoutLabel state(
      &parent, "state_l", {276, 0, 177, 201},
      {LayoutFont(kGothic, 16, FontStyle::bold), QColor(kLime), QColor(0, 0, 160), true, Qt::AlignLeft},
      QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n\n10\n11\n仲間:0人"));
  EXPECT_EQ(state.lineHeight(), 16);
  InkRows rows = RowsWithInk(state, kLime);
  EXPECT_LT(rows.first, 4);
  EXPECT_GE(rows.last, 11 * 16 + 8);  // the twelfth line is drawn
  EXPECT_LT(rows.last, 201);
}

TEST(LayoutLabel, RunsOfBlanksPushTheTitleOntoLinesOfItsOwn) {
  QWidget parent;
  LayoutLabel moji(&parent, "moji_l", {0, 204, 273, 101},
                   {LayoutFont(kPMincho, 16), QColor(kWhite), QColor(0, 0, 0), true, Qt::AlignLeft},
                   MojiTitleText());
  InkRows rows = RowsWithInk(moji, kWhite);
  EXPECT_LT(rows.first, 16);
  EXPECT_GE(rows.last, 2 * 16);  // three lines: the words, the title, the credit
  EXPECT_LT(rows.last, 3 * 16 + 3);
}

TEST(LayoutLabel, WithoutWordWrapOnlyLineBreaksStartLines) {
  QWidget parent;
  LayoutLabel label(
      &parent, "score_l", {0, 0, 60, 40},
      {LayoutFont(kPGothic, 16, FontStyle::bold), QColor(kWhite), QColor(0, 0, 0), false, Qt::AlignLeft},
      QStringLiteral("a long line that passes the edge"));
  EXPECT_LT(RowsWithInk(label, kWhite).last, 20);  // one line, descenders included
  label.setText(QStringLiteral("one\ntwo"));
  EXPECT_GT(RowsWithInk(label, kWhite).last, 24);
}

TEST(LayoutLabel, RightAlignedTextEndsAtTheRightEdge) {
  QWidget parent;
  LayoutLabel label(
      &parent, "time_l", {0, 0, 273, 17},
      {LayoutFont(kPGothic, 13, FontStyle::bold), QColor(kWhite), QColor(0, 0, 0), false, Qt::AlignRight},
      QStringLiteral("死ぬまで後:365日"));
  EXPECT_GT(LeftmostInk(label, kWhite), 150);
}

}  // namespace
