// Runs the widget tests offscreen, with a private runtime folder, in one QApplication.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <string>

#include "game/qt/layout_fonts.h"
#include "game/qt/title_texts.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::string runtime;
  if (getenv("XDG_RUNTIME_DIR") == nullptr) {
    runtime = (std::filesystem::temp_directory_path() / "zeru-xdg-XXXXXX").string();
    if (mkdtemp(runtime.data()) == nullptr) return 2;
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  }
  int result;
  {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    InstallFontSubstitutions();
    result = RUN_ALL_TESTS();
  }
  if (!runtime.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(runtime, ignored);
  }
  return result;
}
