// zeru_content: makes the game's pictures, button glyphs, sounds, name lists
// and first record from the sources in data/.
//
//   zeru_content <data dir> <runtime dir>           everything into cg/ and dat/
//   zeru_content --first-record <data dir> <runtime dir>
//                                                   only dat/my.dat, and only when there is none
//   zeru_content --contact-sheet <out.png> <runtime dir>
//                                                   a sheet of every picture and glyph as built
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstring>

#include "bmp_file.h"
#include "contact_sheet.h"
#include "glyphs.h"
#include "pictures.h"
#include "sounds.h"
#include "text_files.h"

namespace {

using namespace zeru::content;

int Fail(const QString& message) {
  std::fprintf(stderr, "zeru_content: %s\n", message.toLocal8Bit().constData());
  return 1;
}

// A player's record is never replaced: my.dat is written only where none exists.
bool WriteFirstRecord(const QString& data_dir, const QString& runtime_dir, QString* error) {
  const QString target = runtime_dir + QStringLiteral("/dat/my.dat");
  if (QFile::exists(target)) return true;
  if (!QDir().mkpath(runtime_dir + QStringLiteral("/dat"))) {
    *error = QStringLiteral("cannot create %1/dat").arg(runtime_dir);
    return false;
  }
  return ConvertTextFile(data_dir + QStringLiteral("/first_record.txt"), target, kRecordLines, error);
}

bool WriteEverything(const QString& data_dir, const QString& runtime_dir, QString* error) {
  const QString cg = runtime_dir + QStringLiteral("/cg/");
  const QString dat = runtime_dir + QStringLiteral("/dat/");
  if (!QDir().mkpath(cg) || !QDir().mkpath(dat)) {
    *error = QStringLiteral("cannot create cg/ and dat/ in %1").arg(runtime_dir);
    return false;
  }
  for (const PictureRecipe& recipe : PictureRecipes()) {
    if (!WriteIndexedBmp(RenderPicture(recipe), cg + QString::fromLatin1(recipe.file))) {
      *error = QStringLiteral("cannot write %1%2").arg(cg, QString::fromLatin1(recipe.file));
      return false;
    }
  }
  for (const GlyphRecipe& recipe : GlyphRecipes()) {
    if (!WriteIndexedBmp(recipe.render(), cg + QString::fromLatin1(recipe.file))) {
      *error = QStringLiteral("cannot write %1%2").arg(cg, QString::fromLatin1(recipe.file));
      return false;
    }
  }
  for (const SoundRecipe& recipe : SoundRecipes()) {
    const Synth sound = RenderSound(recipe);
    if (!WriteWave(dat + QString::fromLatin1(recipe.file), recipe.format, sound.left(), sound.right())) {
      *error = QStringLiteral("cannot write %1%2").arg(dat, QString::fromLatin1(recipe.file));
      return false;
    }
  }
  for (const char* list : {"item", "nakama", "reaitem", "name"}) {
    const QString name = QString::fromLatin1(list);
    if (!ConvertTextFile(data_dir + QStringLiteral("/names/") + name + QStringLiteral(".txt"),
                         dat + name + QStringLiteral(".dat"), kNameListLines, error))
      return false;
  }
  return WriteFirstRecord(data_dir, runtime_dir, error);
}

}  // namespace

int main(int argc, char** argv) {
  QString error;
  if (argc == 4 && std::strcmp(argv[1], "--first-record") == 0) {
    if (!WriteFirstRecord(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), &error))
      return Fail(error);
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "--contact-sheet") == 0) {
    QGuiApplication application(argc, argv);  // fonts need it
    if (!WriteContactSheet(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[2]), &error))
      return Fail(error);
    return 0;
  }
  if (argc == 3 && argv[1][0] != '-') {
    QGuiApplication application(argc, argv);
    if (!WriteEverything(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), &error))
      return Fail(error);
    return 0;
  }
  return Fail(
      QStringLiteral("usage: zeru_content <data dir> <runtime dir>\n"
                     "       zeru_content --first-record <data dir> <runtime dir>\n"
                     "       zeru_content --contact-sheet <out.png> <runtime dir>"));
}
