#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <string>

#include "game/game.h"
#include "support/fakes.h"

// Long games with a real generator, under the sanitizers: the rules never overflow, every tick
// leaves the values within their clamps, and running out of days always ends the game.

namespace {

class TwisterRandom : public RandomSource {
 public:
  explicit TwisterRandom(uint32_t seed) : engine_(seed) {}
  void randomize() override {}
  int32_t random(int32_t n) override { return std::uniform_int_distribution<int32_t>(0, n - 1)(engine_); }

 private:
  std::mt19937 engine_;
};

struct Player {
  explicit Player(uint32_t seed, bool namedLists) : random(seed), choices(seed ^ 0x9e3779b9u) {
    if (namedLists) {
      for (int i = 0; i < kNameListSize; i += 3) {
        state.item_list[i] = state.reaitem_list[i] = state.nakama_list[i] = "item" + std::to_string(i);
        state.name_list[i] = "map" + std::to_string(i);
      }
    }
    game.Button1Click();
  }

  bool running() { return view.isTimerEnabled(GameTimer::Timer2); }

  // One press of a game button, mostly the adventure, as a player clicking at random would; a
  // careful player also heals when hit points run low.
  void press(bool careful) {
    const int choice = std::uniform_int_distribution<int>(0, 9)(choices);
    if (choice == 0 || (careful && state.my.hp <= 4 && state.my.mp >= 2)) {
      game.magic_bClick();
    } else if (choice == 1 && view.isVisible(Control::tokkun_b)) {
      game.tokkun_bClick();
    } else if (choice == 1) {
      game.shop_bClick();
    } else {
      game.bouken_bClick();
    }
  }

  void tick() {
    game.Timer2Timer();
    view.log.clear();
    waiter.waits.clear();
  }

  GameState state;
  FakeView view;
  TwisterRandom random;
  std::mt19937 choices;
  RecordingWaiter waiter;
  Game game{state, view, nullptr, random, waiter, "/zeru"};
};

// What every tick leaves behind. A negative maximum (only from an edited record) wins over the
// clamps: a level-up refills to it, and old age empties hp.
void ExpectWithinClamps(const GameState& state) {
  const tmy& my = state.my;
  EXPECT_GE(my.item_cnt, 0);
  EXPECT_TRUE(my.mp >= 0 || my.mp == my.max_mp) << "mp " << my.mp << " of " << my.max_mp;
  EXPECT_LE(my.mp, std::max(my.max_mp, 0));
  EXPECT_LE(my.hp, std::max(my.max_hp, 0));
  EXPECT_LT(my.exp_pt, 30);
  EXPECT_GE(state.score, 0);
  EXPECT_LE(state.score, 999999);
}

TEST(LongGames, StayWithinTheClampsAndEndWhenTheDaysRunOut) {
  int oldAgeDeaths = 0;
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Player player(seed, seed % 8 != 0);
    // Fast, slow and idle players: one press every `pace` ticks (0: never). The day clock runs thirty
    // times faster than in play, every 10 ticks, to keep the games short.
    constexpr int kPaces[] = {1, 5, 40, 200, 0};
    const int pace = kPaces[seed % std::size(kPaces)];
    bool outOfDays = false;
    for (int64_t tick = 1; player.running(); ++tick) {
      ASSERT_LT(tick, 2000000) << "the game never ended";
      if (outOfDays) {
        player.tick();
        ASSERT_FALSE(player.running()) << "no death the tick after old age";
        ++oldAgeDeaths;
        break;
      }
      if (pace != 0 && tick % pace == 0) player.press(seed % 2 == 0);
      if (tick % 10 == 0) player.game.Timer1Timer();
      player.tick();
      ExpectWithinClamps(player.state);
      if (::testing::Test::HasFailure()) return;
      outOfDays = player.running() && player.state.my.days_left <= 0;
      if (outOfDays) {
        ASSERT_EQ(0, player.state.my.hp);
      }
    }
  }
  EXPECT_GT(oldAgeDeaths, 0) << "no game lasted until old age";
}

TEST(LongGames, ExtremeValuesNeverOverflow) {
  const int32_t extremes[] = {INT_MIN, INT_MIN + 1, -30, -1,   0,     1,           2,      29,
                              30,      255,         256, 9999, 10000, INT_MAX - 1, INT_MAX};
  for (uint32_t seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Player player(seed, seed % 2 == 0);
    std::mt19937 pick(seed);
    const auto extreme = [&] {
      return extremes[std::uniform_int_distribution<size_t>(0, std::size(extremes) - 1)(pick)];
    };
    tmy& my = player.state.my;
    for (int32_t* value : {&my.gold, &my.lv, &my.max_hp, &my.max_mp, &my.hp, &my.mp, &my.str_pt, &my.int_pt,
                           &my.vit_pt, &my.adx_pt, &my.item_cnt, &my.map_no, &my.exp_pt, &my.reaitem_cnt,
                           &my.hi_score, &my.nakama_cnt, &my.days_left}) {
      *value = extreme();
    }
    player.state.score = std::clamp(extreme(), 0, 999999);
    for (int step = 0; step < 300 && player.running(); ++step) {
      player.press(false);
      player.press(true);
      player.tick();
      ExpectWithinClamps(player.state);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

}  // namespace
