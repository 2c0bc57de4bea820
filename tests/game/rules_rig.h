#pragma once

#include <string>
#include <vector>

#include "game/game.h"
#include "support/fakes.h"

// The rules on a recording view, a scripted random source and a silent waiter, with a hero as a
// restart leaves it.
struct RulesRig {
  RulesRig() {
    tmy& my = state.my;
    my.lv = 1;
    my.hp = my.max_hp = my.mp = my.max_mp = 10;
    my.days_left = 365;
    view.at(Control::tokkun_b).visible = false;
    view.at(Control::entry_box).visible = false;
  }

  GameState state;
  FakeView view;
  FakeSound sound{view.log};
  ScriptedRandom random;
  RecordingWaiter waiter;
  Game game{state, view, &sound, random, waiter, "/zeru"};
};

// The view's log with each typed message's frames folded into one "type <whole message>" line.
inline std::vector<std::string> Told(const std::vector<std::string>& log) {
  std::vector<std::string> told;
  for (const std::string& line : log) {
    if (line.rfind("frame ", 0) != 0) {
      told.push_back(line);
    } else if (line == "frame ") {
      told.push_back("type ");  // every message starts with an empty frame
    } else {
      told.back() = "type " + line.substr(6);
    }
  }
  return told;
}

// Every value of the record, for comparisons that name what differs.
inline std::string Describe(const tmy& my) {
  std::string text = "hi_name=" + my.hi_name;
  const auto add = [&text](const char* name, int32_t value) {
    text += std::string(" ") + name + "=" + std::to_string(value);
  };
  add("gold", my.gold);
  add("lv", my.lv);
  add("reserve1", my.reserve1);
  add("reserve2", my.reserve2);
  add("max_hp", my.max_hp);
  add("max_mp", my.max_mp);
  add("hp", my.hp);
  add("mp", my.mp);
  add("str_pt", my.str_pt);
  add("int_pt", my.int_pt);
  add("vit_pt", my.vit_pt);
  add("adx_pt", my.adx_pt);
  add("item_cnt", my.item_cnt);
  add("map_no", my.map_no);
  add("exp_pt", my.exp_pt);
  add("reaitem_cnt", my.reaitem_cnt);
  add("hi_score", my.hi_score);
  add("nakama_cnt", my.nakama_cnt);
  add("days_left", my.days_left);
  return text;
}

inline std::string ColorLine(Rgb c) {
  return "color " + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}
