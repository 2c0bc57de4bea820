#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "exe_rig.h"
#include "game/game_error.h"

namespace {

// Every stored value distinct, with both 32-bit limits and a code page 932 name.
void DistinctRecord(tmy& my) {
  my.hi_name = Sjis("ゆうしゃ ｱﾙ");
  my.gold = 2;
  my.lv = 3;
  my.reserve1 = -4;
  my.reserve2 = 5;
  my.max_hp = 6;
  my.max_mp = 7;
  my.hp = 8;
  my.mp = 9;
  my.str_pt = 10;
  my.int_pt = 11;
  my.vit_pt = 12;
  my.adx_pt = 13;
  my.item_cnt = 14;
  my.map_no = 2;
  my.exp_pt = 16;
  my.reaitem_cnt = INT_MIN;
  my.hi_score = INT_MAX;
  my.nakama_cnt = 19;
  my.days_left = 20;
}

std::string Numbered(const std::string& prefix, int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += prefix + std::to_string(i) + "\r\n";
  return bytes;
}

TEST(SaveDat, WritesTheRecordAndTheResultByteForByte) {
  ExeRig rig;
  DistinctRecord(rig.state.my);
  rig.state.name_list[2] = Sjis("みどりの森");
  rig.view.setText(Control::score_l, Sjis("ＳＣＯＲＥ：12345"));
  rig.game.save_dat();

  EXPECT_EQ(CrLfLines({Sjis("ゆうしゃ ｱﾙ"), "2", "3", "-4", "5", "6", "7", "8", "9", "10", "11", "12", "13",
                       "14", "2", "16", "-2147483648", "2147483647", "19"}),
            rig.folder.read("dat/my.dat"));
  EXPECT_EQ(CrLfLines({Sjis("■ヨルネピアデータ"), Sjis("名前：ゆうしゃ ｱﾙさん"), "LV:3 MAXHP:6 MAXMP:7",
                       "STR:10 INT:11 VIT:12 ADX:13", Sjis("ITEM:14 レア:-2147483648"),
                       Sjis("GOLD:2G 仲間:19人 STAGE:みどりの森のほこら"), Sjis("ＳＣＯＲＥ：12345")}),
            rig.folder.read("結果.txt"));
}

TEST(SaveDat, RecordReadsBackToTheSameNineteenValues) {
  ExeRig rig;
  rig.writeNameLists();
  DistinctRecord(rig.state.my);
  rig.game.save_dat();

  ExeRig reader;
  reader.writeNameLists();
  std::filesystem::copy_file(rig.folder.file("dat/my.dat"), reader.folder.file("dat/my.dat"));
  reader.game.load_dat();
  EXPECT_EQ(rig.state.my.hi_name, reader.state.my.hi_name);
  for (int32_t tmy::*field :
       {&tmy::gold, &tmy::lv, &tmy::reserve1, &tmy::reserve2, &tmy::max_hp, &tmy::max_mp, &tmy::hp, &tmy::mp,
        &tmy::str_pt, &tmy::int_pt, &tmy::vit_pt, &tmy::adx_pt, &tmy::item_cnt, &tmy::map_no, &tmy::exp_pt,
        &tmy::reaitem_cnt, &tmy::hi_score, &tmy::nakama_cnt}) {
    EXPECT_EQ(rig.state.my.*field, reader.state.my.*field);
  }
  EXPECT_EQ(0, reader.state.my.days_left);  // not stored
}

TEST(LoadDat, EmptyRecordFileReadsAsEmptyNameAndZeros) {
  ExeRig rig;
  rig.writeNameLists();
  rig.folder.write("dat/my.dat", "");
  DistinctRecord(rig.state.my);
  rig.game.load_dat();
  EXPECT_EQ("", rig.state.my.hi_name);
  for (int32_t value : {rig.state.my.gold, rig.state.my.lv, rig.state.my.reserve1, rig.state.my.hp,
                        rig.state.my.hi_score, rig.state.my.nakama_cnt}) {
    EXPECT_EQ(0, value);
  }
}

TEST(LoadDat, EmptyLineThreeShiftsTheValuesUp) {
  ExeRig rig;
  rig.writeNameLists();
  rig.folder.write("dat/my.dat", CrLfLines({"name", "100", "", "4", "5", "6", "7", "8", "9", "10", "11", "12",
                                            "13", "14", "15", "16", "17", "18", "19"}));
  rig.game.load_dat();
  const tmy& my = rig.state.my;
  EXPECT_EQ(100, my.gold);
  EXPECT_EQ(4, my.lv);
  EXPECT_EQ(5, my.reserve1);
  EXPECT_EQ(18, my.reaitem_cnt);
  EXPECT_EQ(19, my.hi_score);
  EXPECT_EQ(0, my.nakama_cnt);
}

TEST(LoadDat, NameListsTakeOneLinePerEntryUpTo256) {
  ExeRig rig;
  rig.folder.write("dat/my.dat", "");
  rig.folder.write("dat/name.dat", Numbered("map", 10));
  rig.folder.write("dat/item.dat", Numbered("item", 300));
  rig.folder.write("dat/nakama.dat", "a\r\n\r\nc\r\n");
  rig.folder.write("dat/reaitem.dat", "");
  rig.state.name_list[200] = "stale";
  rig.game.load_dat();

  EXPECT_EQ("map0", rig.state.name_list[0]);
  EXPECT_EQ("map9", rig.state.name_list[9]);
  for (int i = 10; i < kNameListSize; ++i) EXPECT_EQ("", rig.state.name_list[i]) << i;
  EXPECT_EQ("item255", rig.state.item_list[255]);
  EXPECT_EQ("", rig.state.nakama_list[1]);
  EXPECT_EQ("c", rig.state.nakama_list[2]);
}

TEST(LoadDat, MissingRecordFileIsFileNotFoundAndReadsNoList) {
  ExeRig rig;
  rig.folder.write("dat/item.dat", "sword\r\n");
  try {
    rig.game.load_dat();
    FAIL();
  } catch (const GameError& error) {
    EXPECT_EQ(Sjis("ﾌｧｲﾙが見つかりません"), error.what());
  }
  EXPECT_EQ("", rig.state.item_list[0]);
}

TEST(LoadDat, BadNumberKeepsTheValuesReadBeforeIt) {
  ExeRig rig;
  rig.writeNameLists();
  rig.folder.write("dat/item.dat", "sword\r\n");
  rig.folder.write("dat/my.dat", CrLfLines({"hero", "100", "2", "x", "5"}));
  try {
    rig.game.load_dat();
    FAIL();
  } catch (const GameError& error) {
    EXPECT_EQ(Sjis("入力値が数値ではありません"), error.what());
  }
  EXPECT_EQ("hero", rig.state.my.hi_name);
  EXPECT_EQ(100, rig.state.my.gold);
  EXPECT_EQ(2, rig.state.my.lv);
  EXPECT_EQ(0, rig.state.my.reserve2);
  EXPECT_EQ("", rig.state.item_list[0]);
}

TEST(LoadDat, MissingListStopsAtThatList) {
  ExeRig rig;
  rig.folder.write("dat/my.dat", "hero\r\n");
  rig.folder.write("dat/item.dat", "sword\r\n");
  rig.folder.write("dat/reaitem.dat", "gem\r\n");
  rig.folder.write("dat/name.dat", "field\r\n");
  EXPECT_THROW(rig.game.load_dat(), GameError);
  EXPECT_EQ("sword", rig.state.item_list[0]);
  EXPECT_EQ("", rig.state.reaitem_list[0]);
  EXPECT_EQ("", rig.state.name_list[0]);
}

TEST(SaveDat, FailedRecordWriteKeepsTheOldRecordAndWritesNoResult) {
  ExeRig rig;
  rig.folder.write("dat/my.dat", "old\r\n");
  std::filesystem::create_directory(rig.folder.file("dat/my.dat.tmp"));
  DistinctRecord(rig.state.my);
  EXPECT_THROW(rig.game.save_dat(), GameError);
  EXPECT_EQ("old\r\n", rig.folder.read("dat/my.dat"));
  EXPECT_FALSE(rig.folder.exists("結果.txt"));
}

TEST(SaveDat, FailedResultWriteKeepsTheNewRecord) {
  ExeRig rig;
  rig.folder.write("結果.txt", "old\r\n");
  std::filesystem::create_directory(rig.folder.file("結果.txt.tmp"));
  DistinctRecord(rig.state.my);
  EXPECT_THROW(rig.game.save_dat(), GameError);
  EXPECT_EQ(0u, rig.folder.read("dat/my.dat").find(Sjis("ゆうしゃ ｱﾙ") + "\r\n2\r\n"));
  EXPECT_EQ("old\r\n", rig.folder.read("結果.txt"));
}

TEST(SaveDat, MissingDatFolderIsAnError) {
  ExeRig rig;
  std::filesystem::remove(rig.folder.file("dat"));
  EXPECT_THROW(rig.game.save_dat(), GameError);
  EXPECT_FALSE(rig.folder.exists("結果.txt"));
}

}  // namespace
