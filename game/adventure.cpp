#include <algorithm>
#include <string>
#include <string_view>

#include "game/cp932.h"
#include "game/game.h"
#include "game/map_name.h"
#include "game/saturating.h"

// The adventure turn: a day may pass, one event is drawn from tables A to E and told, and the
// training offer may show. The turn neither clamps nor judges; the next status refresh does.

namespace {

enum class Event {
  enemy_beaten_money,
  day_ends,
  enemy_attack,
  enemy_beaten_item,
  boss_beaten,
  extra_beaten,
  extra_attack,
  boss_attack,
  attack_dodged,
  severe_trap_disarmed,
  severe_trap_springs,
  empty_chest,
  trap_disarmed,
  trap_springs,
  treasure_chest,
  shrine_hp,
  shrine_mp,
  goddess_spring,
  demon_spring,
  dream_castle,
  nothing_happens,
  enemy_flees,
  companion_joins,
  time_castle,
};

struct Telling {
  std::string_view sound;  // empty: the event is silent
  std::string_view picture;
  Rgb color;
};

Telling telling_of(Event event) {
  using colors::aqua, colors::red, colors::white, colors::yellow;
  switch (event) {
    case Event::enemy_beaten_money:
      return {"teki.wav", "\\cg\\teki.bmp", white};
    case Event::day_ends:
      return {"hi.wav", "\\cg\\hi.bmp", white};
    case Event::enemy_attack:
      return {"teki.wav", "\\cg\\teki.bmp", red};
    case Event::enemy_beaten_item:
      return {"teki.wav", "\\cg\\teki.bmp", white};
    case Event::boss_beaten:
      return {"boss.wav", "\\cg\\boss.bmp", white};
    case Event::extra_beaten:
      return {"ex.wav", "\\cg\\ex.bmp", white};
    case Event::extra_attack:
      return {"ex.wav", "\\cg\\ex.bmp", red};
    case Event::boss_attack:
      return {"boss.wav", "\\cg\\boss.bmp", red};
    case Event::attack_dodged:
      return {"teki.wav", "\\cg\\teki.bmp", white};
    case Event::severe_trap_disarmed:
      return {"wana.wav", "\\cg\\wana2.bmp", white};
    case Event::severe_trap_springs:
      return {"wana.wav", "\\cg\\wana2.bmp", red};
    case Event::empty_chest:
      return {"takara.wav", "\\cg\\kara.bmp", white};
    case Event::trap_disarmed:
      return {"wana.wav", "\\cg\\wana.bmp", white};
    case Event::trap_springs:
      return {"wana.wav", "\\cg\\wana.bmp", red};
    case Event::treasure_chest:
      return {"takara.wav", "\\cg\\takara.bmp", white};
    case Event::shrine_hp:
      return {"hakken.wav", "\\cg\\hokora.bmp", aqua};
    case Event::shrine_mp:
      return {"hakken.wav", "\\cg\\hokora.bmp", aqua};
    case Event::goddess_spring:
      return {"hp.wav", "\\cg\\megami.bmp", aqua};
    case Event::demon_spring:
      return {"hp.wav", "\\cg\\majin.bmp", aqua};
    case Event::dream_castle:
      return {"vo.wav", "\\cg\\vo.bmp", yellow};
    case Event::nothing_happens:
      return {"", "\\cg\\black.bmp", white};
    case Event::enemy_flees:
      return {"teki.wav", "\\cg\\teki.bmp", white};
    case Event::companion_joins:
      return {"nakama.wav", "\\cg\\nakama.bmp", white};
    case Event::time_castle:
      return {"toki.wav", "\\cg\\toki.bmp", yellow};
  }
  return {};
}

// Table A, by b = random 17.
Event battle(int32_t b) {
  switch (b) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
      return Event::enemy_beaten_money;
    case 5:
    case 16:
      return Event::day_ends;
    case 6:
    case 9:
    case 10:
      return Event::enemy_attack;
    case 7:
    case 8:
      return Event::enemy_beaten_item;
    case 11:
      return Event::boss_beaten;
    case 12:
      return Event::extra_beaten;
    case 13:
      return Event::extra_attack;
    case 14:
      return Event::boss_attack;
    default:
      return Event::attack_dodged;
  }
}

// Draws a = random 11 and then the chosen table's own draw.
Event draw_event(RandomSource& random, const tmy& my) {
  const int32_t a = random.random(11);
  if (a <= 5) return battle(random.random(17));
  if (a == 6) {
    if (random.random(2) == 1) return Event::empty_chest;
    return my.mp > 1 ? Event::severe_trap_disarmed : Event::severe_trap_springs;
  }
  if (a <= 8) {
    if (random.random(2) == 1) return Event::treasure_chest;
    return my.mp > 0 ? Event::trap_disarmed : Event::trap_springs;
  }
  if (a == 9) {
    constexpr Event kSprings[] = {Event::shrine_hp, Event::shrine_mp, Event::goddess_spring,
                                  Event::demon_spring};
    return kSprings[random.random(4)];
  }
  constexpr Event kCastles[] = {Event::dream_castle,    Event::dream_castle, Event::nothing_happens,
                                Event::nothing_happens, Event::enemy_flees,  Event::enemy_flees,
                                Event::companion_joins, Event::time_castle};
  return kCastles[random.random(8)];
}

// Entries 0 to 254 are the candidates; an empty one is drawn again.
std::string pick_name(const NameList& list, RandomSource& random) {
  const bool any =
      std::any_of(list.begin(), list.end() - 1, [](const std::string& name) { return !name.empty(); });
  // A list without any candidate would make the redraws endless.
  if (!any) return Sjis("？？？？");
  for (;;) {
    const std::string& name = list[static_cast<size_t>(random.random(255))];
    if (!name.empty()) return name;
  }
}

int32_t at_least_one(int64_t damage) { return saturated(std::max<int64_t>(1, damage)); }

// What an event's own draws and the hero's values make of it: its message and the amount its
// effect uses (money, damage).
struct Outcome {
  std::string message;
  int32_t amount = 0;
};

Outcome work_out(Event event, const GameState& state, RandomSource& random) {
  const tmy& my = state.my;
  const auto text = [](int32_t n) { return std::to_string(n); };
  switch (event) {
    case Event::enemy_beaten_money: {
      const int32_t g = 8 + random.random(5);
      return {Sjis("敵が現れた!!\rあなたの攻撃\r敵を粉砕した!!\r経験値1かくとく！\rお金") + text(g) +
                  Sjis("円かくとく！"),
              g};
    }
    case Event::day_ends:
      return {Sjis("日が暮れた")};
    case Event::enemy_attack: {
      const int32_t damage = at_least_one(int64_t{my.lv} - my.vit_pt);
      return {Sjis("敵が現れた!!\r敵の攻撃!!\r") + text(damage) + Sjis("ダメージ受けた！"), damage};
    }
    case Event::enemy_beaten_item:
      return {Sjis("敵が現れた!!\rあなたの攻撃\r敵を粉砕した!!\r経験値1かくとく！\r【") +
              pick_name(state.item_list, random) + Sjis("】を見つけた!!")};
    case Event::boss_beaten:
      return {Sjis("ボスが現れた!!\rあなたの攻撃\rボスをコナゴナにした!!\r経験値を10かくとく！\rNEXTMAP【") +
              map_name(state, int64_t{my.map_no} + 1) + Sjis("のほこら】に入った!!")};
    case Event::extra_beaten:
      return {Sjis("ＥＸＴＲＡエネミーが現れた!!\rあなたの攻撃\rなんとかやっつけた!!"
                   "\r経験値を5かくとく！\rレアitem【") +
              pick_name(state.reaitem_list, random) + Sjis("】を見つけた!!")};
    case Event::extra_attack: {
      const int32_t damage = at_least_one(int64_t{my.lv} + 2 - my.vit_pt);
      return {Sjis("ＥＸＴＲＡエネミーが現れた!!\r敵の攻撃!!\r") + text(damage) + Sjis("ダメージ受けた！"),
              damage};
    }
    case Event::boss_attack: {
      const int32_t damage = at_least_one(int64_t{my.lv} + 3 - my.vit_pt);
      return {Sjis("ボスが現れた!!\rボスの攻撃!!\r") + text(damage) + Sjis("ダメージ受けた！"), damage};
    }
    case Event::attack_dodged:
      return {Sjis("敵が現れた!!\r敵の攻撃!!\rすばやく交わした!!\r経験値1かくとく！")};
    case Event::severe_trap_disarmed:
      return {Sjis("凶暴なワナがあった!!\rワナを解除した!!\rMPを2消費した\r経験値が2増えた")};
    case Event::severe_trap_springs: {
      const int32_t damage = at_least_one(random.random(3) + 2 * int64_t{my.lv} - my.adx_pt);
      return {Sjis("凶暴なワナがあった!!\rMpが足りない!!\r") + text(damage) + Sjis("ダメージうけた"), damage};
    }
    case Event::empty_chest:
      return {Sjis("宝箱を発見した!!\r空だった････")};
    case Event::trap_disarmed:
      return {Sjis("ワナがあった!!\rワナを解除した!!\rMPを1消費した\r経験値が1増えた")};
    case Event::trap_springs: {
      const int32_t damage = at_least_one(random.random(2) + int64_t{my.lv} + 1 - my.adx_pt);
      return {Sjis("ワナがあった!!\rMpが足りない!!\r") + text(damage) + Sjis("ダメージうけた"), damage};
    }
    case Event::treasure_chest:
      return {Sjis("宝箱を発見した!!\r【") + pick_name(state.item_list, random) + Sjis("】を手に入れた!!")};
    case Event::shrine_hp:
      return {Sjis("しんぴのほこらを見つけた！\r最大Hpが1上がった")};
    case Event::shrine_mp:
      return {Sjis("しんぴのほこらを見つけた！\r最大Mpが1上がった")};
    case Event::goddess_spring:
      return {Sjis("女神様の泉を見つけた！\rHpが5回復した!!")};
    case Event::demon_spring:
      return {Sjis("魔人様の泉を見つけた！\rMpが5回復した!!")};
    case Event::dream_castle:
      return {Sjis("夢のヴォマクト城を発見した！\rお金が1.5倍になった!!")};
    case Event::nothing_happens:
      return {Sjis("なにもおきなかった。")};
    case Event::enemy_flees:
      return {Sjis("敵が現れた!!\r敵は逃げて行った!!\rお金を5円拾った")};
    case Event::companion_joins:
      return {pick_name(state.nakama_list, random) + Sjis("が仲間になった!!")};
    case Event::time_castle:
      return {Sjis("幻の時間城を発見した!!\r時間が１０日さかのぼった!!")};
  }
  return {};
}

void apply(Event event, int32_t amount, tmy& my) {
  switch (event) {
    case Event::enemy_beaten_money:
      add_saturating(my.exp_pt, 1);
      add_saturating(my.gold, amount);
      break;
    case Event::day_ends:
      add_saturating(my.days_left, -1);
      break;
    case Event::enemy_attack:
    case Event::extra_attack:
    case Event::boss_attack:
    case Event::severe_trap_springs:
    case Event::trap_springs:
      add_saturating(my.hp, -int64_t{amount});
      break;
    case Event::enemy_beaten_item:
      add_saturating(my.exp_pt, 1);
      add_saturating(my.item_cnt, 1);
      break;
    case Event::boss_beaten:
      add_saturating(my.map_no, 1);
      add_saturating(my.exp_pt, 10);
      add_saturating(my.days_left, -10);
      break;
    case Event::extra_beaten:
      add_saturating(my.exp_pt, 5);
      add_saturating(my.reaitem_cnt, 1);
      break;
    case Event::attack_dodged:
      add_saturating(my.exp_pt, 1);
      break;
    case Event::severe_trap_disarmed:
      add_saturating(my.exp_pt, 2);
      add_saturating(my.mp, -2);
      break;
    case Event::empty_chest:
      break;
    case Event::trap_disarmed:
      add_saturating(my.mp, -1);
      add_saturating(my.exp_pt, 1);
      break;
    case Event::treasure_chest:
      add_saturating(my.item_cnt, 1);
      break;
    case Event::shrine_hp:
      add_saturating(my.max_hp, 1);
      break;
    case Event::shrine_mp:
      add_saturating(my.max_mp, 1);
      break;
    case Event::goddess_spring:
      add_saturating(my.hp, 5);
      break;
    case Event::demon_spring:
      add_saturating(my.mp, 5);
      break;
    case Event::dream_castle:
      add_saturating(my.gold, my.gold / 2);
      add_saturating(my.days_left, -10);
      break;
    case Event::nothing_happens:
      add_saturating(my.days_left, -1);
      break;
    case Event::enemy_flees:
      add_saturating(my.gold, 5);
      break;
    case Event::companion_joins:
      add_saturating(my.nakama_cnt, 1);
      add_saturating(my.days_left, -10);
      break;
    case Event::time_castle:
      add_saturating(my.days_left, 10);
      break;
  }
}

}  // namespace

void Game::bouken_bClick() {
  tmy& my = state_.my;
  view_.setFontColor(Control::moji_l, colors::white);
  // A press costs a day one time in five.
  if (random(5) == 0) add_saturating(my.days_left, -1);

  const Event event = draw_event(random_, my);
  const Telling telling = telling_of(event);
  if (!telling.sound.empty()) play_wav(std::string(telling.sound));
  show_picture(telling.picture);
  const Outcome outcome = work_out(event, state_, random_);
  view_.setFontColor(Control::moji_l, telling.color);
  moji_print(outcome.message);
  apply(event, outcome.amount, my);

  // The training offer; only training hides the button again.
  if (random(50) == 0) view_.setVisible(Control::tokkun_b, true);
}
