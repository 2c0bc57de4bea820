#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "game/cp932.h"
#include "rules_rig.h"

namespace {

// A running game: the timers and the game buttons on.
void Running(RulesRig& rig) {
  rig.view.setTimerEnabled(GameTimer::Timer1, true);
  rig.view.setTimerEnabled(GameTimer::Timer2, true);
}

// One tick with the given level-up row (or none) and score jitter.
void Tick(RulesRig& rig, int32_t jitter, int32_t levelRow = -1) {
  if (levelRow >= 0) rig.random.expect(5, levelRow);
  rig.random.expect(10, jitter);
  rig.game.Timer2Timer();
  EXPECT_TRUE(rig.random.exhausted());
}

bool Dead(RulesRig& rig) { return !rig.view.isTimerEnabled(GameTimer::Timer2); }

const std::string kDeath = "type " + Sjis("あなたは死んだ!!\rGAMEOVER");
const std::string kOldAge = "type " + Sjis("時は来た・・・・寿命という死があなたを襲った。");

TEST(StatusRefresh, ThePanelGaugesAndDaysShowTheValuesBeforeTheClamps) {
  RulesRig rig;
  tmy& my = rig.state.my;
  my.lv = 2, my.exp_pt = 12, my.hp = 14, my.mp = -2, my.str_pt = 3, my.int_pt = 4, my.vit_pt = 5,
  my.adx_pt = 6;
  my.gold = 77, my.item_cnt = -1, my.reaitem_cnt = 2, my.nakama_cnt = 1, my.days_left = 300;
  Tick(rig, 0);
  EXPECT_EQ(Sjis("ﾕｱ･ｽﾃｰﾀｽ\rLV:2 exp:12/30\rHP:14/10\rMP:-2/10\rSTR:3\rINT:4\rVIT:5\rADX:6\r\rGOLD:77G\r"
                 "ITEM:-1 レアITEM:2\r仲間:1人"),
            rig.view.text(Control::state_l));
  EXPECT_EQ(10, rig.view.at(Control::hp_l).gaugeMax);
  EXPECT_EQ(14, rig.view.at(Control::hp_l).gaugeProgress);
  EXPECT_EQ(10, rig.view.at(Control::mp_l).gaugeMax);
  EXPECT_EQ(-2, rig.view.at(Control::mp_l).gaugeProgress);
  EXPECT_EQ(Sjis("死ぬまで後:300日"), rig.view.text(Control::time_l));
}

TEST(StatusRefresh, ClampsHitPointsMagicPointsAndItemsButNotNegativeHitPoints) {
  struct Case {
    int32_t hp, mp, item_cnt;
    int32_t clampedHp, clampedMp, clampedItems;
  };
  const Case cases[] = {{14, 10, 0, 10, 10, 0},  {10, 14, 0, 10, 10, 0}, {10, -2, 0, 10, 0, 0},
                        {10, 10, -1, 10, 10, 0}, {-3, 10, 0, -3, 10, 0}, {1, 0, 5, 1, 0, 5}};
  for (const Case& c : cases) {
    RulesRig rig;
    Running(rig);
    tmy& my = rig.state.my;
    my.hp = c.hp, my.mp = c.mp, my.item_cnt = c.item_cnt;
    Tick(rig, 0);
    EXPECT_EQ(c.clampedHp, my.hp) << "hp " << c.hp;
    EXPECT_EQ(c.clampedMp, my.mp) << "mp " << c.mp;
    EXPECT_EQ(c.clampedItems, my.item_cnt) << "items " << c.item_cnt;
  }
}

TEST(StatusRefresh, TheMapLineNamesTheCurrentMapOrItsNumberPastTheList) {
  for (auto [map_no, name] :
       {std::pair{3, Sjis("くらやみ")}, {256, std::string("256")}, {-1, std::string("-1")}}) {
    RulesRig rig;
    rig.state.name_list[3] = Sjis("くらやみ");
    rig.state.my.map_no = map_no;
    Tick(rig, 0);
    EXPECT_EQ(Sjis("MAP【") + name + Sjis("のほこら】"), rig.view.text(Control::stage_l));
  }
}

TEST(StatusRefresh, ALevelUpTellsItsRowRaisesItsValueAndRefills) {
  const char* raised[] = {"", "\r攻撃力が1上がった!!", "\r防御力が1上がった!!", "\r素早さが1上がった!!",
                          "\r魔力が1上がった!!"};
  int32_t tmy::*const raisedValue[] = {nullptr, &tmy::str_pt, &tmy::vit_pt, &tmy::adx_pt, &tmy::int_pt};
  for (int32_t k = 0; k < 5; ++k) {
    RulesRig rig;
    Running(rig);
    tmy& my = rig.state.my;
    my.exp_pt = 30, my.hp = 3, my.mp = 1;
    rig.view.setFontColor(Control::moji_l, colors::red);
    rig.view.log.clear();
    tmy expected = my;
    expected.lv = 2, expected.exp_pt = 0, expected.max_hp = expected.max_mp = expected.hp = expected.mp = 11;
    if (raisedValue[k]) expected.*raisedValue[k] += 1;

    Tick(rig, 0, k);

    EXPECT_EQ(
        (std::vector<std::string>{
            ColorLine(colors::white), "sound lv.wav", "picture lvup.bmp",
            "type " + Sjis("なんとレベルアップした!!\r最大Hpと最大Mpが1ずつあがった!") + Sjis(raised[k])}),
        Told(rig.view.log))
        << "row " << k;
    EXPECT_EQ(Describe(expected), Describe(my)) << "row " << k;
  }
}

TEST(StatusRefresh, ExperienceAboveThirtyIsLostWithOneLevelPerTick) {
  for (auto [exp, levels] : {std::pair{29, 0}, {30, 1}, {45, 1}}) {
    RulesRig rig;
    rig.state.my.exp_pt = exp;
    Tick(rig, 0, levels ? 0 : -1);
    EXPECT_EQ(1 + levels, rig.state.my.lv) << "exp " << exp;
    EXPECT_EQ(levels ? 0 : exp, rig.state.my.exp_pt) << "exp " << exp;
  }
}

TEST(StatusRefresh, ALevelUpInTheSameTickSavesAHeroWithoutHitPoints) {
  RulesRig rig;
  Running(rig);
  rig.state.my.exp_pt = 30, rig.state.my.hp = -5;
  Tick(rig, 0, 0);
  EXPECT_EQ(11, rig.state.my.hp);
  EXPECT_FALSE(Dead(rig));
}

TEST(StatusRefresh, DeathAtZeroHitPointsStopsTheGameAfterItsMessage) {
  for (auto [hp, dies] : {std::pair{1, false}, {0, true}, {-3, true}}) {
    RulesRig rig;
    Running(rig);
    rig.state.my.hp = hp;
    Tick(rig, 0);
    EXPECT_EQ(dies, Dead(rig)) << "hp " << hp;
    if (!dies) continue;
    EXPECT_EQ((std::vector<std::string>{ColorLine(colors::red), "picture die.bmp", kDeath, "sound die.wav"}),
              Told(rig.view.log));
    EXPECT_NE(std::string::npos,
              rig.view.text(Control::state_l).find("\rHP:" + std::to_string(hp) + "/10\r"));
    EXPECT_FALSE(rig.view.isTimerEnabled(GameTimer::Timer1));
    for (Control button : {Control::bouken_b, Control::magic_b, Control::tokkun_b, Control::shop_b}) {
      EXPECT_FALSE(rig.view.isEnabled(button));
    }
    EXPECT_TRUE(rig.view.isEnabled(Control::Button1));
    EXPECT_EQ(hp, rig.state.my.hp);
  }
}

TEST(StatusRefresh, DeathOpensTheEntryOnlyWhenThePreviousScoreBeatsTheRecord) {
  for (auto [previousScore, opens] : {std::pair{50, false}, {51, true}}) {
    RulesRig rig;
    Running(rig);
    rig.state.my.hi_score = 50;
    rig.state.score = previousScore;
    rig.state.my.hp = 0;
    Tick(rig, 0);  // this tick's own score is 0 or so
    EXPECT_EQ(opens, rig.view.isVisible(Control::entry_box)) << "score " << previousScore;
  }
}

TEST(StatusRefresh, TheScoreLineShowsTheScoreBeforeItsCap) {
  struct Case {
    const char* hero;
    std::function<void(tmy&)> setup;
    int32_t jitter;
    const char* line;
    int32_t stored;
  };
  const Case cases[] = {
      {"fresh, no jitter", [](tmy&) {}, 0, "POINT:0点", 0},
      {"fresh, jitter 9", [](tmy&) {}, 9, "POINT:9点", 9},
      {"below zero", [](tmy& my) { my.days_left = 1000; }, 9, "POINT:0点", 0},
      {"one million", [](tmy& my) { my.gold = 200000; }, 0, "POINT:100万0000点", 999999},
      {"past 32 bits", [](tmy& my) { my.gold = INT_MAX; }, 0, "POINT:21億4748万3647点", 999999},
  };
  for (const Case& c : cases) {
    RulesRig rig;
    c.setup(rig.state.my);
    Tick(rig, c.jitter);
    EXPECT_EQ(Sjis(c.line), rig.view.text(Control::score_l)) << c.hero;
    EXPECT_EQ(c.stored, rig.state.score) << c.hero;
    EXPECT_EQ(c.stored, rig.view.at(Control::score_ll).gaugeProgress) << c.hero;
  }
}

TEST(StatusRefresh, EachValueWeighsIntoTheScore) {
  struct Case {
    const char* term;
    std::function<void(tmy&)> setup;
    int32_t score;
  };
  const Case cases[] = {
      {"a day gone", [](tmy& my) { my.days_left = 364; }, 10},
      {"a companion", [](tmy& my) { my.nakama_cnt = 1; }, 400},
      {"max hp", [](tmy& my) { my.max_hp = 11; }, 10},
      {"hp and max hp", [](tmy& my) { my.max_hp = my.hp = 11; }, 20},
      {"max mp", [](tmy& my) { my.max_mp = 11; }, 9},
      {"mp and max mp", [](tmy& my) { my.max_mp = my.mp = 11; }, 19},
      {"a level", [](tmy& my) { my.lv = 2; }, 1000},
      {"STR", [](tmy& my) { my.str_pt = 1; }, 100},
      {"VIT", [](tmy& my) { my.vit_pt = 1; }, 90},
      {"INT", [](tmy& my) { my.int_pt = 1; }, 120},
      {"ADX", [](tmy& my) { my.adx_pt = 1; }, 150},
      {"an item", [](tmy& my) { my.item_cnt = 1; }, 15},
      {"a rare item", [](tmy& my) { my.reaitem_cnt = 1; }, 500},
      {"a gold piece", [](tmy& my) { my.gold = 1; }, 5},
      {"a map", [](tmy& my) { my.map_no = 1; }, 300},
  };
  for (const Case& c : cases) {
    RulesRig rig;
    c.setup(rig.state.my);
    Tick(rig, 0);
    EXPECT_EQ(c.score, rig.state.score) << c.term;
  }
}

TEST(StatusRefresh, TheRecordLineShowsTheRecordAndItsHolder) {
  RulesRig rig;
  rig.state.my.hi_score = 12345;
  rig.state.my.hi_name = Sjis("ゆうしゃ");
  Tick(rig, 0);
  EXPECT_EQ(Sjis("(HI:1万2345点,▽ゆうしゃさん)"), rig.view.text(Control::hi_l));
}

TEST(StatusRefresh, OldAgeEmptiesHitPointsAndTheNextTickDiesWithTheMessageTypedTwice) {
  RulesRig rig;
  Running(rig);
  rig.state.my.days_left = 0;
  Tick(rig, 0);
  EXPECT_EQ((std::vector<std::string>{ColorLine(colors::red), kOldAge}), Told(rig.view.log));
  EXPECT_EQ(0, rig.state.my.hp);
  EXPECT_FALSE(Dead(rig));

  rig.view.log.clear();
  Tick(rig, 0);
  // The old-age message is typed once more after the death: by design.
  EXPECT_EQ((std::vector<std::string>{ColorLine(colors::red), "picture die.bmp", kDeath, "sound die.wav",
                                      ColorLine(colors::red), kOldAge}),
            Told(rig.view.log));
  EXPECT_TRUE(Dead(rig));
  EXPECT_EQ(0, rig.state.my.hp);
}

TEST(StatusRefresh, AnUnreadableLevelUpPictureIsReportedOnceAfterTheTick) {
  RulesRig rig;
  Running(rig);
  rig.view.missingPictures.insert("lvup.bmp");
  for (int32_t level = 2; level <= 3; ++level) {
    rig.view.log.clear();
    rig.state.my.exp_pt = 30;
    Tick(rig, 0, 0);
    EXPECT_EQ(level, rig.state.my.lv);
    EXPECT_EQ(0, rig.state.my.exp_pt);
    std::vector<std::string> told = Told(rig.view.log);
    ASSERT_GE(told.size(), 3u);
    EXPECT_EQ("sound lv.wav", told[1]);
    EXPECT_EQ(0u, told[2].rfind("type ", 0)) << "typed without the picture";
    const bool reported = told.back() == "error cannot read /zeru/cg/lvup.bmp";
    EXPECT_EQ(level == 2, reported) << "level " << level;
  }
}

TEST(StatusRefresh, AnUnreadableDeathPictureIsReportedOnceAndTheHeroStillDies) {
  RulesRig rig;
  rig.view.missingPictures.insert("die.bmp");
  for (int game = 0; game < 2; ++game) {
    Running(rig);
    rig.view.log.clear();
    rig.state.my.hp = 0;
    Tick(rig, 0);
    EXPECT_TRUE(Dead(rig));
    std::vector<std::string> told = Told(rig.view.log);
    std::vector<std::string> expected = {ColorLine(colors::red), kDeath, "sound die.wav"};
    if (game == 0) expected.push_back("error cannot read /zeru/cg/die.bmp");
    EXPECT_EQ(expected, told) << "game " << game;
  }
}

}  // namespace
