// The modal boxes: captions, icons, buttons and how each way of closing answers.
#include "game/qt/message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "support/modal_boxes.h"
#include "support/qt_printers.h"

namespace {

TEST(ConfirmationBox, AsksWithYesAsDefaultAndNoOnEscape) {
  ConfirmationBox box(QStringLiteral("ＯＫ？"), QStringLiteral("確認"), nullptr);
  EXPECT_EQ(box.windowTitle(), QStringLiteral("確認"));
  EXPECT_EQ(box.text(), QStringLiteral("ＯＫ？"));
  EXPECT_EQ(box.icon(), QMessageBox::Question);
  ASSERT_EQ(box.buttons().size(), 2);
  EXPECT_EQ(box.yesButton()->text(), QStringLiteral("はい(&Y)"));
  EXPECT_EQ(box.noButton()->text(), QStringLiteral("いいえ(&N)"));
  EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.yesButton());
  EXPECT_EQ(box.escapeButton(), box.noButton());
}

struct AnswerRow {
  const char* way;
  std::function<void(QWidget*)> answer;
  bool goesOn;
};

TEST(ConfirmationBox, OnlyNoStops) {
  const AnswerRow rows[] = {
      {"Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }, true},
      {"Y", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Y); }, true},
      {"Escape", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }, false},
      {"N", [](QWidget* box) { QTest::keyClick(box, Qt::Key_N); }, false},
      {"No clicked", [](QWidget* box) { static_cast<ConfirmationBox*>(box)->noButton()->click(); }, false},
      {"close box", [](QWidget* box) { box->close(); }, true},
  };
  for (const AnswerRow& row : rows) {
    SCOPED_TRACE(row.way);
    ModalBoxAnswerer answerer(row.answer);
    ConfirmationBox box(QStringLiteral("ＯＫ？"), QStringLiteral("確認"), nullptr);
    EXPECT_EQ(box.ask(), row.goesOn);
    EXPECT_EQ(answerer.seen().size(), 1u);
  }
}

TEST(MessageBoxes, PlainAndErrorBoxesCarryTheApplicationTitleAndOneOk) {
  struct Row {
    std::unique_ptr<QMessageBox> box;
    QMessageBox::Icon icon;
  } rows[] = {
      {MakeMessageBox(QStringLiteral("名前を入力してね"), nullptr), QMessageBox::NoIcon},
      {MakeErrorBox(QStringLiteral("ﾌｧｲﾙが見つかりません"), nullptr), QMessageBox::Critical},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.icon);
    EXPECT_EQ(row.box->windowTitle(), QStringLiteral("zeru"));
    EXPECT_EQ(row.box->icon(), row.icon);
    ASSERT_EQ(row.box->buttons().size(), 1);
    EXPECT_EQ(row.box->buttons().front()->text(), QStringLiteral("OK"));
    EXPECT_EQ(row.box->textFormat(), Qt::PlainText);
  }
}

}  // namespace
