#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "game/cp932.h"
#include "rules_rig.h"

namespace {

using Draws = std::vector<std::pair<int32_t, int32_t>>;

// A hero in the middle of a game, every value distinct so that a stray change shows.
void MidGame(RulesRig& rig) {
  tmy& my = rig.state.my;
  my.lv = 10;
  my.vit_pt = 3;
  my.adx_pt = 2;
  my.str_pt = 4;
  my.int_pt = 6;
  my.hp = 50;
  my.max_hp = 60;
  my.mp = 5;
  my.max_mp = 20;
  my.gold = 101;
  my.exp_pt = 25;
  my.days_left = 300;
  my.item_cnt = 7;
  my.reaitem_cnt = 8;
  my.nakama_cnt = 9;
  my.map_no = 0;
  rig.state.item_list[3] = Sjis("やくそう");
  rig.state.reaitem_list[200] = Sjis("ひかりのたま");
  rig.state.nakama_list[254] = Sjis("ゴン");
  rig.state.name_list[1] = Sjis("みどりの森");
}

// One turn: no day taken, the event chosen by `table` and `row`, its own draws, no training offer.
void Turn(RulesRig& rig, int32_t table, int32_t rowRange, int32_t row, const Draws& own) {
  rig.random.expect(5, 1);
  rig.random.expect(11, table);
  rig.random.expect(rowRange, row);
  for (auto [n, value] : own) rig.random.expect(n, value);
  rig.random.expect(50, 1);
  rig.game.bouken_bClick();
}

struct EventRow {
  const char* event;
  std::vector<int32_t> tables;  // values of random 11 that choose the table
  int32_t rowRange;             // the table's own draw: 17, 2, 4 or 8
  std::vector<int32_t> rows;    // its values that choose this row
  int32_t mp;                   // decides the traps
  Draws own;
  const char* sound;  // empty: silent
  const char* picture;
  Rgb color;
  const char* message;  // UTF-8
  void (*effects)(tmy&);
};

const std::vector<EventRow>& EventRows() {
  using colors::aqua, colors::red, colors::white, colors::yellow;
  static const std::vector<EventRow> rows = {
      // Table A: battles.
      {"enemy beaten, money",
       {0, 1, 2, 3, 4, 5},
       17,
       {0, 1, 2, 3, 4},
       5,
       {{5, 4}},
       "teki.wav",
       "teki.bmp",
       white,
       "敵が現れた!!\rあなたの攻撃\r敵を粉砕した!!\r経験値1かくとく！\rお金12円かくとく！",
       [](tmy& my) {
         my.exp_pt += 1;
         my.gold += 12;
       }},
      {"the day ends",
       {0, 1, 2, 3, 4, 5},
       17,
       {5, 16},
       5,
       {},
       "hi.wav",
       "hi.bmp",
       white,
       "日が暮れた",
       [](tmy& my) { my.days_left -= 1; }},
      {"enemy attack",
       {0, 1, 2, 3, 4, 5},
       17,
       {6, 9, 10},
       5,
       {},
       "teki.wav",
       "teki.bmp",
       red,
       "敵が現れた!!\r敵の攻撃!!\r7ダメージ受けた！",
       [](tmy& my) { my.hp -= 7; }},
      {"enemy beaten, item (empty entry redrawn)",
       {0, 1, 2, 3, 4, 5},
       17,
       {7, 8},
       5,
       {{255, 0}, {255, 3}},
       "teki.wav",
       "teki.bmp",
       white,
       "敵が現れた!!\rあなたの攻撃\r敵を粉砕した!!\r経験値1かくとく！\r【やくそう】を見つけた!!",
       [](tmy& my) {
         my.exp_pt += 1;
         my.item_cnt += 1;
       }},
      {"boss beaten",
       {0, 1, 2, 3, 4, 5},
       17,
       {11},
       5,
       {},
       "boss.wav",
       "boss.bmp",
       white,
       "ボスが現れた!!\rあなたの攻撃\rボスをコナゴナにした!!"
       "\r経験値を10かくとく！\rNEXTMAP【みどりの森のほこら】に入った!!",
       [](tmy& my) {
         my.map_no += 1;
         my.exp_pt += 10;
         my.days_left -= 10;
       }},
      {"extra enemy beaten",
       {0, 1, 2, 3, 4, 5},
       17,
       {12},
       5,
       {{255, 200}},
       "ex.wav",
       "ex.bmp",
       white,
       "ＥＸＴＲＡエネミーが現れた!!\rあなたの攻撃\rなんとかやっつけた!!"
       "\r経験値を5かくとく！\rレアitem【ひかりのたま】を見つけた!!",
       [](tmy& my) {
         my.exp_pt += 5;
         my.reaitem_cnt += 1;
       }},
      {"extra enemy attack",
       {0, 1, 2, 3, 4, 5},
       17,
       {13},
       5,
       {},
       "ex.wav",
       "ex.bmp",
       red,
       "ＥＸＴＲＡエネミーが現れた!!\r敵の攻撃!!\r9ダメージ受けた！",
       [](tmy& my) { my.hp -= 9; }},
      {"boss attack",
       {0, 1, 2, 3, 4, 5},
       17,
       {14},
       5,
       {},
       "boss.wav",
       "boss.bmp",
       red,
       "ボスが現れた!!\rボスの攻撃!!\r10ダメージ受けた！",
       [](tmy& my) { my.hp -= 10; }},
      {"attack dodged",
       {0, 1, 2, 3, 4, 5},
       17,
       {15},
       5,
       {},
       "teki.wav",
       "teki.bmp",
       white,
       "敵が現れた!!\r敵の攻撃!!\rすばやく交わした!!\r経験値1かくとく！",
       [](tmy& my) { my.exp_pt += 1; }},
      // Table B: severe trap or empty chest.
      {"severe trap disarmed",
       {6},
       2,
       {0},
       2,
       {},
       "wana.wav",
       "wana2.bmp",
       white,
       "凶暴なワナがあった!!\rワナを解除した!!\rMPを2消費した\r経験値が2増えた",
       [](tmy& my) {
         my.exp_pt += 2;
         my.mp -= 2;
       }},
      {"severe trap springs",
       {6},
       2,
       {0},
       1,
       {{3, 2}},
       "wana.wav",
       "wana2.bmp",
       red,
       "凶暴なワナがあった!!\rMpが足りない!!\r20ダメージうけた",
       [](tmy& my) { my.hp -= 20; }},
      {"empty chest",
       {6},
       2,
       {1},
       5,
       {},
       "takara.wav",
       "kara.bmp",
       white,
       "宝箱を発見した!!\r空だった････",
       [](tmy&) {}},
      // Table C: trap or treasure chest.
      {"trap disarmed",
       {7, 8},
       2,
       {0},
       1,
       {},
       "wana.wav",
       "wana.bmp",
       white,
       "ワナがあった!!\rワナを解除した!!\rMPを1消費した\r経験値が1増えた",
       [](tmy& my) {
         my.mp -= 1;
         my.exp_pt += 1;
       }},
      {"trap springs",
       {7, 8},
       2,
       {0},
       0,
       {{2, 1}},
       "wana.wav",
       "wana.bmp",
       red,
       "ワナがあった!!\rMpが足りない!!\r10ダメージうけた",
       [](tmy& my) { my.hp -= 10; }},
      {"treasure chest",
       {7, 8},
       2,
       {1},
       5,
       {{255, 3}},
       "takara.wav",
       "takara.bmp",
       white,
       "宝箱を発見した!!\r【やくそう】を手に入れた!!",
       [](tmy& my) { my.item_cnt += 1; }},
      // Table D: shrines and springs.
      {"shrine of hit points",
       {9},
       4,
       {0},
       5,
       {},
       "hakken.wav",
       "hokora.bmp",
       aqua,
       "しんぴのほこらを見つけた！\r最大Hpが1上がった",
       [](tmy& my) { my.max_hp += 1; }},
      {"shrine of magic points",
       {9},
       4,
       {1},
       5,
       {},
       "hakken.wav",
       "hokora.bmp",
       aqua,
       "しんぴのほこらを見つけた！\r最大Mpが1上がった",
       [](tmy& my) { my.max_mp += 1; }},
      {"goddess spring",
       {9},
       4,
       {2},
       5,
       {},
       "hp.wav",
       "megami.bmp",
       aqua,
       "女神様の泉を見つけた！\rHpが5回復した!!",
       [](tmy& my) { my.hp += 5; }},
      {"demon spring",
       {9},
       4,
       {3},
       5,
       {},
       "hp.wav",
       "majin.bmp",
       aqua,
       "魔人様の泉を見つけた！\rMpが5回復した!!",
       [](tmy& my) { my.mp += 5; }},
      // Table E: castles, companions and quiet days.
      {"dream castle",
       {10},
       8,
       {0, 1},
       5,
       {},
       "vo.wav",
       "vo.bmp",
       yellow,
       "夢のヴォマクト城を発見した！\rお金が1.5倍になった!!",
       [](tmy& my) {
         my.gold = 151;
         my.days_left -= 10;
       }},
      {"nothing happens",
       {10},
       8,
       {2, 3},
       5,
       {},
       "",
       "black.bmp",
       white,
       "なにもおきなかった。",
       [](tmy& my) { my.days_left -= 1; }},
      {"enemy flees",
       {10},
       8,
       {4, 5},
       5,
       {},
       "teki.wav",
       "teki.bmp",
       white,
       "敵が現れた!!\r敵は逃げて行った!!\rお金を5円拾った",
       [](tmy& my) { my.gold += 5; }},
      {"a companion joins",
       {10},
       8,
       {6},
       5,
       {{255, 254}},
       "nakama.wav",
       "nakama.bmp",
       white,
       "ゴンが仲間になった!!",
       [](tmy& my) {
         my.nakama_cnt += 1;
         my.days_left -= 10;
       }},
      {"time castle",
       {10},
       8,
       {7},
       5,
       {},
       "toki.wav",
       "toki.bmp",
       yellow,
       "幻の時間城を発見した!!\r時間が１０日さかのぼった!!",
       [](tmy& my) { my.days_left += 10; }},
  };
  return rows;
}

TEST(AdventureTurn, EveryRowOfEveryTableIsToldAndTakesEffect) {
  for (const EventRow& row : EventRows()) {
    for (int32_t table : row.tables) {
      for (int32_t choice : row.rows) {
        SCOPED_TRACE(std::string(row.event) + ", random 11 = " + std::to_string(table) + ", row draw " +
                     std::to_string(choice));
        RulesRig rig;
        MidGame(rig);
        rig.state.my.mp = row.mp;
        tmy expected = rig.state.my;
        row.effects(expected);

        Turn(rig, table, row.rowRange, choice, row.own);

        std::vector<std::string> told = {ColorLine(colors::white)};
        if (*row.sound) told.push_back(std::string("sound ") + row.sound);
        told.push_back(std::string("picture ") + row.picture);
        told.push_back(ColorLine(row.color));
        told.push_back("type " + Sjis(row.message));
        EXPECT_EQ(told, Told(rig.view.log));
        EXPECT_EQ(Describe(expected), Describe(rig.state.my));
        EXPECT_TRUE(rig.random.exhausted());
        EXPECT_FALSE(rig.view.isVisible(Control::tokkun_b));
      }
    }
  }
}

TEST(AdventureTurn, OnePressInFiveCostsADayBeforeTheEvent) {
  for (int32_t draw = 0; draw < 5; ++draw) {
    RulesRig rig;
    MidGame(rig);
    rig.random = {{5, draw}, {11, 10}, {8, 7}, {50, 1}};  // the time castle
    rig.game.bouken_bClick();
    EXPECT_EQ(draw == 0 ? 309 : 310, rig.state.my.days_left) << "day draw " << draw;
  }
}

TEST(AdventureTurn, TheTrainingOfferShowsOnADrawOfZeroAndIsNeverHidden) {
  for (auto [shownBefore, offer, shownAfter] :
       {std::tuple{false, 0, true}, {false, 1, false}, {true, 1, true}}) {
    RulesRig rig;
    MidGame(rig);
    rig.view.at(Control::tokkun_b).visible = shownBefore;
    rig.random = {{5, 1}, {11, 10}, {8, 2}, {50, offer}};
    rig.game.bouken_bClick();
    EXPECT_EQ(shownAfter, rig.view.isVisible(Control::tokkun_b));
  }
}

TEST(AdventureTurn, DamageIsAtLeastOne) {
  struct Case {
    int32_t table, rowRange, row;
    int32_t lv, vit_pt, adx_pt, mp;
    Draws own;
    int32_t damage;
  };
  const Case cases[] = {
      {0, 17, 6, 1, 5, 0, 5, {}, 1},        // enemy
      {0, 17, 13, 1, 5, 0, 5, {}, 1},       // extra enemy
      {0, 17, 14, 1, 5, 0, 5, {}, 1},       // boss
      {6, 2, 0, 3, 0, 10, 1, {{3, 2}}, 1},  // severe trap with mp 1
      {6, 2, 0, 5, 0, 2, 0, {{3, 2}}, 10},  // severe trap
      {7, 2, 0, 1, 0, 9, 0, {{2, 1}}, 1},   // trap
  };
  for (const Case& c : cases) {
    RulesRig rig;
    tmy& my = rig.state.my;
    my.lv = c.lv, my.vit_pt = c.vit_pt, my.adx_pt = c.adx_pt, my.mp = c.mp, my.hp = 10;
    Turn(rig, c.table, c.rowRange, c.row, c.own);
    EXPECT_EQ(10 - c.damage, my.hp) << "table " << c.table << " row " << c.row;
    EXPECT_TRUE(rig.random.exhausted());
  }
}

TEST(AdventureTurn, TheDreamCastleAddsHalfTheGoldTruncated) {
  for (auto [before, after] : {std::pair{0, 0}, {1, 1}, {5, 7}, {101, 151}, {INT_MAX, INT_MAX}}) {
    RulesRig rig;
    rig.state.my.gold = before;
    Turn(rig, 10, 8, 0, {});
    EXPECT_EQ(after, rig.state.my.gold) << "from " << before;
  }
}

TEST(AdventureTurn, TheTimeCastleStopsAtTheLargestDayCount) {
  RulesRig rig;
  rig.state.my.days_left = INT_MAX - 3;
  Turn(rig, 10, 8, 7, {});
  EXPECT_EQ(INT_MAX, rig.state.my.days_left);
}

TEST(AdventureTurn, ABossBeyondTheLastMapIsNamedByItsNumber) {
  for (auto [before, name, after] : {std::tuple{255, "256", 256}, {INT_MAX, "2147483648", INT_MAX}}) {
    RulesRig rig;
    rig.state.my.map_no = before;
    Turn(rig, 0, 17, 11, {});
    EXPECT_EQ(
        "type " +
            Sjis("ボスが現れた!!\rあなたの攻撃\rボスをコナゴナにした!!\r経験値を10かくとく！\rNEXTMAP【") +
            name + Sjis("のほこら】に入った!!"),
        Told(rig.view.log).back());
    EXPECT_EQ(after, rig.state.my.map_no);
  }
}

TEST(AdventureTurn, ANamePickWithoutCandidatesTakesAFixedName) {
  RulesRig rig;
  rig.state.nakama_list[255] = Sjis("ななし");  // the last entry is never a candidate
  Turn(rig, 10, 8, 6, {});                      // no name draw at all
  EXPECT_EQ("type " + Sjis("？？？？が仲間になった!!"), Told(rig.view.log).back());
  EXPECT_EQ(1, rig.state.my.nakama_cnt);
  EXPECT_TRUE(rig.random.exhausted());
}

TEST(AdventureTurn, AMissingPictureEndsTheTurnAfterTheDayAndTheSound) {
  RulesRig rig;
  MidGame(rig);
  rig.view.missingPictures.insert("teki.bmp");
  rig.random = {{5, 0}, {11, 0}, {17, 0}};  // money is not drawn, nor the offer
  tmy expected = rig.state.my;
  expected.days_left -= 1;
  EXPECT_THROW(rig.game.bouken_bClick(), GameError);
  EXPECT_EQ((std::vector<std::string>{ColorLine(colors::white), "sound teki.wav"}), Told(rig.view.log));
  EXPECT_EQ(Describe(expected), Describe(rig.state.my));
  EXPECT_TRUE(rig.random.exhausted());
}

}  // namespace
