#pragma once

#include <array>
#include <cstdint>
#include <string>

// The game's variables. Every text is code page 932 bytes.

// The stored record: the first nineteen fields are the lines of my.dat, in order.
struct tmy {
  std::string hi_name;
  int32_t gold = 0;
  int32_t lv = 0;
  int32_t reserve1 = 0;  // no rule reads or changes it; kept for the record file's layout
  int32_t reserve2 = 0;  // likewise
  int32_t max_hp = 0;
  int32_t max_mp = 0;
  int32_t hp = 0;
  int32_t mp = 0;
  int32_t str_pt = 0;
  int32_t int_pt = 0;
  int32_t vit_pt = 0;
  int32_t adx_pt = 0;
  int32_t item_cnt = 0;
  int32_t map_no = 0;
  int32_t exp_pt = 0;
  int32_t reaitem_cnt = 0;
  int32_t hi_score = 0;
  int32_t nakama_cnt = 0;
  int32_t days_left = 0;  // not stored
};

constexpr int kNameListSize = 256;
using NameList = std::array<std::string, kNameListSize>;

struct GameState {
  tmy my;
  int32_t score = 0;
  NameList name_list;     // map names; entry map_no is the current map
  NameList nakama_list;   // companions
  NameList item_list;     // items
  NameList reaitem_list;  // rare items
  int32_t moji_pos = 0;     // typing steps shown of the message being typed; 0 between messages
  int32_t title_phase = 0;  // which half of the title animation the next tick draws
};
