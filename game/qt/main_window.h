#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "game/game.h"
#include "game/game_state.h"
#include "game/game_view.h"
#include "game/qt/bar_gauge.h"
#include "game/qt/clock_seeded_random.h"
#include "game/qt/layout_label.h"
#include "game/qt/picture_box.h"
#include "game/qt/sleeping_waiter.h"

// The main window Form1: every control of the layout, the three timers, the game state and the
// rules, wired together. Creating it runs FormCreate; destroying it runs FormDestroy.
class TForm1 : public QWidget, public GameView {
 public:
  // exeDir: the folder that holds dat/ and cg/.
  explicit TForm1(std::filesystem::path exeDir);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  using QWidget::isEnabled;
  using QWidget::isVisible;
  using QWidget::setEnabled;
  using QWidget::setVisible;

  void setText(Control control, const std::string& text) override;
  std::string text(Control control) const override;
  void setFontColor(Control control, Rgb color) override;
  void setGaugeMax(Control gauge, int32_t value) override;
  void setGaugeProgress(Control gauge, int32_t value) override;
  void setEnabled(Control control, bool enabled) override;
  bool isEnabled(Control control) const override;
  void setVisible(Control control, bool visible) override;
  bool isVisible(Control control) const override;
  void moveTo(Control control, int left, int top) override;
  void setTimerEnabled(GameTimer timer, bool enabled) override;
  bool isTimerEnabled(GameTimer timer) const override;
  void loadPicture(Control target, const std::filesystem::path& file) override;
  void setPictureStretch(bool stretch) override;
  void fillPictureBlack(Rect area) override;
  void copyTitle(Rect destination) override;
  void repaintNow() override;
  bool askYesNo(const std::string& message, const std::string& caption) override;
  void showMessage(const std::string& message) override;
  void showError(const std::string& message) override;

  QWidget* control(Control control) const;
  QTimer* timer(GameTimer timer) const;
  GameState& state() { return state_; }

 private:
  // The layout, in creation order: a later control lies above an earlier one.
  void createControls(const std::filesystem::path& exeDir);
  void createEntryBoxContents();
  void createTimers();
  void setTabOrder();
  void connectHandlers();

  // Runs a handler of the rules. A GameError ends it with an error box and the program goes on.
  void run(void (Game::*handler)());

  PictureBox* picture(Control target) const;
  BarGauge* gauge(Control control) const;

  GameState state_;
  ClockSeededRandom random_;
  SleepingWaiter waiter_;
  std::unique_ptr<SoundOutput> WaveMix1_;
  std::unique_ptr<Game> game_;
  // Game text as last set, in code page 932, for the controls whose text the rules write.
  std::map<Control, std::string> texts_;

  LayoutLabel* moji_l = nullptr;
  LayoutLabel* state_l = nullptr;
  PictureBox* cg = nullptr;
  LayoutLabel* stage_l = nullptr;
  LayoutLabel* score_l = nullptr;
  LayoutLabel* hi_l = nullptr;
  BarGauge* score_ll = nullptr;
  LayoutLabel* time_l = nullptr;
  BarGauge* hp_l = nullptr;
  BarGauge* mp_l = nullptr;
  PictureBox* bak = nullptr;
  QPushButton* bouken_b = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* magic_b = nullptr;
  QGroupBox* entry_box = nullptr;
  QPushButton* shop_b = nullptr;
  QPushButton* tokkun_b = nullptr;
  QPushButton* BitBtn1 = nullptr;

  LayoutLabel* Label10 = nullptr;
  LayoutLabel* Label12 = nullptr;
  LayoutLabel* Label13 = nullptr;
  LayoutLabel* Label1 = nullptr;
  QLineEdit* entry_l = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;

  QTimer* Timer2 = nullptr;
  QTimer* Timer1 = nullptr;
  QTimer* Timer3 = nullptr;
};
