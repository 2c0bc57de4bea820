#include <array>

#include "game/cp932.h"
#include "game/game.h"
#include "game/saturating.h"

namespace {

constexpr Rect kPictureArea{0, 0, 273, 200};

// Where the title lands, by random 3: in place, 5 pixels left, 5 pixels up.
constexpr std::array<Rect, 3> kTitleDestinations = {
    Rect{0, 0, 273, 200},
    Rect{-5, 0, 278, 200},
    Rect{0, -5, 273, 210},
};

}  // namespace

void Game::FormCreate() {
  if (sound_ != nullptr) {
    try {
      cur_wave_ = sound_->LoadWave(path_of("\\dat\\1.wav").string());
    } catch (...) {
      // Without the wave the game simply starts silent.
    }
  }
  random_.randomize();
  load_dat();
  view_.moveTo(Control::entry_box, 0, 0);
  view_.loadPicture(Control::bak, path_of("\\cg\\title.bmp"));
}

void Game::FormDestroy() {
  if (sound_ == nullptr || cur_wave_ == nullptr) return;
  try {
    sound_->UnloadWave(cur_wave_);
  } catch (...) {
    // Shutting down anyway.
  }
  cur_wave_ = nullptr;
}

void Game::Button1Click() {
  play_wav("1.wav");
  // The title animation runs only until the first restart, so it tells whether a hero was started.
  if (!view_.isTimerEnabled(GameTimer::Timer3)) {
    if (!view_.askYesNo(Sjis("ＯＫ？"), Sjis("確認"))) return;
  }
  view_.setPictureStretch(true);
  view_.setTimerEnabled(GameTimer::Timer3, false);
  view_.setText(Control::moji_l, Sjis("どうしますか？"));
  tmy& my = state_.my;
  my.lv = 1;
  view_.setFontColor(Control::moji_l, colors::white);
  my.exp_pt = 0;
  my.str_pt = 0;
  my.int_pt = 0;
  my.vit_pt = 0;
  my.adx_pt = 0;
  my.item_cnt = 0;
  my.hp = 10;
  my.max_hp = 10;
  my.max_mp = 10;
  my.mp = 10;
  my.map_no = 0;
  my.gold = 0;
  my.reaitem_cnt = 0;
  state_.score = 0;
  my.nakama_cnt = 0;
  my.days_left = 365;
  // tokkun_b keeps its visibility: an unused training offer survives the restart.
  for (Control button : {Control::bouken_b, Control::magic_b, Control::tokkun_b, Control::shop_b}) {
    view_.setEnabled(button, true);
  }
  view_.setTimerEnabled(GameTimer::Timer2, true);
  view_.setTimerEnabled(GameTimer::Timer1, true);
  play_wav("start.wav");
  show_picture("\\cg\\start.bmp");
}

void Game::Timer1Timer() { add_saturating(state_.my.days_left, -1); }

void Game::Timer3Timer() {
  if (state_.title_phase != 1) {
    view_.fillPictureBlack(kPictureArea);
    view_.repaintNow();
    state_.title_phase = 1;
  } else {
    view_.copyTitle(kTitleDestinations[static_cast<size_t>(random(3))]);
    view_.repaintNow();
    state_.title_phase = 0;
  }
}
