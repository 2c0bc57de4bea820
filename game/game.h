#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include "game/game_error.h"
#include "game/game_state.h"
#include "game/game_view.h"
#include "game/services.h"

// The game's rules: the handlers of the main window's controls and timers, working on the game
// state through the view. Handlers raise GameError for a file or picture that cannot be read;
// the caller shows it and the program goes on, with the rest of that handler skipped.
class Game {
 public:
  Game(GameState& state, GameView& view, SoundOutput* sound, RandomSource& random, Waiter& waiter,
       std::filesystem::path exeDir);

  // Life of the program.
  void FormCreate();
  void FormDestroy();
  void Button1Click();  // restart
  void Timer1Timer();   // day clock, every 3000 ms
  void Timer3Timer();   // title animation, every 5 ms

  void bouken_bClick();  // adventure turn
  void Timer2Timer();    // status refresh, every 10 ms

  void magic_bClick();
  void tokkun_bClick();
  void shop_bClick();

  void Button2Click();  // record entry OK
  void Button3Click();  // tips
  void BitBtn1Click();  // record reset

  void load_dat();
  void save_dat();

  void moji_print(const std::string& message);
  void play_wav(const std::string& fileName);
  // literal: a picture path as the handlers spell it, e.g. "\\cg\\teki.bmp".
  void show_picture(std::string_view literal);

  // The file under the executable's folder that a literal such as "\\dat\\my.dat" names.
  std::filesystem::path path_of(std::string_view literal) const;

  GameState& state() { return state_; }
  LoadedWave* cur_wave() const { return cur_wave_; }

 private:
  int32_t random(int32_t n) { return random_.random(n); }

  GameState& state_;
  GameView& view_;
  SoundOutput* sound_;  // null: the game is silent
  RandomSource& random_;
  Waiter& waiter_;
  std::filesystem::path exeDir_;
  LoadedWave* cur_wave_ = nullptr;
  std::set<std::string, std::less<>> reported_pictures_;  // refresh pictures already found unreadable
};
