#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exe_rig.h"
#include "game/game_error.h"

namespace {

// A hero that has just died with a new record: the entry box open with the name typed.
void DiedWithARecord(ExeRig& rig, const std::string& name) {
  tmy& my = rig.state.my;
  my.hi_name = "old";
  my.hi_score = 100;
  my.gold = 120;
  my.lv = 7;
  my.max_hp = 45;
  my.max_mp = 20;
  my.hp = 0;
  my.mp = 3;
  my.str_pt = 4;
  my.int_pt = 5;
  my.vit_pt = 6;
  my.adx_pt = 7;
  my.item_cnt = 8;
  my.map_no = 1;
  my.exp_pt = 9;
  my.reaitem_cnt = 1;
  my.nakama_cnt = 2;
  rig.state.score = 12345;
  rig.state.name_list[1] = Sjis("いずみの村");
  rig.view.setText(Control::score_l, "SCORE:12345");
  rig.view.setText(Control::entry_l, name);
  rig.view.setVisible(Control::entry_box, true);
}

TEST(RecordEntry, OkStoresTheNameAndScoreAndWritesBothFiles) {
  ExeRig rig;
  DiedWithARecord(rig, Sjis("ゆうしゃ"));
  rig.game.Button2Click();

  EXPECT_EQ(std::vector<std::string>{"sound on.wav"}, rig.view.log);
  EXPECT_FALSE(rig.view.isVisible(Control::entry_box));
  EXPECT_EQ(Sjis("ゆうしゃ"), rig.state.my.hi_name);
  EXPECT_EQ(12345, rig.state.my.hi_score);
  EXPECT_EQ(Sjis("ＴＲＹ　ＡＧＡＩＮ　！！！"), rig.view.text(Control::stage_l));
  EXPECT_EQ(Sjis("ゆうしゃ"), rig.view.text(Control::entry_l));  // offered again next time
  EXPECT_EQ(CrLfLines({Sjis("ゆうしゃ"), "120", "7", "0", "0", "45", "20", "0", "3", "4", "5", "6", "7", "8",
                       "1", "9", "1", "12345", "2"}),
            rig.folder.read("dat/my.dat"));
  EXPECT_EQ(CrLfLines({Sjis("■ヨルネピアデータ"), Sjis("名前：ゆうしゃさん"), "LV:7 MAXHP:45 MAXMP:20",
                       "STR:4 INT:5 VIT:6 ADX:7", Sjis("ITEM:8 レア:1"),
                       Sjis("GOLD:120G 仲間:2人 STAGE:いずみの村のほこら"), "SCORE:12345"}),
            rig.folder.read("結果.txt"));
}

TEST(RecordEntry, AnyNonEmptyTextIsAName) {
  for (const std::string& name : {Sjis("？？？？"), std::string("  "), Sjis("　")}) {
    ExeRig rig;
    DiedWithARecord(rig, name);
    rig.game.Button2Click();
    EXPECT_EQ(name, rig.state.my.hi_name);
    EXPECT_EQ(0u, rig.folder.read("dat/my.dat").find(name + "\r\n12"));
  }
}

TEST(RecordEntry, EmptyNameIsRefusedAndNothingStored) {
  ExeRig rig;
  DiedWithARecord(rig, "");
  rig.view.setText(Control::stage_l, "map line");
  rig.game.Button2Click();

  EXPECT_EQ((std::vector<std::string>{"sound on.wav", "message " + Sjis("名前を入力してね")}), rig.view.log);
  EXPECT_TRUE(rig.view.isVisible(Control::entry_box));
  EXPECT_EQ("old", rig.state.my.hi_name);
  EXPECT_EQ(100, rig.state.my.hi_score);
  EXPECT_EQ("map line", rig.view.text(Control::stage_l));
  EXPECT_FALSE(rig.folder.exists("dat/my.dat"));
  EXPECT_FALSE(rig.folder.exists("結果.txt"));
}

TEST(RecordEntry, OkAfterARestartStoresTheRunningHero) {
  ExeRig rig;
  DiedWithARecord(rig, Sjis("ＡＢ"));
  rig.game.Button1Click();  // the title is over, so this asks; the fake answers yes
  EXPECT_TRUE(rig.view.isVisible(Control::entry_box));
  rig.state.my.gold = 55;
  rig.state.my.days_left = 300;
  rig.state.score = 777;
  rig.view.setText(Control::score_l, "SCORE:777");
  rig.game.Button2Click();

  EXPECT_EQ(777, rig.state.my.hi_score);
  EXPECT_EQ(CrLfLines({Sjis("ＡＢ"), "55", "1", "0", "0", "10", "10", "10", "10", "0", "0", "0", "0", "0",
                       "0", "0", "0", "777", "0"}),
            rig.folder.read("dat/my.dat"));
  EXPECT_EQ(CrLfLines({Sjis("■ヨルネピアデータ"), Sjis("名前：ＡＢさん"), "LV:1 MAXHP:10 MAXMP:10",
                       "STR:0 INT:0 VIT:0 ADX:0", Sjis("ITEM:0 レア:0"),
                       Sjis("GOLD:55G 仲間:0人 STAGE:のほこら"), "SCORE:777"}),
            rig.folder.read("結果.txt"));
}

TEST(RecordEntry, FailedSaveLeavesTheRecordInMemoryAndTheOldFile) {
  ExeRig rig;
  DiedWithARecord(rig, Sjis("ゆうしゃ"));
  rig.folder.write("dat/my.dat", "old\r\n");
  std::filesystem::create_directory(rig.folder.file("dat/my.dat.tmp"));
  rig.view.setText(Control::stage_l, "map line");
  EXPECT_THROW(rig.game.Button2Click(), GameError);

  EXPECT_FALSE(rig.view.isVisible(Control::entry_box));
  EXPECT_EQ(12345, rig.state.my.hi_score);
  EXPECT_EQ("old\r\n", rig.folder.read("dat/my.dat"));
  EXPECT_EQ("map line", rig.view.text(Control::stage_l));
}

TEST(RecordReset, StoresAnUnnamedZeroRecordSilently) {
  ExeRig rig;
  DiedWithARecord(rig, Sjis("ゆうしゃ"));
  rig.game.BitBtn1Click();

  EXPECT_TRUE(rig.view.log.empty());
  EXPECT_EQ(Sjis("？？？？"), rig.state.my.hi_name);
  EXPECT_EQ(0, rig.state.my.hi_score);
  EXPECT_EQ(CrLfLines({Sjis("？？？？"), "120", "7", "0", "0", "45", "20", "0", "3", "4", "5", "6", "7", "8",
                       "1", "9", "1", "0", "2"}),
            rig.folder.read("dat/my.dat"));
  EXPECT_EQ(
      0u,
      rig.folder.read("結果.txt").find(CrLfLines({Sjis("■ヨルネピアデータ"), Sjis("名前：？？？？さん")})));
  EXPECT_TRUE(rig.view.isVisible(Control::entry_box));
}

TEST(Tips, PlaysTheClickAndShowsTheTenLines) {
  ExeRig rig;
  rig.game.Button3Click();
  EXPECT_EQ((std::vector<std::string>{
                "sound 1.wav", "message " + Sjis("●得点計算\r\rLV:1000\rﾚｱItem:500\r仲間:400\rMAP:300\r"
                                                 "STR,INT,VIT,ADX:100\rItem:15\r"
                                                 "経過時間,HP,MP,最大HP,最大MP:10\rGOLD:5")}),
            rig.view.log);
}

}  // namespace
