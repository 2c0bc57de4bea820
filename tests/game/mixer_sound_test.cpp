#include "game/mixer_sound.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <memory>
#include <random>
#include <string>

#include "exe_rig.h"
#include "game/game.h"
#include "support/exe_folder.h"
#include "support/fakes.h"
#include "support/session_harness.h"
#include "support/wave_builder.h"
#include "wavemix/TWaveMix.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

std::string WaveFile(size_t bytes, uint8_t level, uint16_t channels = 1, uint32_t rate = 11025,
                     uint16_t bits = 8) {
  wavebuild::Bytes samples(bytes, level);
  wavebuild::Bytes image = wavebuild::PcmWave(channels, rate, bits, samples);
  return std::string(image.begin(), image.end());
}

// The game's mixer component, configured as the main window configures it.
struct SoundRig {
  SoundRig() {
    mixer.SetActivated(true);
    mixer.SetChannels(1);
  }
  LoadedWave* cue(const char* name) {
    LoadedWave* wave = sound.LoadWave((folder.path() / name).string());
    sound.Play(0, wave, 0, 0, 0);
    return wave;
  }

  SessionHarness harness;
  ExeFolder folder;
  TWaveMix mixer;
  MixerSound sound{mixer, harness.windows};
};

TEST(MixerSoundTest, KeepsTheNewestWaveAndReleasesOnesHeardToTheEnd) {
  SoundRig rig;
  rig.folder.write("a.wav", WaveFile(3000, 200));
  rig.folder.write("b.wav", WaveFile(3000, 60));

  rig.cue("a.wav");
  rig.harness.Play(20000);
  EXPECT_EQ(rig.sound.heldWaves(), 1u) << "the newest wave stays, though it has finished";

  LoadedWave* b = rig.cue("b.wav");
  EXPECT_EQ(rig.sound.heldWaves(), 1u) << "the finished wave goes once a newer one is loaded";
  rig.harness.Play(20000);
  EXPECT_EQ(rig.sound.heldWaves(), 1u);
  rig.sound.UnloadWave(b);
  EXPECT_EQ(rig.sound.heldWaves(), 0u);
}

TEST(MixerSoundTest, NeverReleasesAWaveStillQueuedOrPlaying) {
  SoundRig rig;
  rig.folder.write("long.wav", WaveFile(20000, 200));
  rig.folder.write("short.wav", WaveFile(500, 60));

  rig.cue("long.wav");
  rig.harness.Play(1000);
  rig.cue("short.wav");  // queued behind the long one
  rig.cue("short.wav");
  EXPECT_EQ(rig.sound.heldWaves(), 3u);

  rig.harness.Play(100000);
  const std::vector<uint8_t>& heard = rig.harness.Device().played();
  EXPECT_EQ(std::count(heard.begin(), heard.end(), 200), 20000 - 1);
  EXPECT_EQ(std::count(heard.begin(), heard.end(), 60), 2 * (500 - 1));
  EXPECT_EQ(rig.sound.heldWaves(), 1u);
}

TEST(MixerSoundTest, AWaveWhosePlayFailedIsReleasedWhenReplaced) {
  SoundRig rig;
  rig.folder.write("a.wav", WaveFile(300, 200));
  rig.mixer.SetChannels(0);
  EXPECT_THROW(rig.cue("a.wav"), EWaveMixError);
  rig.mixer.SetChannels(1);
  rig.cue("a.wav");
  EXPECT_EQ(rig.sound.heldWaves(), 1u);
}

// The heap without what the in-memory device keeps of every byte it was given.
size_t GameHeap(SoundRig& rig) {
  const platform::MemoryWaveOut& device = rig.harness.Device();
  return HeapInUse() - device.received().capacity() - device.played().capacity() -
         device.writes().capacity() * sizeof(platform::MemoryWaveOut::Write);
}

class TwisterRandom : public RandomSource {
 public:
  void randomize() override {}
  int32_t random(int32_t n) override { return std::uniform_int_distribution<int32_t>(0, n - 1)(engine_); }

 private:
  std::mt19937 engine_{20261211};
};

// Two thousand turns with every cue: the waves heard to the end go, so memory stays flat.
TEST(MixerSoundTest, MemoryStaysFlatOverALongGame) {
  SoundRig rig;
  const char* cues[] = {"1.wav",      "start.wav", "hp.wav",     "kelpo.wav", "store.wav", "on.wav",
                        "teki.wav",   "boss.wav",  "ex.wav",     "hi.wav",    "wana.wav",  "takara.wav",
                        "hakken.wav", "vo.wav",    "nakama.wav", "toki.wav",  "lv.wav",    "die.wav"};
  int n = 0;
  for (const char* cue : cues) {
    ++n;
    // A spread of source formats, so conversion runs too.
    rig.folder.write(std::string("dat/") + cue,
                     WaveFile(400 + 50 * n, static_cast<uint8_t>(100 + n), n % 2 ? 1 : 2,
                              n % 3 ? 11025 : 22050, n % 4 ? 8 : 16));
  }
  for (const char* list : {"dat/item.dat", "dat/nakama.dat", "dat/reaitem.dat", "dat/name.dat"}) {
    rig.folder.write(list, "name\r\n");
  }
  rig.folder.write("dat/my.dat", "");

  GameState state;
  FakeView view;
  TwisterRandom random;
  struct : Waiter {
    void wait(int) override {}
  } waiter;
  Game game(state, view, &rig.sound, random, waiter, rig.folder.path());
  game.FormCreate();

  size_t heapAtTurn200 = 0;
  for (int turn = 1; turn <= 2000; ++turn) {
    if (!view.isEnabled(Control::bouken_b) || !view.isTimerEnabled(GameTimer::Timer2)) {
      game.Button1Click();
    } else {
      switch (random.random(8)) {
        case 0:
          game.magic_bClick();
          break;
        case 1:
          game.shop_bClick();
          break;
        case 2:
          game.tokkun_bClick();
          break;
        default:
          game.bouken_bClick();
          break;
      }
    }
    game.Timer2Timer();
    if (turn % 3 == 0) rig.harness.Play(4096);
    if (turn == 200) heapAtTurn200 = GameHeap(rig);
    view.log.clear();
  }
  rig.harness.Play(200000);
  EXPECT_LE(rig.sound.heldWaves(), 2u);
  EXPECT_LT(GameHeap(rig), heapAtTurn200 + 64 * 1024) << "heap after turn 200: " << heapAtTurn200;
  game.FormDestroy();
}

}  // namespace
