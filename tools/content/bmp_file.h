#pragma once

#include <QImage>
#include <QString>

namespace zeru::content {

// Writes an 8-bit indexed image as an uncompressed Windows bitmap with a
// 256-entry colour table (unused entries black). Returns false on a write error.
bool WriteIndexedBmp(const QImage& indexed, const QString& path);

}  // namespace zeru::content
