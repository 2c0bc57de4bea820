// The main window's controls as the layout gives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "game/qt/bar_gauge.h"
#include "game/qt/layout_label.h"
#include "game/qt/main_window.h"
#include "game/qt/title_texts.h"
#include "support/qt_printers.h"
#include "support/runtime_folder.h"

namespace {

const QString kPGothic = QStringLiteral("IPAPGothic");
const QString kPMincho = QStringLiteral("IPAPMincho");
const QString kGothic = QStringLiteral("IPAGothic");

class LayoutTest : public ::testing::Test {
 protected:
  template <typename T = QWidget>
  T* find(const char* name) {
    T* widget = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  RuntimeFolder folder;
  TForm1 form{folder.path()};
};

TEST_F(LayoutTest, WindowIsFixedCentredAndTitled) {
  EXPECT_EQ(form.size(), QSize(455, 351));
  EXPECT_EQ(form.minimumSize(), QSize(455, 351));
  EXPECT_EQ(form.maximumSize(), QSize(455, 351));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("ザムリザムリヨルネピア　ver1.0 Zeru Works"));
  Qt::WindowFlags flags = form.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(form.geometry().center(), form.screen()->availableGeometry().center());
  EXPECT_EQ(QFontInfo(form.font()).family(), kPGothic);
  EXPECT_EQ(form.font().pixelSize(), 12);
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("zeru"));
}

struct ControlRow {
  const char* name;
  QRect geometry;
  QString family;  // as resolved
  int pixels;
  bool bold;
  bool italic;
  QString text;
  QString hint;
  bool visible;
  bool enabled;
};

TEST_F(LayoutTest, EveryControlHasItsPlaceFontTextAndState) {
  const ControlRow rows[] = {
      {"moji_l", {0, 204, 273, 101}, kPMincho, 16, false, false, MojiTitleText(), {}, true, true},
      {"state_l", {276, 0, 177, 201}, kGothic, 16, true, false, StateTitleText(), {}, true, true},
      {"stage_l", {0, 184, 273, 17}, kPGothic, 13, true, false, {}, {}, true, true},
      {"score_l",
       {0, 308, 273, 16},
       kPGothic,
       16,
       true,
       false,
       "It's too Far,Don't remenber yours....",
       {},
       true,
       true},
      {"hi_l",
       {0, 336, 453, 12},
       kPGothic,
       12,
       true,
       false,
       "whrer is here ? Why am I here ? GO! GO! still destroy my body !!!!!!!!!!!!!!!",
       {},
       true,
       true},
      {"time_l", {0, 172, 273, 17}, kPGothic, 13, true, false, {}, {}, true, true},
      {"bouken_b",
       {276, 204, 177, 33},
       kPGothic,
       13,
       true,
       false,
       "冒険！！！",
       "このボタン１つで世界の謎を全て解き明かせ!!",
       true,
       false},
      {"Button1", {276, 308, 177, 25}, kPGothic, 13, true, true, "ＲｅＳＴＡＲＴ !!!", {}, true, true},
      {"magic_b",
       {276, 240, 177, 33},
       kPGothic,
       13,
       true,
       false,
       "魔法で回復！！！",
       "MPを２消費してHPを１回復する。",
       true,
       false},
      {"entry_box", {0, 0, 273, 201}, kPGothic, 13, true, true, "NEW RECORD !!!!!", {}, false, true},
      {"shop_b",
       {276, 276, 177, 29},
       kPGothic,
       13,
       true,
       false,
       "★ショッピング",
       "買い物をするとお金は0になる。高い所持金の状態で買うほど、いい品物が入手可能だ。",
       true,
       false},
      {"tokkun_b",
       {276, 276, 177, 29},
       kPGothic,
       13,
       true,
       false,
       "修行(-20G)",
       "修行は1回２０Ｇ必要。１回行えばこのボタンは消える。",
       false,
       false},
      {"BitBtn1", {68, 364, 85, 29}, kPGothic, 12, false, false, "BitBtn1", {}, true, true},
      {"Label10", {20, 32, 161, 19}, kPGothic, 19, true, true, "新記録達成！！！", {}, true, true},
      {"Label12", {20, 52, 222, 19}, kPGothic, 19, true, true, "ENTRY YOUR NAME！！", {}, true, true},
      {"Label13",
       {4, 176, 129, 29},
       kPGothic,
       11,
       true,
       true,
       "インターネットランキングにチャレンジしよう!!",
       {},
       true,
       true},
      {"Label1", {4, 128, 265, 29}, kPGothic, 11, true, true, CreditsLineText(), {}, true, true},
      {"entry_l", {48, 92, 177, 27}, kPMincho, 21, true, true, "？？？？", {}, true, true},
      {"Button2", {168, 172, 101, 25}, kPGothic, 13, true, true, "OK !!!", {}, true, true},
      {"Button3", {168, 144, 101, 25}, kPGothic, 13, true, true, "ＴＩＰＳ", {}, true, true},
  };
  for (const ControlRow& row : rows) {
    SCOPED_TRACE(row.name);
    QWidget* widget = find(row.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), row.geometry);
    QFontInfo font(widget->font());
    EXPECT_EQ(font.family(), row.family);
    EXPECT_EQ(widget->font().pixelSize(), row.pixels);
    EXPECT_EQ(font.bold(), row.bold);
    EXPECT_EQ(font.italic(), row.italic);
    QString text;
    if (auto* label = dynamic_cast<LayoutLabel*>(widget)) text = label->text();
    if (auto* button = qobject_cast<QPushButton*>(widget)) text = button->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget)) text = box->title();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) text = edit->text();
    EXPECT_EQ(text, row.text);
    EXPECT_EQ(widget->toolTip(), row.hint);
    EXPECT_EQ(widget->isVisibleTo(widget->parentWidget()), row.visible);
    EXPECT_EQ(widget->isEnabled(), row.enabled);
  }
}

TEST_F(LayoutTest, TitleTextsCarryTheirRunsOfBlanksAndTheCredit) {
  QString moji = QStringLiteral("ﾌｶｸ、ﾌｶｸ、ｺﾉﾎｺﾗﾉ、日ﾉ光果ﾃﾙﾊﾞｼｮﾍ") + QString(75, QChar(0x3000)) +
                 QString(5, ' ') + QStringLiteral("ザムリザムリヨルネピア") + QString(9, ' ') +
                 QStringLiteral("PRESENTED BY Zeru Works");
  EXPECT_EQ(MojiTitleText(), moji);
  QString state = QStringLiteral("Braver Zamuri-Zamuri    －ﾄﾞｺﾏﾃﾞﾂﾂﾞｸﾉﾀﾞﾛｳ ? －2000/04") + QString(11, ' ') +
                  QStringLiteral("－created") + QString(11, ' ') + QStringLiteral("－From Zeru Works") +
                  QString(8, ' ') + QString(12, '.') + QString(5, ' ') + QString(15, '.') + QString(14, ' ') +
                  QString(6, '.') + QString(13, ' ') + QString(7, '.') + QString(12, ' ') + QString(8, '.') +
                  QStringLiteral(" Explorer !!!!!!!!!! Yet,body not broken");
  EXPECT_EQ(StateTitleText(), state);
  EXPECT_TRUE(CreditsLineText().contains(QStringLiteral("Zeru Works")));
  EXPECT_TRUE(CreditsLineText().contains(QStringLiteral("2000")));
}

struct LabelLookRow {
  const char* name;
  QColor text;
  QColor fill;  // invalid: transparent
  Qt::AlignmentFlag alignment;
  bool wordWrap;
};

TEST_F(LayoutTest, LabelsHaveTheirColoursAlignmentAndWrapping) {
  const QColor none;
  const LabelLookRow rows[] = {
      {"moji_l", QColor(255, 255, 255), QColor(0, 0, 0), Qt::AlignLeft, true},
      {"state_l", QColor(0, 255, 0), QColor(0, 0, 160), Qt::AlignLeft, true},
      {"stage_l", QColor(255, 0, 255), none, Qt::AlignRight, false},
      {"score_l", QColor(0, 0, 255), QColor(180, 180, 218), Qt::AlignLeft, false},
      {"hi_l", QColor(0, 0, 128), QColor(128, 128, 192), Qt::AlignLeft, false},
      {"time_l", QColor(255, 0, 255), none, Qt::AlignRight, false},
      {"Label10", QColor(255, 0, 255), QColor(0, 0, 0), Qt::AlignLeft, false},
      {"Label12", QColor(255, 0, 255), QColor(0, 0, 0), Qt::AlignLeft, false},
      {"Label13", QColor(255, 0, 255), none, Qt::AlignLeft, true},
      {"Label1", QColor(255, 0, 255), none, Qt::AlignLeft, true},
  };
  for (const LabelLookRow& row : rows) {
    SCOPED_TRACE(row.name);
    auto* label = dynamic_cast<LayoutLabel*>(find(row.name));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textColor(), row.text);
    EXPECT_EQ(label->isTransparent(), !row.fill.isValid());
    if (row.fill.isValid()) {
      EXPECT_EQ(label->palette().color(QPalette::Window), row.fill);
    }
    EXPECT_EQ(label->horizontalAlignment(), row.alignment);
    EXPECT_EQ(label->wordWrap(), row.wordWrap);
  }
}

TEST_F(LayoutTest, GaugesHaveTheirRangeProgressAndColours) {
  struct Row {
    const char* name;
    int32_t max;
    QColor bar, background, control;
  } rows[] = {
      {"score_ll", 18000, QColor(0, 0, 255), QColor(0, 164, 242), QColor()},
      {"hp_l", 100, QColor(255, 0, 128), QColor(128, 128, 255), QColor(255, 128, 192)},
      {"mp_l", 100, QColor(128, 0, 255), QColor(128, 128, 255), QColor(255, 128, 192)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto* gauge = dynamic_cast<BarGauge*>(find(row.name));
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->maxValue(), row.max);
    EXPECT_EQ(gauge->progress(), 30);
    EXPECT_EQ(gauge->colors().bar, row.bar);
    EXPECT_EQ(gauge->colors().background, row.background);
    EXPECT_EQ(gauge->colors().control, row.control);
  }
  EXPECT_EQ(find("score_ll")->geometry(), QRect(0, 324, 273, 9));
  EXPECT_EQ(find("hp_l")->geometry(), QRect(368, 34, 85, 11));
  EXPECT_EQ(find("mp_l")->geometry(), QRect(368, 50, 85, 11));
}

TEST_F(LayoutTest, PicturesAreInPlaceAndTheTitleIsHeldHidden) {
  auto* cg = dynamic_cast<PictureBox*>(find("cg"));
  auto* bak = dynamic_cast<PictureBox*>(find("bak"));
  ASSERT_NE(cg, nullptr);
  ASSERT_NE(bak, nullptr);
  EXPECT_EQ(cg->geometry(), QRect(0, 0, 273, 200));
  EXPECT_FALSE(cg->stretch());
  EXPECT_TRUE(cg->isVisibleTo(&form));
  EXPECT_EQ(bak->geometry(), QRect(464, 68, 25, 25));
  EXPECT_FALSE(bak->isVisibleTo(&form));
  EXPECT_EQ(bak->picture().size(), QSize(320, 256));
}

TEST_F(LayoutTest, ControlsAreStackedInCreationOrder) {
  QStringList order;
  for (QObject* child : form.children()) {
    if (child->isWidgetType()) order << child->objectName();
  }
  EXPECT_EQ(order, QStringList({"moji_l", "state_l", "cg", "stage_l", "score_l", "hi_l", "score_ll", "time_l",
                                "hp_l", "mp_l", "bak", "bouken_b", "Button1", "magic_b", "entry_box",
                                "shop_b", "tokkun_b", "BitBtn1"}));
  QStringList inBox;
  for (QObject* child : find("entry_box")->children()) {
    if (child->isWidgetType()) inBox << child->objectName();
  }
  EXPECT_EQ(inBox, QStringList({"Label10", "Label12", "Label13", "Label1", "entry_l", "Button2", "Button3"}));
}

TEST_F(LayoutTest, TabOrderFollowsTheLayout) {
  QStringList chain;
  QWidget* start = find("bouken_b");
  QWidget* widget = start;
  do {
    if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != start && chain.size() < 20);
  EXPECT_EQ(chain, QStringList({"bouken_b", "Button1", "magic_b", "entry_l", "Button2", "Button3", "tokkun_b",
                                "shop_b", "BitBtn1"}));
}

TEST_F(LayoutTest, GlyphButtonsShowTheirGlyphAndPlainButtonsNone) {
  for (const char* name : {"bouken_b", "magic_b", "shop_b", "tokkun_b"}) {
    SCOPED_TRACE(name);
    auto* button = find<QPushButton>(name);
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(button->iconSize(), QSize(24, 24));
  }
  for (const char* name : {"Button1", "BitBtn1", "Button2", "Button3"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(find<QPushButton>(name)->icon().isNull());
  }
}

TEST(LayoutWithoutGlyphs, ButtonsShowTheirCaptionAlone) {
  RuntimeFolder folder;
  for (const char* glyph : {"cg/glyph_sword.bmp", "cg/glyph_moon.bmp", "cg/glyph_book.bmp"})
    folder.remove(glyph);
  TForm1 form(folder.path());
  auto* bouken = form.findChild<QPushButton*>("bouken_b");
  ASSERT_NE(bouken, nullptr);
  EXPECT_TRUE(bouken->icon().isNull());
  EXPECT_EQ(bouken->text(), QStringLiteral("冒険！！！"));
}

TEST_F(LayoutTest, TimersStartAsTheLayoutSays) {
  QTimer* timer1 = form.timer(GameTimer::Timer1);
  QTimer* timer2 = form.timer(GameTimer::Timer2);
  QTimer* timer3 = form.timer(GameTimer::Timer3);
  EXPECT_EQ(timer1->interval(), 3000);
  EXPECT_FALSE(timer1->isActive());
  EXPECT_EQ(timer2->interval(), 10);
  EXPECT_FALSE(timer2->isActive());
  EXPECT_EQ(timer3->interval(), 5);
  EXPECT_TRUE(timer3->isActive());
}

TEST_F(LayoutTest, JapaneseTextHasGlyphsInTheLayoutFonts) {
  for (const char* name : {"moji_l", "state_l", "Label10", "entry_l"}) {
    SCOPED_TRACE(name);
    QFontMetrics metrics(find(name)->font());
    for (QChar c : QStringLiteral("ザムリ新記録達成？ﾌｶｸ－"))
      EXPECT_TRUE(metrics.inFont(c)) << int{c.unicode()};
  }
}

}  // namespace
