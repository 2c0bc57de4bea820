#pragma once

#include <deque>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "game/game_view.h"
#include "game/services.h"

// A view that remembers what the rules did to each control and logs, in order, the steps that
// tell an event: "sound <file>", "picture <file name>", "color r,g,b", "frame <text>",
// "message <text>" (a box), "error <text>", "ask <text>".
class FakeView : public GameView {
 public:
  struct ControlState {
    std::string text;
    Rgb color;
    int32_t gaugeMax = 100;
    int32_t gaugeProgress = 0;
    bool enabled = true;
    bool visible = true;
    int left = 0, top = 0;
  };

  void setText(Control control, const std::string& text) override;
  std::string text(Control control) const override;
  void setFontColor(Control control, Rgb color) override;
  void setGaugeMax(Control gauge, int32_t value) override;
  void setGaugeProgress(Control gauge, int32_t value) override;
  void setEnabled(Control control, bool enabled) override;
  bool isEnabled(Control control) const override;
  void setVisible(Control control, bool visible) override;
  bool isVisible(Control control) const override;
  void moveTo(Control control, int left, int top) override;
  void setTimerEnabled(GameTimer timer, bool enabled) override;
  bool isTimerEnabled(GameTimer timer) const override;
  void loadPicture(Control target, const std::filesystem::path& file) override;
  void setPictureStretch(bool stretch) override;
  void fillPictureBlack(Rect area) override;
  void copyTitle(Rect destination) override;
  void repaintNow() override;
  bool askYesNo(const std::string& message, const std::string& caption) override;
  void showMessage(const std::string& message) override;
  void showError(const std::string& message) override;

  ControlState& at(Control control) { return controls[control]; }

  std::map<Control, ControlState> controls;
  std::map<GameTimer, bool> timers;
  std::vector<std::string> log;
  std::set<std::string> missingPictures;  // file names (e.g. "lvup.bmp") whose load throws
  std::map<Control, std::string> pictures;  // file name last loaded into cg / bak
  bool stretch = false;
  std::vector<Rect> titleCopies;
  int blackFills = 0;
  int repaints = 0;
  bool answerYes = true;
};

// Hands out draws from a script and checks that each asks for the expected range.
class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  ScriptedRandom(std::initializer_list<std::pair<int32_t, int32_t>> draws) : draws_(draws) {}
  void expect(int32_t n, int32_t value) { draws_.emplace_back(n, value); }
  void randomize() override { ++randomized; }
  int32_t random(int32_t n) override;  // fails the test on a draw outside the script
  bool exhausted() const { return draws_.empty(); }
  int randomized = 0;

 private:
  std::deque<std::pair<int32_t, int32_t>> draws_;
};

// Records waits instead of sleeping.
class RecordingWaiter : public Waiter {
 public:
  void wait(int milliseconds) override { waits.push_back(milliseconds); }
  std::vector<int> waits;
};

// A mixer stand-in that logs into the view's log ("sound <file name>") and can be told to fail.
class FakeSound : public SoundOutput {
 public:
  explicit FakeSound(std::vector<std::string>& log) : log_(log) {}
  LoadedWave* LoadWave(const std::string& path) override;
  void Play(int32_t channel, LoadedWave* wave, platform::WindowHandle notifyWnd, uint32_t flags,
            uint16_t loops) override;
  void UnloadWave(LoadedWave* wave) override;
  ~FakeSound() override;

  bool failLoads = false;
  std::vector<std::string> unloaded;  // file names

 private:
  std::vector<std::string>& log_;
  std::vector<LoadedWave*> waves_;
};
