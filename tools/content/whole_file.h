#pragma once

#include <QSaveFile>
#include <QString>

namespace zeru::content {

// Writes the file in one go: it is replaced only when every byte has been written.
inline bool SaveWholeFile(const QString& path, const char* bytes, qint64 size) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes, size) == size && file.commit();
}

}  // namespace zeru::content
