#include <QApplication>
#include <filesystem>

#include "game/qt/layout_fonts.h"
#include "game/qt/main_window.h"
#include "game/qt/title_texts.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  InstallFontSubstitutions();

  std::filesystem::path exeDir = QApplication::applicationDirPath().toStdU16String();
  TForm1 Form1(exeDir);
  Form1.show();
  return QApplication::exec();
}
