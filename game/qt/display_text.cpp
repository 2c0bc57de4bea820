#include "game/qt/display_text.h"

#include <string>

#include "game/cp932.h"

QString DisplayText(std::string_view cp932) {
  std::string_view complete = cp932.substr(0, WholeCharactersLength(cp932));
  // CR and LF never occur as the second byte of a double-byte character, so bytes are safe here.
  std::string lines;
  lines.reserve(complete.size());
  for (size_t i = 0; i < complete.size(); ++i) {
    if (complete[i] == '\r') {
      lines += '\n';
      if (i + 1 < complete.size() && complete[i + 1] == '\n') ++i;
    } else {
      lines += complete[i];
    }
  }
  return QString::fromStdString(Utf8FromCp932(lines));
}
