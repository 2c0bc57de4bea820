// The layout of the main window: every control at its place, in creation order.
#include <QColor>

#include "game/qt/layout_button.h"
#include "game/qt/layout_fonts.h"
#include "game/qt/layout_label.h"
#include "game/qt/main_window.h"
#include "game/qt/name_validator.h"
#include "game/qt/title_texts.h"

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kLime(0, 255, 0);
const QColor kFuchsia(255, 0, 255);
const QColor kBlue(0, 0, 255);
const QColor kNavy(0, 0, 128);
const QColor kYellow(255, 255, 0);

constexpr int kNameBytes = 10;  // 5 full-width characters

}  // namespace

void TForm1::createControls(const std::filesystem::path& exeDir) {
  moji_l = new LayoutLabel(this, "moji_l", {0, 204, 273, 101},
                           {LayoutFont(kPMincho, 16), kWhite, kBlack, true, Qt::AlignLeft}, MojiTitleText());
  state_l = new LayoutLabel(
      this, "state_l", {276, 0, 177, 201},
      {LayoutFont(kGothic, 16, FontStyle::bold), kLime, QColor(0, 0, 160), true, Qt::AlignLeft},
      StateTitleText());
  cg = new PictureBox(this);
  cg->setObjectName("cg");
  cg->setGeometry(0, 0, 273, 200);
  stage_l = new LayoutLabel(
      this, "stage_l", {0, 184, 273, 17},
      {LayoutFont(kPGothic, 13, FontStyle::bold), kFuchsia, std::nullopt, false, Qt::AlignRight}, QString());
  score_l = new LayoutLabel(
      this, "score_l", {0, 308, 273, 16},
      {LayoutFont(kPGothic, 16, FontStyle::bold), kBlue, QColor(180, 180, 218), false, Qt::AlignLeft},
      QStringLiteral("It's too Far,Don't remenber yours...."));
  hi_l = new LayoutLabel(
      this, "hi_l", {0, 336, 453, 12},
      {LayoutFont(kPGothic, 12, FontStyle::bold), kNavy, QColor(128, 128, 192), false, Qt::AlignLeft},
      QStringLiteral("whrer is here ? Why am I here ? GO! GO! still destroy my body !!!!!!!!!!!!!!!"));
  score_ll = new BarGauge(this, {kBlue, QColor(0, 164, 242), QColor()}, 18000, 30);
  score_ll->setObjectName("score_ll");
  score_ll->setGeometry(0, 324, 273, 9);
  time_l = new LayoutLabel(
      this, "time_l", {0, 172, 273, 17},
      {LayoutFont(kPGothic, 13, FontStyle::bold), kFuchsia, std::nullopt, false, Qt::AlignRight}, QString());
  hp_l = new BarGauge(this, {QColor(255, 0, 128), QColor(128, 128, 255), QColor(255, 128, 192)}, 100, 30);
  hp_l->setObjectName("hp_l");
  hp_l->setGeometry(368, 34, 85, 11);
  mp_l = new BarGauge(this, {QColor(128, 0, 255), QColor(128, 128, 255), QColor(255, 128, 192)}, 100, 30);
  mp_l->setObjectName("mp_l");
  mp_l->setGeometry(368, 50, 85, 11);
  // The title picture's holder; it lies outside the client area and is never shown.
  bak = new PictureBox(this);
  bak->setObjectName("bak");
  bak->setGeometry(464, 68, 25, 25);
  bak->hide();

  const std::filesystem::path glyphs = exeDir / "cg";
  const QFont buttonFont = LayoutFont(kPGothic, 13, FontStyle::bold);
  bouken_b = CreateGlyphButton(this, "bouken_b", {276, 204, 177, 33}, QStringLiteral("冒険！！！"),
                               QStringLiteral("このボタン１つで世界の謎を全て解き明かせ!!"),
                               glyphs / "glyph_sword.bmp");
  bouken_b->setFont(buttonFont);
  bouken_b->setEnabled(false);
  Button1 = CreateButton(this, "Button1", {276, 308, 177, 25}, QStringLiteral("ＲｅＳＴＡＲＴ !!!"));
  Button1->setFont(LayoutFont(kPGothic, 13, FontStyle::boldItalic));
  magic_b = CreateGlyphButton(this, "magic_b", {276, 240, 177, 33}, QStringLiteral("魔法で回復！！！"),
                              QStringLiteral("MPを２消費してHPを１回復する。"), glyphs / "glyph_moon.bmp");
  magic_b->setFont(buttonFont);
  magic_b->setEnabled(false);

  entry_box = new QGroupBox(QStringLiteral("NEW RECORD !!!!!"), this);
  entry_box->setObjectName("entry_box");
  entry_box->setGeometry(4, 0, 273, 201);
  entry_box->setFlat(true);
  entry_box->setFont(LayoutFont(kPGothic, 13, FontStyle::boldItalic));
  QPalette boxPalette = entry_box->palette();
  boxPalette.setColor(QPalette::Window, kBlack);
  boxPalette.setColor(QPalette::WindowText, kYellow);
  boxPalette.setColor(QPalette::Text, kYellow);  // the caption's colour
  entry_box->setPalette(boxPalette);
  entry_box->setAutoFillBackground(true);
  createEntryBoxContents();
  entry_box->hide();

  shop_b = CreateGlyphButton(
      this, "shop_b", {276, 276, 177, 29}, QStringLiteral("★ショッピング"),
      QStringLiteral("買い物をするとお金は0になる。高い所持金の状態で買うほど、いい品物が入手可能だ。"),
      glyphs / "glyph_book.bmp");
  shop_b->setFont(buttonFont);
  shop_b->setEnabled(false);
  tokkun_b = CreateGlyphButton(this, "tokkun_b", {276, 276, 177, 29}, QStringLiteral("修行(-20G)"),
                               QStringLiteral("修行は1回２０Ｇ必要。１回行えばこのボタンは消える。"),
                               glyphs / "glyph_book.bmp");
  tokkun_b->setFont(buttonFont);
  tokkun_b->setEnabled(false);
  tokkun_b->hide();
  // Below the client area: never seen, reachable only with Tab.
  BitBtn1 = CreateButton(this, "BitBtn1", {68, 364, 85, 29}, QStringLiteral("BitBtn1"));
}

void TForm1::createEntryBoxContents() {
  const QFont bigFont = LayoutFont(kPGothic, 19, FontStyle::boldItalic);
  const QFont smallFont = LayoutFont(kPGothic, 11, FontStyle::boldItalic);
  Label10 =
      new LayoutLabel(entry_box, "Label10", {20, 32, 161, 19},
                      {bigFont, kFuchsia, kBlack, false, Qt::AlignLeft}, QStringLiteral("新記録達成！！！"));
  Label12 = new LayoutLabel(entry_box, "Label12", {20, 52, 222, 19},
                            {bigFont, kFuchsia, kBlack, false, Qt::AlignLeft},
                            QStringLiteral("ENTRY YOUR NAME！！"));
  Label13 = new LayoutLabel(entry_box, "Label13", {4, 176, 129, 29},
                            {smallFont, kFuchsia, std::nullopt, true, Qt::AlignLeft},
                            QStringLiteral("インターネットランキングにチャレンジしよう!!"));
  Label1 = new LayoutLabel(entry_box, "Label1", {4, 128, 265, 29},
                           {smallFont, kFuchsia, std::nullopt, true, Qt::AlignLeft}, CreditsLineText());

  entry_l = new QLineEdit(QStringLiteral("？？？？"), entry_box);
  entry_l->setObjectName("entry_l");
  entry_l->setGeometry(48, 92, 177, 27);
  entry_l->setFont(LayoutFont(kPMincho, 21, FontStyle::boldItalic));
  QPalette editPalette = entry_l->palette();
  editPalette.setColor(QPalette::Text, kBlack);
  editPalette.setColor(QPalette::Base, kWhite);
  entry_l->setPalette(editPalette);
  entry_l->setValidator(new NameValidator(kNameBytes, entry_l));

  Button2 = CreateButton(entry_box, "Button2", {168, 172, 101, 25}, QStringLiteral("OK !!!"));
  Button3 = CreateButton(entry_box, "Button3", {168, 144, 101, 25}, QStringLiteral("ＴＩＰＳ"));
}

void TForm1::createTimers() {
  Timer2 = new QTimer(this);
  Timer2->setObjectName("Timer2");
  Timer2->setInterval(10);
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(3000);
  Timer3 = new QTimer(this);
  Timer3->setObjectName("Timer3");
  Timer3->setInterval(5);
  Timer3->start();
}

void TForm1::setTabOrder() {
  QWidget* order[] = {bouken_b, Button1, magic_b, entry_l, Button2, Button3, tokkun_b, shop_b, BitBtn1};
  for (size_t i = 0; i + 1 < std::size(order); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}
