#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "game/cp932.h"
#include "game/game.h"
#include "game/map_name.h"
#include "game/point_text.h"
#include "game/saturating.h"

// The status refresh, every 10 ms: the one place that shows the hero's values, clamps them, levels
// up, ends the game and scores it.

namespace {

constexpr int32_t kLevelThreshold = 30;  // experience per level, the same at every level
constexpr int32_t kScoreCap = 999999;

std::string status_panel(const tmy& my) {
  const auto n = [](int32_t value) { return std::to_string(value); };
  return Sjis("ﾕｱ･ｽﾃｰﾀｽ") + "\r" +                                                   //
         "LV:" + n(my.lv) + " exp:" + n(my.exp_pt) + "/30\r" +                       //
         "HP:" + n(my.hp) + "/" + n(my.max_hp) + "\r" +                              //
         "MP:" + n(my.mp) + "/" + n(my.max_mp) + "\r" +                              //
         "STR:" + n(my.str_pt) + "\r" +                                              //
         "INT:" + n(my.int_pt) + "\r" +                                              //
         "VIT:" + n(my.vit_pt) + "\r" +                                              //
         "ADX:" + n(my.adx_pt) + "\r" +                                              //
         "\r" +                                                                      //
         "GOLD:" + n(my.gold) + "G\r" +                                              //
         "ITEM:" + n(my.item_cnt) + Sjis(" レアITEM:") + n(my.reaitem_cnt) + "\r" +  //
         Sjis("仲間:") + n(my.nakama_cnt) + Sjis("人");
}

// The weighted sum against a fresh hero (365 days, 10 HP and MP, level 1), in 64 bits.
int64_t score_sum(const tmy& my) {
  return 10 * (365 - int64_t{my.days_left}) + 400 * int64_t{my.nakama_cnt} + 10 * (int64_t{my.hp} - 10) +
         10 * (int64_t{my.mp} - 10) + 1000 * (int64_t{my.lv} - 1) + 10 * (int64_t{my.max_hp} - 10) +
         9 * (int64_t{my.max_mp} - 10) + 100 * int64_t{my.str_pt} + 90 * int64_t{my.vit_pt} +
         120 * int64_t{my.int_pt} + 150 * int64_t{my.adx_pt} + 15 * int64_t{my.item_cnt} +
         500 * int64_t{my.reaitem_cnt} + 5 * int64_t{my.gold} + 300 * int64_t{my.map_no};
}

}  // namespace

void Game::Timer2Timer() {
  tmy& my = state_.my;

  // A picture of the level-up or the death that cannot be read is reported once per run, after
  // the tick, so that ticks running behind the error box find the tick's work already done.
  std::vector<std::string> errors;
  const auto show_or_report = [&](std::string_view literal) {
    try {
      show_picture(literal);
    } catch (const GameError& error) {
      if (reported_pictures_.emplace(literal).second) errors.emplace_back(error.what());
    }
  };

  view_.setText(Control::state_l, status_panel(my));
  view_.setText(Control::stage_l, Sjis("MAP【") + map_name(state_, my.map_no) + Sjis("のほこら】"));
  view_.setGaugeMax(Control::hp_l, my.max_hp);
  view_.setGaugeMax(Control::mp_l, my.max_mp);
  view_.setGaugeProgress(Control::hp_l, my.hp);
  view_.setGaugeProgress(Control::mp_l, my.mp);
  view_.setText(Control::time_l, Sjis("死ぬまで後:") + std::to_string(my.days_left) + Sjis("日"));

  // A negative hp is left alone: it is death, judged below.
  if (my.item_cnt < 0) my.item_cnt = 0;
  if (my.hp > my.max_hp) my.hp = my.max_hp;
  if (my.mp > my.max_mp) my.mp = my.max_mp;
  if (my.mp < 0) my.mp = 0;

  if (my.exp_pt >= kLevelThreshold) {
    view_.setFontColor(Control::moji_l, colors::white);
    play_wav("lv.wav");
    show_or_report("\\cg\\lvup.bmp");
    const std::string levelled = Sjis("なんとレベルアップした!!\r最大Hpと最大Mpが1ずつあがった!");
    switch (random(5)) {
      case 0:
        moji_print(levelled);
        break;
      case 1:
        moji_print(levelled + Sjis("\r攻撃力が1上がった!!"));
        add_saturating(my.str_pt, 1);
        break;
      case 2:
        moji_print(levelled + Sjis("\r防御力が1上がった!!"));
        add_saturating(my.vit_pt, 1);
        break;
      case 3:
        moji_print(levelled + Sjis("\r素早さが1上がった!!"));
        add_saturating(my.adx_pt, 1);
        break;
      default:
        moji_print(levelled + Sjis("\r魔力が1上がった!!"));
        add_saturating(my.int_pt, 1);
        break;
    }
    add_saturating(my.lv, 1);
    // Experience above 30 is dropped: one level per tick, by design.
    my.exp_pt = 0;
    add_saturating(my.max_hp, 1);
    add_saturating(my.max_mp, 1);
    my.hp = my.max_hp;
    my.mp = my.max_mp;
  }

  // Judged after the level-up, whose refill saves a hero at 0 hp.
  if (my.hp <= 0) {
    view_.setFontColor(Control::moji_l, colors::red);
    show_or_report("\\cg\\die.bmp");
    moji_print(Sjis("あなたは死んだ!!\rGAMEOVER"));
    play_wav("die.wav");
    view_.setEnabled(Control::bouken_b, false);
    view_.setTimerEnabled(GameTimer::Timer2, false);
    view_.setTimerEnabled(GameTimer::Timer1, false);
    view_.setEnabled(Control::magic_b, false);
    view_.setEnabled(Control::tokkun_b, false);
    view_.setEnabled(Control::shop_b, false);
    // The score compared is the previous tick's, already capped; this tick's comes below.
    if (my.hi_score < state_.score) view_.setVisible(Control::entry_box, true);
  }

  const int64_t jitter = random(10);
  state_.score = saturated(std::max<int64_t>(0, jitter + score_sum(my)));
  view_.setText(Control::score_l, "POINT:" + point_text(state_.score) + Sjis("点"));
  view_.setText(Control::hi_l, "(HI:" + point_text(my.hi_score) + Sjis("点,▽") + my.hi_name + Sjis("さん)"));
  // Capped after the texts: the score line shows this tick's uncapped value.
  if (state_.score > kScoreCap) state_.score = kScoreCap;
  view_.setGaugeProgress(Control::score_ll, state_.score);

  if (my.days_left <= 0) {
    // Old age only empties hp; the next tick dies, and types this message a second time.
    view_.setFontColor(Control::moji_l, colors::red);
    moji_print(Sjis("時は来た・・・・寿命という死があなたを襲った。"));
    my.hp = 0;
  }

  for (const std::string& error : errors) view_.showError(error);
}
