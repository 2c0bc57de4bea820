#include "fakes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "game/game_error.h"

namespace {
std::string ColorText(Rgb c) { return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b); }
}  // namespace

void FakeView::setText(Control control, const std::string& text) {
  controls[control].text = text;
}
std::string FakeView::text(Control control) const {
  auto it = controls.find(control);
  return it == controls.end() ? std::string() : it->second.text;
}
void FakeView::setFontColor(Control control, Rgb color) {
  controls[control].color = color;
  log.push_back("color " + ColorText(color));
}
void FakeView::setGaugeMax(Control gauge, int32_t value) { controls[gauge].gaugeMax = value; }
void FakeView::setGaugeProgress(Control gauge, int32_t value) { controls[gauge].gaugeProgress = value; }
void FakeView::setEnabled(Control control, bool enabled) { controls[control].enabled = enabled; }
bool FakeView::isEnabled(Control control) const {
  auto it = controls.find(control);
  return it == controls.end() || it->second.enabled;
}
void FakeView::setVisible(Control control, bool visible) { controls[control].visible = visible; }
bool FakeView::isVisible(Control control) const {
  auto it = controls.find(control);
  return it == controls.end() || it->second.visible;
}
void FakeView::moveTo(Control control, int left, int top) {
  controls[control].left = left;
  controls[control].top = top;
}
void FakeView::setTimerEnabled(GameTimer timer, bool enabled) { timers[timer] = enabled; }
bool FakeView::isTimerEnabled(GameTimer timer) const {
  auto it = timers.find(timer);
  return it != timers.end() && it->second;
}
void FakeView::loadPicture(Control target, const std::filesystem::path& file) {
  std::string name = file.filename().string();
  if (missingPictures.count(name)) throw GameError("cannot read " + file.string());
  pictures[target] = name;
  log.push_back("picture " + name);
}
void FakeView::setPictureStretch(bool on) { stretch = on; }
void FakeView::fillPictureBlack(Rect) { ++blackFills; }
void FakeView::copyTitle(Rect destination) { titleCopies.push_back(destination); }
void FakeView::repaintNow() {
  ++repaints;
  log.push_back("frame " + text(Control::moji_l));
}
bool FakeView::askYesNo(const std::string& message, const std::string&) {
  log.push_back("ask " + message);
  return answerYes;
}
void FakeView::showMessage(const std::string& message) { log.push_back("message " + message); }
void FakeView::showError(const std::string& message) { log.push_back("error " + message); }

int32_t ScriptedRandom::random(int32_t n) {
  if (draws_.empty()) {
    ADD_FAILURE() << "unexpected draw random(" << n << ")";
    return 0;
  }
  auto [expected, value] = draws_.front();
  draws_.pop_front();
  EXPECT_EQ(expected, n) << "draw asked for the wrong range";
  return value;
}

LoadedWave* FakeSound::LoadWave(const std::string& path) {
  if (failLoads) throw EWaveMixError("No wave output devices available");
  auto* wave = new LoadedWave{};
  std::string name = std::filesystem::path(path).filename().string();
  std::snprintf(wave->name, sizeof wave->name, "%s", name.c_str());
  waves_.push_back(wave);
  return wave;
}
void FakeSound::Play(int32_t, LoadedWave* wave, platform::WindowHandle, uint32_t, uint16_t) {
  log_.push_back(std::string("sound ") + wave->name);
}
void FakeSound::UnloadWave(LoadedWave* wave) { unloaded.push_back(wave->name); }
FakeSound::~FakeSound() {
  for (LoadedWave* wave : waves_) delete wave;
}
