#include "game/qt/name_validator.h"

#include <string>
#include <vector>

#include "game/cp932.h"

namespace {

struct Character {
  QString text;  // one code point: one or two UTF-16 units
  int bytes;     // in code page 932
};

}  // namespace

NameValidator::NameValidator(int maxBytes, QObject* parent) : QValidator(parent), maxBytes_(maxBytes) {}

int NameValidator::Cp932Bytes(char32_t codePoint) {
  if (codePoint < 0x20 || codePoint == 0x7F) return 0;
  std::string utf8 = QString::fromUcs4(&codePoint, 1).toStdString();
  std::optional<std::string> cp932 = TryCp932FromUtf8(utf8);
  // A character that comes back as another one would be stored as a substitute.
  if (!cp932 || cp932->empty() || Utf8FromCp932(*cp932) != utf8) return 0;
  return static_cast<int>(cp932->size());
}

QValidator::State NameValidator::validate(QString& input, int& pos) const {
  std::vector<Character> kept;
  int cursor = 0;  // characters of kept before the cursor
  int total = 0;
  for (qsizetype i = 0; i < input.size();) {
    qsizetype units =
        (input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate()) ? 2 : 1;
    QString text = input.mid(i, units);
    char32_t codePoint = units == 2 ? QChar::surrogateToUcs4(input[i], input[i + 1]) : input[i].unicode();
    int bytes = Cp932Bytes(codePoint);
    if (bytes > 0) {
      kept.push_back({text, bytes});
      total += bytes;
      if (i < pos) ++cursor;
    }
    i += units;
  }
  while (total > maxBytes_ && !kept.empty()) {
    int victim = cursor > 0 ? cursor - 1 : static_cast<int>(kept.size()) - 1;
    total -= kept[victim].bytes;
    kept.erase(kept.begin() + victim);
    if (cursor > victim) --cursor;
  }
  QString result;
  int resultPos = 0;
  for (int i = 0; i < static_cast<int>(kept.size()); ++i) {
    if (i == cursor) resultPos = static_cast<int>(result.size());
    result += kept[i].text;
  }
  if (cursor == static_cast<int>(kept.size())) resultPos = static_cast<int>(result.size());
  input = result;
  pos = resultPos;
  return Acceptable;
}
