// The picture control: its drawing surface, the title copy and loading.
#include "game/qt/picture_box.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "game/cp932.h"
#include "game/game_error.h"
#include "support/qt_printers.h"
#include "support/runtime_folder.h"

namespace {

class PictureBoxTest : public ::testing::Test {
 protected:
  PictureBoxTest() {
    parent.resize(300, 300);
    box.setGeometry(0, 0, 273, 200);
    holder.setGeometry(464, 68, 25, 25);
  }
  QWidget parent;
  PictureBox box{&parent};
  PictureBox holder{&parent};
};

TEST_F(PictureBoxTest, DrawingBeforeAnyPictureGivesASurfaceOfTheControlsSize) {
  EXPECT_TRUE(box.picture().isNull());
  box.fillBlack(QRect(0, 0, 10, 10));
  ASSERT_EQ(box.picture().size(), QSize(273, 200));
  EXPECT_EQ(box.picture().pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(box.picture().pixel(9, 9), qRgb(0, 0, 0));
  EXPECT_NE(box.picture().pixel(10, 10), qRgb(0, 0, 0));
}

TEST_F(PictureBoxTest, TitleCopyStretchesTheSourceRectangleIntoTheDestination) {
  holder.surface() = RuntimeFolder::TitlePicture();  // red left of x 159, green from it, white from y 253
  struct Row {
    QRect destination;
    QPoint red, green;
  } rows[] = {
      {QRect(0, 0, 273, 200), {135, 199}, {137, 0}},
      {QRect(-5, 0, 283, 200), {134, 100}, {137, 100}},
      {QRect(0, -5, 273, 215), {0, 0}, {272, 199}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.destination.x() * 10 + row.destination.y());
    box.fillBlack(QRect(0, 0, 273, 200));
    box.copyStretched(holder, QRect(0, 0, 318, 253), row.destination);
    EXPECT_EQ(box.picture().pixel(row.red), qRgb(255, 0, 0));
    EXPECT_EQ(box.picture().pixel(row.green), qRgb(0, 255, 0));
  }
  // No white row of the picture (y 253 and below) is ever copied.
  for (int x = 0; x < 273; ++x) ASSERT_NE(box.picture().pixel(x, 199), qRgb(255, 255, 255));
}

TEST_F(PictureBoxTest, CopyFromAnEmptyPictureDrawsBlack) {
  box.fillBlack(QRect(0, 0, 273, 200));
  box.copyStretched(holder, QRect(0, 0, 318, 253), QRect(0, 0, 273, 200));
  for (QPoint p : {QPoint(0, 0), QPoint(136, 100), QPoint(272, 199)})
    EXPECT_EQ(box.picture().pixel(p), qRgb(0, 0, 0));
}

TEST_F(PictureBoxTest, PicturesAreDrawnAtTheTopLeftOrStretched) {
  RuntimeFolder folder;
  box.loadFromFile(folder.file("cg/start.bmp"));  // 100 x 50 blue
  parent.setPalette(QPalette(QColor(10, 20, 30)));
  parent.setAutoFillBackground(true);
  QImage shown = parent.grab(QRect(0, 0, 273, 200)).toImage();
  EXPECT_EQ(shown.pixel(99, 49), qRgb(0, 0, 255));
  EXPECT_EQ(shown.pixel(150, 100), qRgb(10, 20, 30));
  box.setStretch(true);
  shown = parent.grab(QRect(0, 0, 273, 200)).toImage();
  EXPECT_EQ(shown.pixel(150, 100), qRgb(0, 0, 255));
  EXPECT_EQ(shown.pixel(272, 199), qRgb(0, 0, 255));
}

TEST_F(PictureBoxTest, AMissingOrUnreadablePictureRaisesAnErrorNamingTheFile) {
  RuntimeFolder folder;
  folder.write("cg/broken.bmp", "BM not a bitmap");
  for (const char* name : {"cg/missing.bmp", "cg/broken.bmp"}) {
    SCOPED_TRACE(name);
    try {
      box.loadFromFile(folder.file(name));
      ADD_FAILURE() << "no error";
    } catch (const GameError& error) {
      std::string message = Utf8FromCp932(error.what());
      EXPECT_NE(message.find(folder.file(name).string()), std::string::npos) << message;
    }
  }
  EXPECT_TRUE(box.picture().isNull());
}

}  // namespace
