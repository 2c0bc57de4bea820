// The main window as the rules see it, and the life of the program through its controls.
#include "game/qt/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "game/cp932.h"
#include "game/qt/layout_label.h"
#include "support/modal_boxes.h"
#include "support/qt_printers.h"
#include "support/runtime_folder.h"

namespace {

template <typename T = QWidget>
T* Find(TForm1& form, const char* name) {
  return form.findChild<T*>(QString::fromLatin1(name));
}

TEST(MainWindowStart, FormCreateLoadsTheDataAndMovesTheEntryBox) {
  RuntimeFolder folder;
  ModalBoxAnswerer answerer;
  TForm1 form(folder.path());
  EXPECT_TRUE(answerer.seen().empty());
  EXPECT_EQ(Find(form, "entry_box")->pos(), QPoint(0, 0));
  EXPECT_EQ(form.state().my.hi_name, Sjis("？？？？"));
}

TEST(MainWindowStart, AMissingRecordShowsAnErrorBoxAndTheWindowStillOpens) {
  RuntimeFolder folder;
  folder.remove("dat/my.dat");
  ModalBoxAnswerer answerer;
  TForm1 form(folder.path());
  ASSERT_EQ(answerer.seen().size(), 1u);
  const SeenBox& box = answerer.seen().front();
  EXPECT_EQ(box.caption, QStringLiteral("zeru"));
  EXPECT_EQ(box.icon, QMessageBox::Critical);
  EXPECT_EQ(box.text, QStringLiteral("ﾌｧｲﾙが見つかりません"));
  EXPECT_EQ(box.buttons, QStringList({"OK"}));
  // The rest of FormCreate did not run.
  EXPECT_EQ(Find(form, "entry_box")->pos(), QPoint(4, 0));
  EXPECT_TRUE(form.isTimerEnabled(GameTimer::Timer3));
}

class MainWindowTest : public ::testing::Test {
 protected:
  RuntimeFolder folder;
  TForm1 form{folder.path()};
};

TEST_F(MainWindowTest, LabelsShowGameTextAndGiveItBackByteForByte) {
  const std::string frame = Sjis("HP") + "\x82";  // a typing frame that ends inside が
  form.setText(Control::moji_l, frame);
  EXPECT_EQ(Find<LayoutLabel>(form, "moji_l")->text(), QStringLiteral("HP"));
  EXPECT_EQ(form.text(Control::moji_l), frame);
  form.setText(Control::moji_l, Sjis("あなたは死んだ!!\rGAMEOVER"));
  EXPECT_EQ(Find<LayoutLabel>(form, "moji_l")->text(), QStringLiteral("あなたは死んだ!!\nGAMEOVER"));
  EXPECT_EQ(form.text(Control::score_l), "It's too Far,Don't remenber yours....");
}

TEST_F(MainWindowTest, FontColourGaugesAndStatesReachTheControls) {
  form.setFontColor(Control::moji_l, colors::red);
  EXPECT_EQ(Find<LayoutLabel>(form, "moji_l")->textColor(), QColor(255, 0, 0));
  form.setGaugeMax(Control::hp_l, 10);
  form.setGaugeProgress(Control::hp_l, -3);
  auto* hp = Find<BarGauge>(form, "hp_l");
  EXPECT_EQ(hp->maxValue(), 10);
  EXPECT_EQ(hp->barWidth(), 0);
  form.setVisible(Control::tokkun_b, true);
  form.setEnabled(Control::tokkun_b, true);
  EXPECT_TRUE(form.isVisible(Control::tokkun_b));
  EXPECT_TRUE(form.isEnabled(Control::tokkun_b));
  // The entry's own state counts, whatever its box shows.
  EXPECT_FALSE(form.isVisible(Control::entry_box));
  EXPECT_TRUE(form.isVisible(Control::entry_l));
  form.setTimerEnabled(GameTimer::Timer1, true);
  EXPECT_TRUE(form.timer(GameTimer::Timer1)->isActive());
  form.setTimerEnabled(GameTimer::Timer1, false);
  EXPECT_FALSE(form.isTimerEnabled(GameTimer::Timer1));
}

TEST_F(MainWindowTest, TheTitleAnimationDrawsOnThePictureArea) {
  auto* cg = Find<PictureBox>(form, "cg");
  QTest::qWait(50);
  ASSERT_EQ(cg->picture().size(), QSize(273, 200));
  bool red = false, black = false;
  for (int i = 0; i < 40 && !(red && black); ++i) {
    QTest::qWait(3);
    QRgb pixel = cg->picture().pixel(20, 100);
    red = red || pixel == qRgb(255, 0, 0);
    black = black || pixel == qRgb(0, 0, 0);
  }
  EXPECT_TRUE(red);
  EXPECT_TRUE(black);
}

TEST_F(MainWindowTest, RestartStartsAHeroWithTheStartPicture) {
  QTest::mouseClick(Find(form, "Button1"), Qt::LeftButton);
  EXPECT_FALSE(form.isTimerEnabled(GameTimer::Timer3));
  EXPECT_TRUE(form.isTimerEnabled(GameTimer::Timer1));
  EXPECT_TRUE(form.isTimerEnabled(GameTimer::Timer2));
  for (const char* name : {"bouken_b", "magic_b", "shop_b", "tokkun_b"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(Find(form, name)->isEnabled());
  }
  EXPECT_FALSE(Find(form, "tokkun_b")->isVisibleTo(&form));
  auto* cg = Find<PictureBox>(form, "cg");
  EXPECT_TRUE(cg->stretch());
  EXPECT_EQ(cg->picture(), RuntimeFolder::StartPicture());
  EXPECT_EQ(Find<LayoutLabel>(form, "moji_l")->text(), QStringLiteral("どうしますか？"));
  EXPECT_EQ(form.state().my.days_left, 365);
}

TEST_F(MainWindowTest, ASecondRestartAsksAndNoChangesNothing) {
  QTest::mouseClick(Find(form, "Button1"), Qt::LeftButton);
  form.state().my.gold = 77;
  {
    ModalBoxAnswerer answerer;  // Escape: No
    QTest::mouseClick(Find(form, "Button1"), Qt::LeftButton);
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen().front().caption, QStringLiteral("確認"));
    EXPECT_EQ(answerer.seen().front().text, QStringLiteral("ＯＫ？"));
    EXPECT_EQ(answerer.seen().front().icon, QMessageBox::Question);
  }
  EXPECT_EQ(form.state().my.gold, 77);
  {
    ModalBoxAnswerer answerer([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    QTest::mouseClick(Find(form, "Button1"), Qt::LeftButton);
    EXPECT_EQ(answerer.seen().size(), 1u);
  }
  EXPECT_EQ(form.state().my.gold, 0);
}

TEST_F(MainWindowTest, TheGameGoesOnBehindAModalBox) {
  QTest::mouseClick(Find(form, "Button1"), Qt::LeftButton);
  form.setText(Control::score_l, "before the box");
  std::string behindTheBox;
  ModalBoxAnswerer answerer([&](QWidget* box) {
    QTest::qWait(100);
    behindTheBox = form.text(Control::score_l);
    QTest::keyClick(box, Qt::Key_Escape);
  });
  QTest::mouseClick(Find(form, "Button1"), Qt::LeftButton);
  ASSERT_EQ(answerer.seen().size(), 1u);
  EXPECT_EQ(behindTheBox.substr(0, 6), "POINT:");  // the status refresh ran meanwhile
}

TEST_F(MainWindowTest, AMissingStartPictureShowsAnErrorAndTheHeroIsStartedAnyway) {
  folder.remove("cg/start.bmp");
  ModalBoxAnswerer answerer;
  QTest::mouseClick(Find(form, "Button1"), Qt::LeftButton);
  ASSERT_EQ(answerer.seen().size(), 1u);
  EXPECT_EQ(answerer.seen().front().caption, QStringLiteral("zeru"));
  EXPECT_TRUE(answerer.seen().front().text.contains(QStringLiteral("start.bmp")));
  EXPECT_TRUE(Find(form, "bouken_b")->isEnabled());
  EXPECT_TRUE(form.isTimerEnabled(GameTimer::Timer2));
}

TEST_F(MainWindowTest, OnTheTitleScreenOneTabReachesTheRecordResetAndSpacePressesIt) {
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(QApplication::focusWidget(), Find(form, "Button1"));
  QTest::keyClick(&form, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Find(form, "BitBtn1"));
  folder.write("dat/my.dat", "");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  std::string record = folder.read("dat/my.dat");
  EXPECT_EQ(record.substr(0, 10), Sjis("？？？？") + "\r\n");
  EXPECT_TRUE(std::filesystem::exists(folder.file("結果.txt")));
}

TEST_F(MainWindowTest, EnterPressesAFocusedButtonButNotFromTheNameEdit) {
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.setVisible(Control::entry_box, true);
  QSignalSpy ok(Find<QPushButton>(form, "Button2"), &QPushButton::clicked);
  auto* edit = Find<QLineEdit>(form, "entry_l");
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(ok.count(), 0);
  EXPECT_TRUE(form.isVisible(Control::entry_box));
  QTest::keyClick(&form, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Find(form, "Button2"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(ok.count(), 1);
  EXPECT_FALSE(form.isVisible(Control::entry_box));
}

TEST_F(MainWindowTest, TipsAndTheEmptyNameShowPlainBoxesLineByLine) {
  form.setVisible(Control::entry_box, true);
  ModalBoxAnswerer answerer;
  QTest::mouseClick(Find(form, "Button3"), Qt::LeftButton);
  Find<QLineEdit>(form, "entry_l")->clear();
  QTest::mouseClick(Find(form, "Button2"), Qt::LeftButton);
  ASSERT_EQ(answerer.seen().size(), 2u);
  const SeenBox& tips = answerer.seen()[0];
  EXPECT_EQ(tips.caption, QStringLiteral("zeru"));
  EXPECT_EQ(tips.icon, QMessageBox::NoIcon);
  EXPECT_EQ(tips.buttons, QStringList({"OK"}));
  EXPECT_EQ(tips.text.split('\n').size(), 10);
  EXPECT_TRUE(tips.text.startsWith(QStringLiteral("●得点計算\n\nLV:1000\n")));
  EXPECT_EQ(answerer.seen()[1].text, QStringLiteral("名前を入力してね"));
  EXPECT_TRUE(form.isVisible(Control::entry_box));
}

}  // namespace
