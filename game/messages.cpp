#include <cstdint>
#include <string>
#include <string_view>

#include "game/cp932.h"
#include "game/game.h"

namespace {

constexpr int kFrameMilliseconds = 20;
constexpr int kClosingPauseMilliseconds = 400;

// The first `length` bytes of the message, less a first byte of a double-byte character whose
// second byte is not yet shown.
std::string ShownPart(const std::string& message, size_t length) {
  if (length >= message.size()) return message;
  return message.substr(0, WholeCharactersLength(std::string_view(message).substr(0, length)));
}

}  // namespace

void Game::moji_print(const std::string& message) {
  const int64_t length = static_cast<int64_t>(message.size());
  // Two bytes per step counted from the first byte, whatever the characters: one-byte
  // characters shift the pairing, by design.
  while (length + 1 >= 2 * int64_t{state_.moji_pos}) {
    view_.setText(Control::moji_l, ShownPart(message, static_cast<size_t>(2 * int64_t{state_.moji_pos})));
    ++state_.moji_pos;
    view_.repaintNow();
    waiter_.wait(kFrameMilliseconds);
  }
  state_.moji_pos = 0;
  waiter_.wait(kClosingPauseMilliseconds);
}

void Game::play_wav(const std::string& fileName) {
  if (sound_ == nullptr) return;
  try {
    cur_wave_ = sound_->LoadWave(path_of("\\dat\\" + fileName).string());
    sound_->Play(0, cur_wave_, 0, 0, 0);
  } catch (...) {
    // A cue that cannot sound is silence; the event is still told.
  }
}

void Game::show_picture(std::string_view literal) { view_.loadPicture(Control::cg, path_of(literal)); }
