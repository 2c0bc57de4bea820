// The four name lists: 256 CR LF lines of code page 932, made from the UTF-8
// sources, each name distinct and short enough for the line it is shown on.
#include <gtest/gtest.h>
#include <iconv.h>

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <ostream>
#include <set>

#include "content_paths.h"

namespace {

// Widest text the 273-pixel message label shows on one line, in the
// proportional Mincho face that stands in for the label's font, 16 pixels high.
constexpr int kLabelWidth = 273;

struct ListCase {
  const char* list;
  const char* before;  // the text the game puts before and after a name
  const char* after;
};

const ListCase kLists[] = {
    {"item", "【", "】を手に入れた!!"},
    {"reaitem", "レアitem【", "】を見つけた!!"},
    {"nakama", "", "が仲間になった!!"},
    {"name", "NEXTMAP【", "のほこら】"},
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "cannot read " << path.toStdString();
  return file.readAll();
}

QString Cp932ToUnicode(const QByteArray& bytes) {
  iconv_t converter = iconv_open("UTF-8", "CP932");
  QByteArray input = bytes;
  QByteArray output(bytes.size() * 3 + 4, '\0');
  char* in = input.data();
  char* out = output.data();
  size_t in_left = static_cast<size_t>(input.size()), out_left = static_cast<size_t>(output.size());
  const size_t result = iconv(converter, &in, &in_left, &out, &out_left);
  iconv_close(converter);
  if (result == static_cast<size_t>(-1))
    ADD_FAILURE() << "not code page 932: " << bytes.toHex().toStdString();
  output.truncate(output.size() - static_cast<qsizetype>(out_left));
  return QString::fromUtf8(output);
}

QStringList Entries(const char* list) {
  const QByteArray bytes =
      ReadAll(RuntimeDir() + QStringLiteral("/dat/") + QString::fromLatin1(list) + QStringLiteral(".dat"));
  QList<QByteArray> lines = bytes.split('\n');
  EXPECT_TRUE(lines.last().isEmpty()) << "the last line has no line end";
  lines.removeLast();
  QStringList entries;
  for (const QByteArray& line : lines) {
    EXPECT_TRUE(line.endsWith('\r')) << "a line ends without CR";
    entries.push_back(Cp932ToUnicode(line.chopped(1)));
  }
  return entries;
}

void PrintTo(const ListCase& list, std::ostream* out) { *out << list.list; }

class NameList : public testing::TestWithParam<ListCase> {};

TEST_P(NameList, Has256LinesOfCodePage932WithCrLf) {
  const QByteArray bytes = ReadAll(RuntimeDir() + QStringLiteral("/dat/") +
                                   QString::fromLatin1(GetParam().list) + QStringLiteral(".dat"));
  EXPECT_EQ(bytes.count("\r\n"), 256);
  EXPECT_EQ(bytes.count('\n'), 256);
  EXPECT_EQ(bytes.count('\r'), 256);
  EXPECT_TRUE(bytes.endsWith("\r\n"));
}

TEST_P(NameList, IsTheSourceInCodePage932) {
  const QByteArray source = ReadAll(ContentDataDir() + QStringLiteral("/names/") +
                                    QString::fromLatin1(GetParam().list) + QStringLiteral(".txt"));
  QStringList expected = QString::fromUtf8(source).split(QLatin1Char('\n'));
  if (expected.last().isEmpty()) expected.removeLast();
  const QStringList entries = Entries(GetParam().list);
  ASSERT_EQ(entries.size(), expected.size());
  for (qsizetype i = 0; i < entries.size(); ++i)
    EXPECT_EQ(entries[i].toStdString(), expected[i].toStdString()) << "line " << i + 1;
}

TEST_P(NameList, NamesThatCanBeDrawnAreFilledAndDistinct) {
  const QStringList entries = Entries(GetParam().list);
  ASSERT_EQ(entries.size(), 256);
  std::set<QString> seen;
  for (int i = 0; i < 255; ++i) {
    EXPECT_FALSE(entries[i].trimmed().isEmpty()) << "entry " << i;
    EXPECT_TRUE(seen.insert(entries[i]).second) << "entry " << i << " repeats " << entries[i].toStdString();
  }
  // Entry 255 is never drawn, but a boss beaten on map 254 names it: every list fills it too.
  EXPECT_FALSE(entries[255].isEmpty());
}

TEST_P(NameList, EachNameFitsOnOneLineOfTheMessageLabel) {
  QFont font(QStringLiteral("IPAPMincho"));
  font.setPixelSize(16);
  const QFontMetrics metrics(font);
  const QStringList entries = Entries(GetParam().list);
  for (int i = 0; i < entries.size(); ++i) {
    const QString line =
        QString::fromUtf8(GetParam().before) + entries[i] + QString::fromUtf8(GetParam().after);
    EXPECT_LE(metrics.horizontalAdvance(line), kLabelWidth) << line.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Lists, NameList, testing::ValuesIn(kLists),
                         [](const auto& info) { return std::string(info.param.list); });

}  // namespace
