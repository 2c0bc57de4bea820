#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "game/cp932.h"
#include "rules_rig.h"

namespace {

// A hero whose values are all distinct and below their maxima.
void Shopper(RulesRig& rig, int32_t gold) {
  tmy& my = rig.state.my;
  my.gold = gold;
  my.hp = 5, my.max_hp = 20, my.mp = 3, my.max_mp = 21;
  my.str_pt = 1, my.int_pt = 2, my.vit_pt = 3, my.adx_pt = 4;
  my.item_cnt = 6, my.reaitem_cnt = 7, my.nakama_cnt = 8, my.exp_pt = 9, my.map_no = 10, my.days_left = 100;
}

const std::string kNoMoney = "type " + Sjis("お金が足りない!!");

TEST(Magic, HealsIntPlusTwoForTwoPointsPastTheMaximum) {
  RulesRig rig;
  tmy& my = rig.state.my;
  my.mp = 2, my.int_pt = 3;
  rig.game.magic_bClick();
  EXPECT_EQ(0, my.mp);
  EXPECT_EQ(15, my.hp);  // the next refresh brings it down to max_hp
  EXPECT_EQ(
      (std::vector<std::string>{ColorLine(colors::white), "sound hp.wav", "type " + Sjis("HPが5回復した!!")}),
      Told(rig.view.log));
}

TEST(Magic, OnePointIsRefusedAndChangesNothing) {
  RulesRig rig;
  rig.state.my.mp = 1;
  const std::string before = Describe(rig.state.my);
  rig.game.magic_bClick();
  EXPECT_EQ(before, Describe(rig.state.my));
  EXPECT_EQ((std::vector<std::string>{ColorLine(colors::white), "type " + Sjis("MPが足りない！！")}),
            Told(rig.view.log));
}

TEST(Training, EachRowIsToldAndTakesEffectAndTheOfferIsUsedUp) {
  struct Row {
    std::vector<int32_t> draws;
    const char* message;
    int32_t tmy::*raised;
    int32_t by;
  };
  const Row rows[] = {
      {{0}, "最大HPが1増えた!!", &tmy::max_hp, 1},
      {{1}, "最大MPが1増えた!!", &tmy::max_mp, 1},
      {{2}, "攻撃力が1増えた!!", &tmy::str_pt, 1},
      {{3}, "魔力が1増えた!!", &tmy::int_pt, 1},
      {{4, 5, 6, 7, 8, 9}, "経験値が1増えた", &tmy::exp_pt, 1},
      {{10, 11, 12}, "強くなったような気がする", nullptr, 0},
      {{13}, "経験値が3増えた", &tmy::exp_pt, 3},
  };
  for (const Row& row : rows) {
    for (int32_t draw : row.draws) {
      RulesRig rig;
      Shopper(rig, 20);
      rig.view.at(Control::tokkun_b).visible = true;
      tmy expected = rig.state.my;
      expected.gold = 0, expected.days_left -= 7;
      if (row.raised) expected.*row.raised += row.by;
      rig.random.expect(14, draw);

      rig.game.tokkun_bClick();

      EXPECT_EQ((std::vector<std::string>{ColorLine(colors::white), "sound kelpo.wav", "picture tokkun.bmp",
                                          "type " + Sjis("１週間、特訓した!!\r") + Sjis(row.message)}),
                Told(rig.view.log))
          << "draw " << draw;
      EXPECT_EQ(Describe(expected), Describe(rig.state.my)) << "draw " << draw;
      EXPECT_FALSE(rig.view.isVisible(Control::tokkun_b));
      EXPECT_TRUE(rig.view.isEnabled(Control::tokkun_b));
    }
  }
}

TEST(Training, NineteenGoldIsRefusedAndTheOfferStays) {
  RulesRig rig;
  Shopper(rig, 19);
  rig.view.at(Control::tokkun_b).visible = true;
  const std::string before = Describe(rig.state.my);
  rig.game.tokkun_bClick();
  EXPECT_EQ(before, Describe(rig.state.my));
  EXPECT_EQ((std::vector<std::string>{ColorLine(colors::white), kNoMoney}), Told(rig.view.log));
  EXPECT_TRUE(rig.view.isVisible(Control::tokkun_b));
}

TEST(Training, AMissingPictureKeepsTheFeeAndDaysTakenAndTheOfferShown) {
  RulesRig rig;
  Shopper(rig, 25);
  rig.view.at(Control::tokkun_b).visible = true;
  rig.view.missingPictures.insert("tokkun.bmp");
  tmy expected = rig.state.my;
  expected.gold = 5, expected.days_left = 93;
  EXPECT_THROW(rig.game.tokkun_bClick(), GameError);
  EXPECT_EQ(Describe(expected), Describe(rig.state.my));
  EXPECT_TRUE(rig.view.isVisible(Control::tokkun_b));
}

struct Bracket {
  int32_t low, high;
  const char* message;
  void (*effect)(tmy&);
};

// The shopper of Shopper(): hp 5 of 20, mp 3 of 21, 100 days.
const Bracket kBrackets[] = {
    {10, 15, "「薬草」を買った!!\rHpが１回復した",
     [](tmy& my) {
       my.hp += 1;
       my.item_cnt += 1;
     }},
    {16, 19, "「赤い実」を買った!!\rMpが１回復した",
     [](tmy& my) {
       my.mp += 1;
       my.item_cnt += 1;
     }},
    {20, 30, "「素早さの種」を買った!!\rADXが1upした",
     [](tmy& my) {
       my.adx_pt += 1;
       my.item_cnt += 1;
     }},
    {31, 40, "「ハガネのよろい」を買った!!\rVITが1upした",
     [](tmy& my) {
       my.vit_pt += 1;
       my.item_cnt += 1;
     }},
    {41, 80, "「ザムリ王剣」を買った!!\rSTRが1upした",
     [](tmy& my) {
       my.str_pt += 1;
       my.item_cnt += 1;
     }},
    {81, 110, "「悪魔の実」を買った!!\rINTが1upした",
     [](tmy& my) {
       my.int_pt += 1;
       my.item_cnt += 1;
     }},
    {111, 130, "「ぬるぺこ」を買った!!\rHpが完全回復した",
     [](tmy& my) {
       my.hp = 20;
       my.item_cnt += 1;
     }},
    {131, 150, "「しあわせの靴」を買った!!\r経験値が5upした",
     [](tmy& my) {
       my.exp_pt += 5;
       my.item_cnt += 1;
     }},
    {151, 165, "「赤いドレス」を買った!!\rMpが完全回復した",
     [](tmy& my) {
       my.mp = 21;
       my.item_cnt += 1;
     }},
    {166, 190, "「コクンコクン・クロス」を買った!!\r最大Hpが1upした",
     [](tmy& my) {
       my.max_hp += 1;
       my.item_cnt += 1;
     }},
    {191, 230, "「風の子ＣＯＴＯＲＩ」を買った!!\r最大Mpが1upした",
     [](tmy& my) {
       my.max_mp += 1;
       my.item_cnt += 1;
     }},
    {231, 250, "レアITEM「てぶくろ草」を買った!!", [](tmy& my) { my.reaitem_cnt += 1; }},
    {251, 300, "「時のたまご」を買った!!\r時が１ヶ月さかのぼった",
     [](tmy& my) {
       my.days_left += 30;
       my.item_cnt += 1;
     }},
    {301, 499, "仲間「ザムリザムリ」と友達になった!!", [](tmy& my) { my.nakama_cnt += 1; }},
    {500, 600, "「遠く風鳴る丘の出来事」を手に入れた!!\r経験値が30upした",
     [](tmy& my) {
       my.exp_pt += 30;
       my.item_cnt += 1;
     }},
    {601, 700, "「ワームホール」を手に入れた!!\r次のMAPへ移動した",
     [](tmy& my) {
       my.map_no += 1;
       my.item_cnt += 1;
     }},
    {701, 2000, "仲間「ヒーロー・グリングリン」と友達になった!!", [](tmy& my) { my.nakama_cnt += 1; }},
    {2001, 9999, "仲間「探す者・シド」と友達になった!!", [](tmy& my) { my.nakama_cnt += 1; }},
};

TEST(Shop, EachBracketAppliesAtBothItsBoundsAndTakesAllTheGold) {
  for (const Bracket& bracket : kBrackets) {
    for (int32_t gold : {bracket.low, bracket.high}) {
      RulesRig rig;
      Shopper(rig, gold);
      tmy expected = rig.state.my;
      bracket.effect(expected);
      expected.gold = 0, expected.days_left -= 5;

      rig.game.shop_bClick();

      EXPECT_EQ((std::vector<std::string>{ColorLine(colors::white), "sound store.wav", "picture store.bmp",
                                          "type " + Sjis(bracket.message)}),
                Told(rig.view.log))
          << gold << " gold";
      EXPECT_EQ(Describe(expected), Describe(rig.state.my)) << gold << " gold";
    }
  }
}

TEST(Shop, TheTimeEggGivesBackTwentyFiveDaysInAll) {
  RulesRig rig;
  Shopper(rig, 251);
  rig.game.shop_bClick();
  EXPECT_EQ(125, rig.state.my.days_left);
}

TEST(Shop, NineGoldIsRefusedAndChangesNothing) {
  RulesRig rig;
  Shopper(rig, 9);
  const std::string before = Describe(rig.state.my);
  rig.game.shop_bClick();
  EXPECT_EQ(before, Describe(rig.state.my));
  EXPECT_EQ((std::vector<std::string>{ColorLine(colors::white), kNoMoney}), Told(rig.view.log));
}

TEST(Shop, TenThousandGoldAndMoreBuyNothingAndTypeNothing) {
  for (int32_t gold : {10000, INT_MAX}) {
    RulesRig rig;
    Shopper(rig, gold);
    tmy expected = rig.state.my;
    expected.gold = 0, expected.days_left -= 5;
    rig.game.shop_bClick();
    EXPECT_EQ((std::vector<std::string>{ColorLine(colors::white), "sound store.wav", "picture store.bmp"}),
              Told(rig.view.log));
    EXPECT_EQ(Describe(expected), Describe(rig.state.my)) << gold << " gold";
  }
}

TEST(Shop, AMissingPictureKeepsTheDaysTakenAndTheGold) {
  RulesRig rig;
  Shopper(rig, 500);
  rig.view.missingPictures.insert("store.bmp");
  tmy expected = rig.state.my;
  expected.days_left -= 5;
  EXPECT_THROW(rig.game.shop_bClick(), GameError);
  EXPECT_EQ(Describe(expected), Describe(rig.state.my));
}

}  // namespace
