#pragma once

#include <stdexcept>
#include <string>

// A file or picture failure. It ends the running handler; the window shows its text (code
// page 932) in an error box and the program goes on.
class GameError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
