#include "game/qt/display_text.h"

#include <string>

#include "game/cp932.h"

bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

namespace {

// Length of the text without a lead byte that lacks its second byte at the very end.
size_t CompleteLength(std::string_view cp932) {
  size_t i = 0;
  while (i < cp932.size()) {
    size_t step = IsCp932LeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1;
    if (i + step > cp932.size()) return i;
    i += step;
  }
  return cp932.size();
}

}  // namespace

QString DisplayText(std::string_view cp932) {
  std::string_view complete = cp932.substr(0, CompleteLength(cp932));
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
