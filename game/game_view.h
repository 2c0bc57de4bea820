#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// What the rules need of the window: the controls they write and read, the timers, the
// pictures and the modal boxes. The Qt main window implements it; tests use a recording fake.
// Every text is code page 932 bytes.

enum class Control {
  moji_l, state_l, cg, stage_l, score_l, hi_l, score_ll, time_l, hp_l, mp_l, bak,
  bouken_b, Button1, magic_b, entry_box, shop_b, tokkun_b, BitBtn1, entry_l,
};

enum class GameTimer { Timer1, Timer2, Timer3 };

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colors {
constexpr Rgb white{255, 255, 255};
constexpr Rgb red{255, 0, 0};
constexpr Rgb aqua{0, 255, 255};
constexpr Rgb yellow{255, 255, 0};
}  // namespace colors

// Left, top, right, bottom; right and bottom are excluded.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

class GameView {
 public:
  virtual ~GameView() = default;

  virtual void setText(Control control, const std::string& text) = 0;
  virtual std::string text(Control control) const = 0;
  virtual void setFontColor(Control control, Rgb color) = 0;
  virtual void setGaugeMax(Control gauge, int32_t value) = 0;
  virtual void setGaugeProgress(Control gauge, int32_t value) = 0;
  virtual void setEnabled(Control control, bool enabled) = 0;
  virtual bool isEnabled(Control control) const = 0;
  virtual void setVisible(Control control, bool visible) = 0;
  virtual bool isVisible(Control control) const = 0;
  virtual void moveTo(Control control, int left, int top) = 0;
  virtual void setTimerEnabled(GameTimer timer, bool enabled) = 0;
  virtual bool isTimerEnabled(GameTimer timer) const = 0;

  // Loads a bitmap file into cg (replacing its picture) or bak. Throws GameError naming the
  // file when it cannot be read.
  virtual void loadPicture(Control target, const std::filesystem::path& file) = 0;
  virtual void setPictureStretch(bool stretch) = 0;
  // Title animation: fill cg's drawing surface black, or copy bak's (0,0)-(318,253) into it,
  // scaled into the destination.
  virtual void fillPictureBlack(Rect area) = 0;
  virtual void copyTitle(Rect destination) = 0;
  // Paints the window now, handling no other event.
  virtual void repaintNow() = 0;

  // Modal boxes; the timers go on while they are open.
  virtual bool askYesNo(const std::string& message, const std::string& caption) = 0;  // false: No
  virtual void showMessage(const std::string& message) = 0;  // captioned with the application title
  virtual void showError(const std::string& message) = 0;    // error box, same caption
};
