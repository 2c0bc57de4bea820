#pragma once

#include <QValidator>

// Keeps the name edit to what the record file can hold: at most maxBytes bytes of code page 932
// text. A character that code page 932 cannot hold (or a control character, which would break
// the record file's lines) is refused as it is typed or pasted; when an insertion would pass
// the limit, the characters just before the cursor, which are the ones inserted, are cut until
// the text fits, so a long paste keeps its head and a typed character that does not fit is
// refused.
class NameValidator : public QValidator {
 public:
  NameValidator(int maxBytes, QObject* parent);

  State validate(QString& input, int& pos) const override;

  // Bytes that a character (one code point) takes in code page 932; 0 when it cannot be held.
  static int Cp932Bytes(char32_t codePoint);

 private:
  int maxBytes_;
};
