#include <string>

#include "game/cp932.h"
#include "game/game.h"

void Game::Button2Click() {
  play_wav("on.wav");
  // Any other text is taken as the name, "？？？？" and blanks included.
  if (view_.text(Control::entry_l).empty()) {
    view_.showMessage(Sjis("名前を入力してね"));
    return;
  }
  view_.setVisible(Control::entry_box, false);
  state_.my.hi_score = state_.score;
  state_.my.hi_name = view_.text(Control::entry_l);
  save_dat();
  view_.setText(Control::stage_l, Sjis("ＴＲＹ　ＡＧＡＩＮ　！！！"));
}

void Game::Button3Click() {
  play_wav("1.wav");
  // A rounded summary: the refresh's real weights differ (VIT 90, ADX 150, max MP 9).
  view_.showMessage(
      Sjis("●得点計算\r"
           "\r"
           "LV:1000\r"
           "ﾚｱItem:500\r"
           "仲間:400\r"
           "MAP:300\r"
           "STR,INT,VIT,ADX:100\r"
           "Item:15\r"
           "経過時間,HP,MP,最大HP,最大MP:10\r"
           "GOLD:5"));
}

void Game::BitBtn1Click() {
  state_.my.hi_name = Sjis("？？？？");
  state_.my.hi_score = 0;
  save_dat();
}
