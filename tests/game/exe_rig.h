#pragma once

#include <string>

#include "game/cp932.h"
#include "game/game.h"
#include "support/exe_folder.h"
#include "support/fakes.h"

// The rules on a recording view, with a real folder standing for the executable's, for the
// handlers that read and write files.
struct ExeRig {
  // Writes the four name lists, so that load_dat gets past them.
  void writeNameLists() const {
    for (const char* list : {"dat/item.dat", "dat/nakama.dat", "dat/reaitem.dat", "dat/name.dat"}) {
      folder.write(list, "");
    }
  }

  ExeFolder folder;
  GameState state;
  FakeView view;
  FakeSound sound{view.log};
  ScriptedRandom random;
  RecordingWaiter waiter;
  Game game{state, view, &sound, random, waiter, folder.path()};
};

// Joins lines with CR LF after each, as the game's files hold them.
inline std::string CrLfLines(std::initializer_list<std::string> lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}
