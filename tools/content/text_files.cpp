#include "text_files.h"

#include <iconv.h>

#include <QFile>
#include <QList>
#include <cerrno>

#include "whole_file.h"

namespace zeru::content {

bool Utf8ToCp932(const QByteArray& utf8, QByteArray* cp932, QString* error) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    *error = QStringLiteral("this system cannot convert to code page 932");
    return false;
  }
  QByteArray input = utf8;
  QByteArray output(utf8.size() * 2 + 16, '\0');
  char* in = input.data();
  size_t in_left = static_cast<size_t>(input.size());
  char* out = output.data();
  size_t out_left = static_cast<size_t>(output.size());
  const size_t result = iconv(converter, &in, &in_left, &out, &out_left);
  const int failure = errno;
  iconv_close(converter);
  if (result == static_cast<size_t>(-1)) {
    const QByteArray rest = QByteArray(in, static_cast<qsizetype>(in_left)).left(12);
    *error = QStringLiteral("no code page 932 form for the text at \"%1\" (%2)")
                 .arg(QString::fromUtf8(rest), QString::fromLocal8Bit(strerror(failure)));
    return false;
  }
  output.truncate(output.size() - static_cast<qsizetype>(out_left));
  *cp932 = output;
  return true;
}

bool ConvertTextFile(const QString& source, const QString& target, int line_count, QString* error) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) {
    *error = QStringLiteral("cannot read %1").arg(source);
    return false;
  }
  QByteArray text = in.readAll();
  if (text.endsWith('\n')) text.chop(1);
  QList<QByteArray> lines = text.split('\n');
  if (lines.size() != line_count) {
    *error = QStringLiteral("%1 has %2 lines; %3 are needed").arg(source).arg(lines.size()).arg(line_count);
    return false;
  }
  QByteArray converted;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    QByteArray line = lines[i];
    if (line.endsWith('\r')) line.chop(1);
    QByteArray bytes;
    if (!Utf8ToCp932(line, &bytes, error)) {
      *error = QStringLiteral("%1 line %2: %3").arg(source).arg(i + 1).arg(*error);
      return false;
    }
    converted += bytes;
    converted += "\r\n";
  }
  if (!SaveWholeFile(target, converted.constData(), converted.size())) {
    *error = QStringLiteral("cannot write %1").arg(target);
    return false;
  }
  return true;
}

}  // namespace zeru::content
