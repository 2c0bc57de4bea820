#pragma once

#include <QByteArray>
#include <QString>

namespace zeru::content {

// The game reads its lists and record as code page 932 text with CR LF line ends.

// Converts UTF-8 text to code page 932; false (with a reason) when a character has no equivalent.
bool Utf8ToCp932(const QByteArray& utf8, QByteArray* cp932, QString* error);

// Reads a UTF-8 source of exactly `line_count` lines and writes it as
// code page 932 with CR LF after every line.
bool ConvertTextFile(const QString& source, const QString& target, int line_count, QString* error);

// The lines of a name list and of the record file.
inline constexpr int kNameListLines = 256;
inline constexpr int kRecordLines = 19;

}  // namespace zeru::content
