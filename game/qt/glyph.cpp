#include "game/qt/glyph.h"

#include <QPixmap>

#include "game/qt/qt_path.h"

QImage GlyphImage(const QImage& bitmap) {
  QImage glyph = bitmap.convertToFormat(QImage::Format_ARGB32);
  if (glyph.isNull()) return glyph;
  QRgb transparent = glyph.pixel(0, glyph.height() - 1);
  for (int y = 0; y < glyph.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(glyph.scanLine(y));
    for (int x = 0; x < glyph.width(); ++x) {
      if (row[x] == transparent) row[x] = qRgba(0, 0, 0, 0);
    }
  }
  return glyph;
}

QIcon LoadGlyph(const std::filesystem::path& file) {
  QImage bitmap(QtPath(file));
  if (bitmap.isNull()) return QIcon();
  return QIcon(QPixmap::fromImage(GlyphImage(bitmap)));
}
