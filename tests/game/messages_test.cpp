#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "game/cp932.h"
#include "game/game.h"
#include "game/game_error.h"
#include "support/fakes.h"

namespace {

struct Rig {
  GameState state;
  FakeView view;
  FakeSound sound{view.log};
  ScriptedRandom random;
  RecordingWaiter waiter;
  Game game{state, view, &sound, random, waiter, "/zeru"};
};

struct TypingCase {
  const char* name;
  std::string message;              // code page 932 bytes
  std::vector<std::string> frames;  // what moji_l shows at each repaint
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }

class MojiPrint : public testing::TestWithParam<TypingCase> {};

TEST_P(MojiPrint, TypesTwoBytesPerFrameThenPauses) {
  Rig rig;
  rig.game.moji_print(GetParam().message);

  std::vector<std::string> expectedLog;
  for (const std::string& frame : GetParam().frames) expectedLog.push_back("frame " + frame);
  EXPECT_EQ(expectedLog, rig.view.log);
  std::vector<int> expectedWaits(GetParam().frames.size(), 20);
  expectedWaits.push_back(400);
  EXPECT_EQ(expectedWaits, rig.waiter.waits);
  EXPECT_EQ(0, rig.state.moji_pos);
  EXPECT_EQ(GetParam().message, rig.view.text(Control::moji_l));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MojiPrint,
    testing::Values(TypingCase{"Empty", "", {""}}, TypingCase{"OneByte", "A", {"", "A"}},
                    TypingCase{"FullWidthOnly",
                               Sjis("MPが足りない！！"),
                               {"", "MP", Sjis("MPが"), Sjis("MPが足"), Sjis("MPが足り"), Sjis("MPが足りな"),
                                Sjis("MPが足りない"), Sjis("MPが足りない！"), Sjis("MPが足りない！！")}},
                    // The digit shifts the pairing: each later full-width character is split between two
                    // frames, and the frame ending in its first byte shows the text before it.
                    TypingCase{"HealMessage",
                               Sjis("HPが2回復した!!"),
                               {"", "HP", Sjis("HPが"), Sjis("HPが2"), Sjis("HPが2回"), Sjis("HPが2回復"),
                                Sjis("HPが2回復し"), Sjis("HPが2回復した!"), Sjis("HPが2回復した!!")}},
                    TypingCase{
                        "LeadingOneByteCharacter", Sjis("!あい"), {"", "!", Sjis("!あ"), Sjis("!あい")}},
                    TypingCase{"HalfWidthKatakana", Sjis("ﾌｶｸ"), {"", Sjis("ﾌｶ"), Sjis("ﾌｶｸ")}},
                    TypingCase{"LineBreak", Sjis("あ\rい"), {"", Sjis("あ"), Sjis("あ\r"), Sjis("あ\rい")}},
                    // The last frame shows the whole message, even an invalid dangling byte.
                    TypingCase{"DanglingFirstByte", "AB\x82", {"", "AB", "AB\x82"}}),
    [](const testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.name); });

TEST(MojiPrint, LeavesTheColourAndStartsEveryMessageAfresh) {
  Rig rig;
  rig.view.setFontColor(Control::moji_l, colors::red);
  rig.view.log.clear();
  rig.game.moji_print("ab");
  rig.game.moji_print("c");
  EXPECT_EQ((std::vector<std::string>{"frame ", "frame ab", "frame ", "frame c"}), rig.view.log);
  EXPECT_EQ(colors::red, rig.view.at(Control::moji_l).color);
}

// Remembers the paths it is asked for and fails as told.
class PathSound : public SoundOutput {
 public:
  LoadedWave* LoadWave(const std::string& path) override {
    if (failLoad) throw EWaveMixError("No wave output devices available");
    paths.push_back(path);
    return &waves[paths.size() - 1];
  }
  void Play(int32_t channel, LoadedWave* wave, platform::WindowHandle notifyWnd, uint32_t flags,
            uint16_t loops) override {
    if (failPlay) throw std::runtime_error("play failed");
    played.push_back({channel, wave, notifyWnd, flags, loops});
  }
  void UnloadWave(LoadedWave*) override {}

  struct PlayCall {
    int32_t channel;
    LoadedWave* wave;
    platform::WindowHandle notifyWnd;
    uint32_t flags;
    uint16_t loops;
  };
  bool failLoad = false;
  bool failPlay = false;
  std::vector<std::string> paths;
  std::vector<PlayCall> played;
  LoadedWave waves[4]{};
};

struct SoundRig {
  GameState state;
  FakeView view;
  PathSound sound;
  ScriptedRandom random;
  RecordingWaiter waiter;
  Game game{state, view, &sound, random, waiter, "/zeru"};
};

TEST(PlayWav, LoadsFromDatAndPlaysOnceOnChannelZero) {
  SoundRig rig;
  rig.game.play_wav("teki.wav");
  EXPECT_EQ(std::vector<std::string>{"/zeru/dat/teki.wav"}, rig.sound.paths);
  ASSERT_EQ(1u, rig.sound.played.size());
  const PathSound::PlayCall& call = rig.sound.played[0];
  EXPECT_EQ(0, call.channel);
  EXPECT_EQ(&rig.sound.waves[0], call.wave);
  EXPECT_EQ(0u, call.notifyWnd);
  EXPECT_EQ(0u, call.flags);
  EXPECT_EQ(0u, call.loops);
  EXPECT_EQ(&rig.sound.waves[0], rig.game.cur_wave());
}

TEST(PlayWav, FailedLoadKeepsTheCurrentWaveAndIsSilent) {
  SoundRig rig;
  rig.game.play_wav("1.wav");
  rig.sound.failLoad = true;
  EXPECT_NO_THROW(rig.game.play_wav("missing.wav"));
  EXPECT_EQ(&rig.sound.waves[0], rig.game.cur_wave());
  EXPECT_EQ(1u, rig.sound.played.size());
}

TEST(PlayWav, FailedPlayStillKeepsTheNewWave) {
  SoundRig rig;
  rig.sound.failPlay = true;
  EXPECT_NO_THROW(rig.game.play_wav("hp.wav"));
  EXPECT_EQ(&rig.sound.waves[0], rig.game.cur_wave());
}

TEST(PlayWav, WithoutSoundOutputNothingHappens) {
  Rig rig;
  Game silent(rig.state, rig.view, nullptr, rig.random, rig.waiter, "/zeru");
  EXPECT_NO_THROW(silent.play_wav("1.wav"));
  EXPECT_EQ(nullptr, silent.cur_wave());
}

// Remembers the full path of each picture.
class PathView : public FakeView {
 public:
  void loadPicture(Control target, const std::filesystem::path& file) override {
    paths.push_back(file);
    FakeView::loadPicture(target, file);
  }
  std::vector<std::filesystem::path> paths;
};

TEST(ShowPicture, LoadsTheLiteralUnderTheExecutableFolderIntoCg) {
  GameState state;
  PathView view;
  ScriptedRandom random;
  RecordingWaiter waiter;
  Game game(state, view, nullptr, random, waiter, "/zeru");
  game.show_picture("\\cg\\teki.bmp");
  EXPECT_EQ(std::vector<std::filesystem::path>{"/zeru/cg/teki.bmp"}, view.paths);
  EXPECT_EQ("teki.bmp", view.pictures[Control::cg]);

  view.missingPictures.insert("boss.bmp");
  EXPECT_THROW(game.show_picture("\\cg\\boss.bmp"), GameError);
  EXPECT_EQ("teki.bmp", view.pictures[Control::cg]);
}

}  // namespace
