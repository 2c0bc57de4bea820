// The generator itself: the same sources give the same bytes, and a
// player's record survives every run.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "content_paths.h"

namespace {

int RunTool(const QStringList& arguments) {
  QProcess tool;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  tool.setProcessEnvironment(environment);
  tool.setProcessChannelMode(QProcess::ForwardedChannels);
  tool.start(ContentTool(), arguments);
  if (!tool.waitForFinished(300000)) return -1;
  return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray FreshRecord() {
  QByteArray record("\x81\x48\x81\x48\x81\x48\x81\x48\r\n");  // ？？？？
  for (int i = 0; i < 18; ++i) record += "0\r\n";
  return record;
}

TEST(FirstRecord, IsWrittenWhereNoneExists) {
  QTemporaryDir runtime;
  ASSERT_TRUE(runtime.isValid());
  ASSERT_EQ(RunTool({QStringLiteral("--first-record"), ContentDataDir(), runtime.path()}), 0);
  EXPECT_EQ(ReadAll(runtime.path() + QStringLiteral("/dat/my.dat")), FreshRecord());
}

TEST(FirstRecord, BuildLeftOneBesideTheGame) {
  const QByteArray record = ReadAll(RuntimeDir() + QStringLiteral("/dat/my.dat"));
  EXPECT_NE(record, QByteArray("<missing>"));
}

TEST(Generator, KeepsAPlayersRecordAndRepeatsTheBuildByteForByte) {
  QTemporaryDir runtime;
  ASSERT_TRUE(runtime.isValid());
  ASSERT_TRUE(QDir(runtime.path()).mkpath(QStringLiteral("dat")));
  QByteArray record("\x82\xe4\x82\xa4\x82\xb5\x82\xe1\r\n");  // ゆうしゃ
  for (int value : {120, 7, 0, 0, 30, 25, 30, 25, 4, 3, 2, 5, 11, 2, 9, 1, 4321, 3})
    record += QByteArray::number(value) + "\r\n";
  {
    QFile file(runtime.path() + QStringLiteral("/dat/my.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(record);
  }
  ASSERT_EQ(RunTool({ContentDataDir(), runtime.path()}), 0);
  ASSERT_EQ(RunTool({QStringLiteral("--first-record"), ContentDataDir(), runtime.path()}), 0);
  EXPECT_EQ(ReadAll(runtime.path() + QStringLiteral("/dat/my.dat")), record);

  for (const QString& folder : {QStringLiteral("cg"), QStringLiteral("dat")}) {
    const QStringList made = QDir(runtime.path() + QLatin1Char('/') + folder).entryList(QDir::Files);
    EXPECT_GE(made.size(), folder == QStringLiteral("cg") ? 24 : 23);
    for (const QString& name : made) {
      if (name == QStringLiteral("my.dat")) continue;
      const QString relative = folder + QLatin1Char('/') + name;
      EXPECT_EQ(ReadAll(runtime.path() + QLatin1Char('/') + relative) ==
                    ReadAll(RuntimeDir() + QLatin1Char('/') + relative),
                true)
          << relative.toStdString() << " differs from the build's";
    }
  }
}

}  // namespace
