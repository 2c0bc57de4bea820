#include <array>
#include <string>

#include "game/cp932.h"
#include "game/game.h"
#include "game/map_name.h"
#include "game/text_file.h"

namespace {

// Lines 2 to 19 of my.dat, in order.
constexpr std::array<int32_t tmy::*, 18> kStoredNumbers = {
    &tmy::gold,     &tmy::lv,     &tmy::reserve1, &tmy::reserve2,    &tmy::max_hp,   &tmy::max_mp,
    &tmy::hp,       &tmy::mp,     &tmy::str_pt,   &tmy::int_pt,      &tmy::vit_pt,   &tmy::adx_pt,
    &tmy::item_cnt, &tmy::map_no, &tmy::exp_pt,   &tmy::reaitem_cnt, &tmy::hi_score, &tmy::nakama_cnt,
};

void ReadNameList(const std::filesystem::path& file, NameList& list) {
  TextFileReader reader(file);
  for (std::string& entry : list) entry = reader.readLine();
}

std::string Decimal(int32_t value) { return std::to_string(value); }

}  // namespace

void Game::load_dat() {
  {
    TextFileReader reader(path_of("\\dat\\my.dat"));
    state_.my.hi_name = reader.readLine();
    for (int32_t tmy::*field : kStoredNumbers) state_.my.*field = reader.readNumber();
  }
  ReadNameList(path_of("\\dat\\item.dat"), state_.item_list);
  ReadNameList(path_of("\\dat\\nakama.dat"), state_.nakama_list);
  ReadNameList(path_of("\\dat\\reaitem.dat"), state_.reaitem_list);
  ReadNameList(path_of("\\dat\\name.dat"), state_.name_list);
}

void Game::save_dat() {
  const tmy& my = state_.my;

  TextFileWriter record;
  record.line(my.hi_name);
  for (int32_t tmy::*field : kStoredNumbers) record.line(my.*field);
  record.save(path_of("\\dat\\my.dat"));

  TextFileWriter result;
  result.line(Sjis("■ヨルネピアデータ"));
  result.line(Sjis("名前：") + my.hi_name + Sjis("さん"));
  result.line("LV:" + Decimal(my.lv) + " MAXHP:" + Decimal(my.max_hp) + " MAXMP:" + Decimal(my.max_mp));
  result.line("STR:" + Decimal(my.str_pt) + " INT:" + Decimal(my.int_pt) + " VIT:" + Decimal(my.vit_pt) +
              " ADX:" + Decimal(my.adx_pt));
  result.line("ITEM:" + Decimal(my.item_cnt) + Sjis(" レア:") + Decimal(my.reaitem_cnt));
  result.line("GOLD:" + Decimal(my.gold) + Sjis("G 仲間:") + Decimal(my.nakama_cnt) + Sjis("人 STAGE:") +
              map_name(state_, my.map_no) + Sjis("のほこら"));
  result.line(view_.text(Control::score_l));
  result.save(path_of("結果.txt"));
}
