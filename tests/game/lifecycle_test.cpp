#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exe_rig.h"
#include "game/game_error.h"

namespace {

// The window as the layout leaves it before start-up: title animation on, entry box at (4, 0)
// and hidden, game buttons disabled, the training button hidden.
void AsLaidOut(FakeView& view) {
  view.setTimerEnabled(GameTimer::Timer3, true);
  view.moveTo(Control::entry_box, 4, 0);
  view.setVisible(Control::entry_box, false);
  for (Control button : {Control::bouken_b, Control::magic_b, Control::tokkun_b, Control::shop_b}) {
    view.setEnabled(button, false);
  }
  view.setVisible(Control::tokkun_b, false);
}

TEST(FormCreate, OpensTheClickSoundReadsTheDataAndLoadsTheTitle) {
  ExeRig rig;
  AsLaidOut(rig.view);
  rig.writeNameLists();
  rig.folder.write("dat/my.dat", CrLfLines({"hero", "1", "2", "3", "4"}));
  rig.folder.write("dat/name.dat", "field\r\n");
  rig.game.FormCreate();

  ASSERT_NE(nullptr, rig.game.cur_wave());
  EXPECT_STREQ("1.wav", rig.game.cur_wave()->name);
  EXPECT_EQ(std::vector<std::string>{"picture title.bmp"}, rig.view.log);  // nothing played
  EXPECT_EQ(1, rig.random.randomized);
  EXPECT_EQ("hero", rig.state.my.hi_name);
  EXPECT_EQ(4, rig.state.my.reserve2);
  EXPECT_EQ("field", rig.state.name_list[0]);
  EXPECT_EQ(0, rig.view.at(Control::entry_box).left);
  EXPECT_EQ(0, rig.view.at(Control::entry_box).top);
  EXPECT_EQ("title.bmp", rig.view.pictures[Control::bak]);
  EXPECT_EQ(0, rig.state.my.days_left);
  EXPECT_EQ(0, rig.state.score);
}

TEST(FormCreate, MissingRecordFileEndsStartUpAfterTheRandomSeed) {
  ExeRig rig;
  AsLaidOut(rig.view);
  rig.writeNameLists();
  rig.folder.write("dat/name.dat", "field\r\n");
  try {
    rig.game.FormCreate();
    FAIL();
  } catch (const GameError& error) {
    EXPECT_EQ(Sjis("ﾌｧｲﾙが見つかりません"), error.what());
  }
  EXPECT_EQ(1, rig.random.randomized);
  EXPECT_EQ("", rig.state.name_list[0]);
  EXPECT_EQ(4, rig.view.at(Control::entry_box).left);
  EXPECT_EQ(0u, rig.view.pictures.count(Control::bak));
}

TEST(FormCreate, SoundFailureIsIgnored) {
  ExeRig rig;
  rig.writeNameLists();
  rig.folder.write("dat/my.dat", "");
  rig.sound.failLoads = true;
  rig.game.FormCreate();
  EXPECT_EQ(nullptr, rig.game.cur_wave());
  EXPECT_EQ("title.bmp", rig.view.pictures[Control::bak]);
}

TEST(FormDestroy, ReleasesTheCurrentWaveOnly) {
  ExeRig rig;
  rig.game.play_wav("1.wav");
  rig.game.play_wav("start.wav");
  rig.game.FormDestroy();
  EXPECT_EQ(std::vector<std::string>{"start.wav"}, rig.sound.unloaded);
  rig.game.FormDestroy();
  EXPECT_EQ(1u, rig.sound.unloaded.size());
}

class FailingUnload : public FakeSound {
 public:
  using FakeSound::FakeSound;
  void UnloadWave(LoadedWave*) override { throw EWaveMixError("Invalid Session handle"); }
};

TEST(FormDestroy, IgnoresAFailedRelease) {
  GameState state;
  FakeView view;
  FailingUnload sound(view.log);
  ScriptedRandom random;
  RecordingWaiter waiter;
  Game game(state, view, &sound, random, waiter, "/zeru");
  game.play_wav("1.wav");
  EXPECT_NO_THROW(game.FormDestroy());
}

// Remembers the caption of the confirmation.
class CaptionView : public FakeView {
 public:
  bool askYesNo(const std::string& message, const std::string& caption) override {
    captions.push_back(caption);
    return FakeView::askYesNo(message, caption);
  }
  std::vector<std::string> captions;
};

struct RestartRig {
  RestartRig() { AsLaidOut(view); }

  // A hero in the middle of a game, every value away from its restart value.
  void MidGame() {
    tmy& my = state.my;
    my.hi_name = "champion";
    my.hi_score = 5000;
    my.reserve1 = 41;
    my.reserve2 = 42;
    my.gold = 77;
    my.lv = 9;
    my.max_hp = my.hp = 80;
    my.max_mp = my.mp = 30;
    my.str_pt = my.int_pt = my.vit_pt = my.adx_pt = 5;
    my.item_cnt = 6;
    my.map_no = 7;
    my.exp_pt = 8;
    my.reaitem_cnt = 2;
    my.nakama_cnt = 3;
    my.days_left = 12;
    state.score = 4321;
  }

  GameState state;
  CaptionView view;
  FakeSound sound{view.log};
  ScriptedRandom random;
  RecordingWaiter waiter;
  Game game{state, view, &sound, random, waiter, "/zeru"};
};

TEST(Restart, FirstRestartAsksNothingAndStartsAHero) {
  RestartRig rig;
  rig.MidGame();
  rig.game.Button1Click();

  EXPECT_EQ(
      (std::vector<std::string>{"sound 1.wav", "color 255,255,255", "sound start.wav", "picture start.bmp"}),
      rig.view.log);
  const tmy& my = rig.state.my;
  EXPECT_EQ(1, my.lv);
  EXPECT_EQ(0, my.exp_pt);
  EXPECT_EQ(0, my.str_pt + my.int_pt + my.vit_pt + my.adx_pt + my.item_cnt);
  EXPECT_EQ(10, my.hp);
  EXPECT_EQ(10, my.max_hp);
  EXPECT_EQ(10, my.mp);
  EXPECT_EQ(10, my.max_mp);
  EXPECT_EQ(0, my.map_no + my.gold + my.reaitem_cnt + my.nakama_cnt + rig.state.score);
  EXPECT_EQ(365, my.days_left);
  EXPECT_EQ("champion", my.hi_name);
  EXPECT_EQ(5000, my.hi_score);
  EXPECT_EQ(41, my.reserve1);
  EXPECT_EQ(42, my.reserve2);

  EXPECT_EQ(Sjis("どうしますか？"), rig.view.text(Control::moji_l));
  EXPECT_TRUE(rig.view.stretch);
  EXPECT_FALSE(rig.view.isTimerEnabled(GameTimer::Timer3));
  EXPECT_TRUE(rig.view.isTimerEnabled(GameTimer::Timer1));
  EXPECT_TRUE(rig.view.isTimerEnabled(GameTimer::Timer2));
  for (Control button : {Control::bouken_b, Control::magic_b, Control::tokkun_b, Control::shop_b}) {
    EXPECT_TRUE(rig.view.isEnabled(button));
  }
  EXPECT_FALSE(rig.view.isVisible(Control::tokkun_b));
}

TEST(Restart, LaterRestartsAskAndNoChangesNothing) {
  RestartRig rig;
  rig.game.Button1Click();
  rig.MidGame();
  rig.view.log.clear();
  rig.view.answerYes = false;
  GameState before = rig.state;
  rig.game.Button1Click();

  EXPECT_EQ((std::vector<std::string>{"sound 1.wav", "ask " + Sjis("ＯＫ？")}), rig.view.log);
  EXPECT_EQ(std::vector<std::string>{Sjis("確認")}, rig.view.captions);
  EXPECT_EQ(before.my.days_left, rig.state.my.days_left);
  EXPECT_EQ(before.my.gold, rig.state.my.gold);
  EXPECT_EQ(before.score, rig.state.score);
}

TEST(Restart, LaterRestartAnsweredYesStartsAnotherHero) {
  RestartRig rig;
  rig.game.Button1Click();
  rig.MidGame();
  rig.view.log.clear();
  rig.game.Button1Click();

  EXPECT_EQ((std::vector<std::string>{"sound 1.wav", "ask " + Sjis("ＯＫ？"), "color 255,255,255",
                                      "sound start.wav", "picture start.bmp"}),
            rig.view.log);
  EXPECT_EQ(365, rig.state.my.days_left);
  EXPECT_EQ(0, rig.state.my.gold);
}

TEST(Restart, KeepsAShownTrainingOfferAndAnOpenRecordEntry) {
  RestartRig rig;
  rig.game.Button1Click();
  rig.view.setVisible(Control::tokkun_b, true);
  rig.view.setEnabled(Control::tokkun_b, false);
  rig.view.setVisible(Control::entry_box, true);
  rig.view.setText(Control::entry_l, "name");
  rig.game.Button1Click();

  EXPECT_TRUE(rig.view.isVisible(Control::tokkun_b));
  EXPECT_TRUE(rig.view.isEnabled(Control::tokkun_b));
  EXPECT_TRUE(rig.view.isVisible(Control::entry_box));
  EXPECT_EQ("name", rig.view.text(Control::entry_l));
}

TEST(Restart, MissingStartPictureLeavesAFullyRestartedHero) {
  RestartRig rig;
  rig.MidGame();
  rig.view.missingPictures.insert("start.bmp");
  EXPECT_THROW(rig.game.Button1Click(), GameError);
  EXPECT_EQ(365, rig.state.my.days_left);
  EXPECT_TRUE(rig.view.isTimerEnabled(GameTimer::Timer2));
  EXPECT_EQ((std::vector<std::string>{"sound 1.wav", "color 255,255,255", "sound start.wav"}), rig.view.log);
}

TEST(DayClock, TakesOneDayPerTick) {
  RestartRig rig;
  rig.state.my.days_left = 1;
  rig.game.Timer1Timer();
  EXPECT_EQ(0, rig.state.my.days_left);
  rig.game.Timer1Timer();
  EXPECT_EQ(-1, rig.state.my.days_left);
  rig.state.my.days_left = INT32_MIN;
  rig.game.Timer1Timer();
  EXPECT_EQ(INT32_MIN, rig.state.my.days_left) << "saturates like every other rule";
}

// Logs the drawing of the title animation beside the repaints.
class DrawingView : public FakeView {
 public:
  void fillPictureBlack(Rect area) override { log.push_back("black " + Text(area)); }
  void copyTitle(Rect destination) override { log.push_back("title " + Text(destination)); }
  void repaintNow() override { log.push_back("repaint"); }

 private:
  static std::string Text(Rect r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
  }
};

TEST(TitleAnimation, AlternatesBlackAndAShakenTitle) {
  GameState state;
  DrawingView view;
  ScriptedRandom random{{3, 0}, {3, 1}, {3, 2}};
  RecordingWaiter waiter;
  Game game(state, view, nullptr, random, waiter, "/zeru");
  for (int tick = 0; tick < 6; ++tick) game.Timer3Timer();

  EXPECT_EQ((std::vector<std::string>{"black 0,0,273,200", "repaint", "title 0,0,273,200", "repaint",
                                      "black 0,0,273,200", "repaint", "title -5,0,278,200", "repaint",
                                      "black 0,0,273,200", "repaint", "title 0,-5,273,210", "repaint"}),
            view.log);
  EXPECT_EQ(0, state.title_phase);
  EXPECT_TRUE(random.exhausted());
  game.Timer3Timer();
  EXPECT_EQ(1, state.title_phase);
}

}  // namespace
