#include <string>
#include <string_view>

#include "game/cp932.h"
#include "game/game.h"
#include "game/saturating.h"

// The three actions beside the adventure button: heal with magic, train once, go shopping. Like the
// turn they only change the values; the next status refresh clamps and judges them.

namespace {

constexpr int32_t kMagicCost = 2;     // MP per heal
constexpr int32_t kTrainingFee = 20;  // gold
constexpr int32_t kTrainingDays = 7;
constexpr int32_t kShoppingMinimum = 10;  // gold
constexpr int32_t kShoppingDays = 5;

enum class Gain {
  hp,
  mp,
  adx,
  vit,
  str,
  int_,
  full_hp,
  exp5,
  full_mp,
  max_hp,
  max_mp,
  rare,
  days30,
  companion,
  exp30,
  next_map
};

struct Bracket {
  int32_t low, high;  // gold, both included
  std::string_view message;
  Gain gain;
};

// The ranges are uneven on purpose: 301 to 499 is one range, 500 to 600 the next.
constexpr Bracket kShop[] = {
    {10, 15, "「薬草」を買った!!\rHpが１回復した", Gain::hp},
    {16, 19, "「赤い実」を買った!!\rMpが１回復した", Gain::mp},
    {20, 30, "「素早さの種」を買った!!\rADXが1upした", Gain::adx},
    {31, 40, "「ハガネのよろい」を買った!!\rVITが1upした", Gain::vit},
    {41, 80, "「ザムリ王剣」を買った!!\rSTRが1upした", Gain::str},
    {81, 110, "「悪魔の実」を買った!!\rINTが1upした", Gain::int_},
    {111, 130, "「ぬるぺこ」を買った!!\rHpが完全回復した", Gain::full_hp},
    {131, 150, "「しあわせの靴」を買った!!\r経験値が5upした", Gain::exp5},
    {151, 165, "「赤いドレス」を買った!!\rMpが完全回復した", Gain::full_mp},
    {166, 190, "「コクンコクン・クロス」を買った!!\r最大Hpが1upした", Gain::max_hp},
    {191, 230, "「風の子ＣＯＴＯＲＩ」を買った!!\r最大Mpが1upした", Gain::max_mp},
    {231, 250, "レアITEM「てぶくろ草」を買った!!", Gain::rare},
    {251, 300, "「時のたまご」を買った!!\r時が１ヶ月さかのぼった", Gain::days30},
    {301, 499, "仲間「ザムリザムリ」と友達になった!!", Gain::companion},
    {500, 600, "「遠く風鳴る丘の出来事」を手に入れた!!\r経験値が30upした", Gain::exp30},
    {601, 700, "「ワームホール」を手に入れた!!\r次のMAPへ移動した", Gain::next_map},
    {701, 2000, "仲間「ヒーロー・グリングリン」と友達になった!!", Gain::companion},
    {2001, 9999, "仲間「探す者・シド」と友達になった!!", Gain::companion},
};

void apply(Gain gain, tmy& my) {
  switch (gain) {
    case Gain::hp:
      add_saturating(my.hp, 1);
      break;
    case Gain::mp:
      add_saturating(my.mp, 1);
      break;
    case Gain::adx:
      add_saturating(my.adx_pt, 1);
      break;
    case Gain::vit:
      add_saturating(my.vit_pt, 1);
      break;
    case Gain::str:
      add_saturating(my.str_pt, 1);
      break;
    case Gain::int_:
      add_saturating(my.int_pt, 1);
      break;
    case Gain::full_hp:
      my.hp = my.max_hp;
      break;
    case Gain::exp5:
      add_saturating(my.exp_pt, 5);
      break;
    case Gain::full_mp:
      my.mp = my.max_mp;
      break;
    case Gain::max_hp:
      add_saturating(my.max_hp, 1);
      break;
    case Gain::max_mp:
      add_saturating(my.max_mp, 1);
      break;
    case Gain::rare:
      add_saturating(my.reaitem_cnt, 1);
      break;
    case Gain::days30:
      add_saturating(my.days_left, 30);
      break;
    case Gain::companion:
      add_saturating(my.nakama_cnt, 1);
      break;
    case Gain::exp30:
      add_saturating(my.exp_pt, 30);
      break;
    case Gain::next_map:
      add_saturating(my.map_no, 1);
      break;
  }
  // Rare items and companions are counted apart from the items.
  if (gain != Gain::rare && gain != Gain::companion) add_saturating(my.item_cnt, 1);
}

}  // namespace

void Game::magic_bClick() {
  tmy& my = state_.my;
  view_.setFontColor(Control::moji_l, colors::white);
  if (my.mp < kMagicCost) {
    moji_print(Sjis("MPが足りない！！"));
    return;
  }
  add_saturating(my.mp, -kMagicCost);
  // The button's hint promises one point; the heal is int_pt + 2 all the same.
  const int32_t healed = saturated(int64_t{my.int_pt} + 2);
  add_saturating(my.hp, healed);
  play_wav("hp.wav");
  moji_print(Sjis("HPが") + std::to_string(healed) + Sjis("回復した!!"));
}

void Game::tokkun_bClick() {
  tmy& my = state_.my;
  view_.setFontColor(Control::moji_l, colors::white);
  if (my.gold < kTrainingFee) {
    moji_print(Sjis("お金が足りない!!"));
    return;
  }
  play_wav("kelpo.wav");
  add_saturating(my.gold, -kTrainingFee);
  add_saturating(my.days_left, -kTrainingDays);
  show_picture("\\cg\\tokkun.bmp");
  const std::string trained = Sjis("１週間、特訓した!!\r");
  const int32_t r = random(14);
  if (r == 0) {
    moji_print(trained + Sjis("最大HPが1増えた!!"));
    add_saturating(my.max_hp, 1);
  } else if (r == 1) {
    moji_print(trained + Sjis("最大MPが1増えた!!"));
    add_saturating(my.max_mp, 1);
  } else if (r == 2) {
    moji_print(trained + Sjis("攻撃力が1増えた!!"));
    add_saturating(my.str_pt, 1);
  } else if (r == 3) {
    moji_print(trained + Sjis("魔力が1増えた!!"));
    add_saturating(my.int_pt, 1);
  } else if (r <= 9) {
    moji_print(trained + Sjis("経験値が1増えた"));
    add_saturating(my.exp_pt, 1);
  } else if (r <= 12) {
    moji_print(trained + Sjis("強くなったような気がする"));
  } else {
    moji_print(trained + Sjis("経験値が3増えた"));
    add_saturating(my.exp_pt, 3);
  }
  // Hidden but still enabled: the shop button under it can be pressed again.
  view_.setVisible(Control::tokkun_b, false);
}

void Game::shop_bClick() {
  tmy& my = state_.my;
  view_.setFontColor(Control::moji_l, colors::white);
  if (my.gold < kShoppingMinimum) {
    moji_print(Sjis("お金が足りない!!"));
    return;
  }
  play_wav("store.wav");
  add_saturating(my.days_left, -kShoppingDays);
  show_picture("\\cg\\store.bmp");
  // From 10000 gold on no bracket matches: the money goes and nothing is typed or gained.
  for (const Bracket& bracket : kShop) {
    if (my.gold >= bracket.low && my.gold <= bracket.high) {
      moji_print(Sjis(bracket.message));
      apply(bracket.gain, my);
      break;
    }
  }
  my.gold = 0;
}
