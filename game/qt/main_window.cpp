#include "game/qt/main_window.h"

#include <QScreen>
#include <exception>
#include <stdexcept>
#include <utility>

#include "game/cp932.h"
#include "game/game_error.h"
#include "game/qt/display_text.h"
#include "game/qt/layout_fonts.h"
#include "game/qt/layout_label.h"
#include "game/qt/message_boxes.h"
#include "game/qt/qt_message_windows.h"
#include "game/qt/title_texts.h"
#include "game/qt/wave_mix_component.h"

namespace {

QColor ToQColor(Rgb color) { return QColor(color.r, color.g, color.b); }

QRect ToQRect(Rect area) {
  return QRect(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

}  // namespace

TForm1::TForm1(std::filesystem::path exeDir) : QWidget(nullptr), WaveMix1_(CreateWaveMix1()) {
  setObjectName("Form1");
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(WindowTitleText());
  setFont(LayoutFont(kPGothic, 12));
  setFixedSize(455, 351);
  if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());

  createControls(exeDir);
  createTimers();
  setTabOrder();
  connectHandlers();
  Button1->setFocus();

  // While a message types, the mixer's notices (and nothing else) are delivered between frames.
  waiter_.setMixerNoticeDelivery(&QtMessageWindows::deliverPosted);
  game_ = std::make_unique<Game>(state_, *this, WaveMix1_.get(), random_, waiter_, std::move(exeDir));
  run(&Game::FormCreate);
}

TForm1::~TForm1() {
  Timer1->stop();
  Timer2->stop();
  Timer3->stop();
  try {
    game_->FormDestroy();
  } catch (const std::exception&) {
    // Nothing can be shown any more; shutdown goes on.
  }
}

void TForm1::connectHandlers() {
  auto on = [this](QPushButton* button, void (Game::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] { run(handler); });
  };
  on(bouken_b, &Game::bouken_bClick);
  on(Button1, &Game::Button1Click);
  on(magic_b, &Game::magic_bClick);
  on(shop_b, &Game::shop_bClick);
  on(tokkun_b, &Game::tokkun_bClick);
  on(BitBtn1, &Game::BitBtn1Click);
  on(Button2, &Game::Button2Click);
  on(Button3, &Game::Button3Click);
  connect(Timer1, &QTimer::timeout, this, [this] { run(&Game::Timer1Timer); });
  connect(Timer2, &QTimer::timeout, this, [this] { run(&Game::Timer2Timer); });
  connect(Timer3, &QTimer::timeout, this, [this] { run(&Game::Timer3Timer); });
}

void TForm1::run(void (Game::*handler)()) {
  try {
    (game_.get()->*handler)();
  } catch (const GameError& error) {
    showError(error.what());
  } catch (const std::exception& error) {
    // Not one of the game's own failures, but the program still goes on after the box.
    showError(error.what());
  }
}

QWidget* TForm1::control(Control control) const {
  switch (control) {
    case Control::moji_l:
      return moji_l;
    case Control::state_l:
      return state_l;
    case Control::cg:
      return cg;
    case Control::stage_l:
      return stage_l;
    case Control::score_l:
      return score_l;
    case Control::hi_l:
      return hi_l;
    case Control::score_ll:
      return score_ll;
    case Control::time_l:
      return time_l;
    case Control::hp_l:
      return hp_l;
    case Control::mp_l:
      return mp_l;
    case Control::bak:
      return bak;
    case Control::bouken_b:
      return bouken_b;
    case Control::Button1:
      return Button1;
    case Control::magic_b:
      return magic_b;
    case Control::entry_box:
      return entry_box;
    case Control::shop_b:
      return shop_b;
    case Control::tokkun_b:
      return tokkun_b;
    case Control::BitBtn1:
      return BitBtn1;
    case Control::entry_l:
      return entry_l;
  }
  throw std::logic_error("unknown control");
}

QTimer* TForm1::timer(GameTimer timer) const {
  switch (timer) {
    case GameTimer::Timer1:
      return Timer1;
    case GameTimer::Timer2:
      return Timer2;
    case GameTimer::Timer3:
      return Timer3;
  }
  throw std::logic_error("unknown timer");
}

PictureBox* TForm1::picture(Control target) const {
  if (target == Control::cg) return cg;
  if (target == Control::bak) return bak;
  throw std::logic_error("not a picture control");
}

BarGauge* TForm1::gauge(Control control) const {
  if (auto* bar = qobject_cast<BarGauge*>(this->control(control))) return bar;
  throw std::logic_error("not a gauge");
}

void TForm1::setText(Control control, const std::string& text) {
  QWidget* widget = this->control(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(DisplayText(text));
    return;
  }
  // The refresh sets the same texts every 10 ms: only a changed text is converted for the screen.
  auto [stored, added] = texts_.try_emplace(control, text);
  if (!added) {
    if (stored->second == text) return;
    stored->second = text;
  }
  const QString shown = DisplayText(text);
  if (auto* label = qobject_cast<LayoutLabel*>(widget)) {
    label->setText(shown);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(shown);
  } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    box->setTitle(shown);
  }
}

std::string TForm1::text(Control control) const {
  if (control == Control::entry_l)
    return TryCp932FromUtf8(entry_l->text().toStdString()).value_or(std::string());
  if (auto it = texts_.find(control); it != texts_.end()) return it->second;
  QWidget* widget = this->control(control);
  QString shown;
  if (auto* label = qobject_cast<LayoutLabel*>(widget)) {
    shown = label->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    shown = button->text();
  } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    shown = box->title();
  }
  return TryCp932FromUtf8(shown.toStdString()).value_or(std::string());
}

void TForm1::setFontColor(Control control, Rgb color) {
  QWidget* widget = this->control(control);
  if (auto* label = qobject_cast<LayoutLabel*>(widget)) {
    label->setTextColor(ToQColor(color));
    return;
  }
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, ToQColor(color));
  palette.setColor(QPalette::Text, ToQColor(color));
  widget->setPalette(palette);
}

void TForm1::setGaugeMax(Control control, int32_t value) { gauge(control)->setMaxValue(value); }

void TForm1::setGaugeProgress(Control control, int32_t value) { gauge(control)->setProgress(value); }

void TForm1::setEnabled(Control control, bool enabled) { this->control(control)->setEnabled(enabled); }

bool TForm1::isEnabled(Control control) const {
  return !this->control(control)->testAttribute(Qt::WA_ForceDisabled);
}

void TForm1::setVisible(Control control, bool visible) { this->control(control)->setVisible(visible); }

bool TForm1::isVisible(Control control) const {
  QWidget* widget = this->control(control);
  return widget->isVisibleTo(widget->parentWidget());
}

void TForm1::moveTo(Control control, int left, int top) { this->control(control)->move(left, top); }

void TForm1::setTimerEnabled(GameTimer which, bool enabled) {
  QTimer* t = timer(which);
  if (!enabled) {
    t->stop();
  } else if (!t->isActive()) {
    t->start();
  }
}

bool TForm1::isTimerEnabled(GameTimer which) const { return timer(which)->isActive(); }

void TForm1::loadPicture(Control target, const std::filesystem::path& file) {
  picture(target)->loadFromFile(file);
}

void TForm1::setPictureStretch(bool stretch) { cg->setStretch(stretch); }

void TForm1::fillPictureBlack(Rect area) { cg->fillBlack(ToQRect(area)); }

void TForm1::copyTitle(Rect destination) {
  cg->copyStretched(*bak, QRect(0, 0, 318, 253), ToQRect(destination));
}

void TForm1::repaintNow() { repaint(); }

bool TForm1::askYesNo(const std::string& message, const std::string& caption) {
  ConfirmationBox box(DisplayText(message), DisplayText(caption), this);
  return box.ask();
}

void TForm1::showMessage(const std::string& message) { MakeMessageBox(DisplayText(message), this)->exec(); }

void TForm1::showError(const std::string& message) { MakeErrorBox(DisplayText(message), this)->exec(); }
