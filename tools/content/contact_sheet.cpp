#include "contact_sheet.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include "glyphs.h"
#include "pictures.h"

namespace zeru::content {
namespace {

constexpr int kTileW = 273, kTileH = 200, kCaptionH = 18, kGap = 8, kColumns = 5;

// The glyph as a button shows it: the lower-left pixel's colour drawn transparent.
QImage Keyed(const QImage& glyph) {
  QImage keyed = glyph.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = keyed.pixel(0, keyed.height() - 1);
  for (int y = 0; y < keyed.height(); ++y)
    for (int x = 0; x < keyed.width(); ++x)
      if (keyed.pixel(x, y) == key) keyed.setPixel(x, y, 0u);
  return keyed;
}

}  // namespace

bool WriteContactSheet(const QString& runtime_dir, const QString& png_path, QString* error) {
  const auto& pictures = PictureRecipes();
  const auto& glyphs = GlyphRecipes();
  const int rows = static_cast<int>((pictures.size() + kColumns - 1) / kColumns);
  const int glyph_band = 96 + kCaptionH + 3 * kGap;
  QImage sheet(kColumns * (kTileW + kGap) + kGap, rows * (kTileH + kCaptionH + kGap) + kGap + glyph_band,
               QImage::Format_RGB32);
  sheet.fill(qRgb(48, 48, 56));
  QPainter painter(&sheet);
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(13);
  painter.setFont(font);
  painter.setPen(Qt::white);

  for (size_t i = 0; i < pictures.size(); ++i) {
    const QString path = runtime_dir + QStringLiteral("/cg/") + QString::fromLatin1(pictures[i].file);
    QImage picture(path);
    if (picture.isNull()) {
      *error = QStringLiteral("cannot read %1").arg(path);
      return false;
    }
    if (i == 0) picture = picture.copy(0, 0, 318, 253);
    const int x = kGap + static_cast<int>(i % kColumns) * (kTileW + kGap);
    const int y = kGap + static_cast<int>(i / kColumns) * (kTileH + kCaptionH + kGap);
    painter.drawImage(QRect(x, y, kTileW, kTileH), picture);
    painter.drawText(x, y + kTileH + 14, QString::fromLatin1(pictures[i].file));
  }

  int x = kGap;
  const int y = kGap + rows * (kTileH + kCaptionH + kGap) + kGap;
  for (const GlyphRecipe& recipe : glyphs) {
    const QString path = runtime_dir + QStringLiteral("/cg/") + QString::fromLatin1(recipe.file);
    const QImage glyph(path);
    if (glyph.isNull()) {
      *error = QStringLiteral("cannot read %1").arg(path);
      return false;
    }
    const QImage keyed = Keyed(glyph);
    // a button face behind both sizes
    painter.fillRect(QRect(x, y, 24 + kGap + 96 + 2 * kGap, 96 + 2 * kGap), QColor(212, 208, 200));
    painter.drawImage(QRect(x + kGap, y + kGap + 36, 24, 24), keyed);
    painter.drawImage(QRect(x + 2 * kGap + 24, y + kGap, 96, 96), keyed);
    painter.drawText(x, y + 96 + 2 * kGap + 14, QString::fromLatin1(recipe.file));
    x += 24 + 96 + 4 * kGap + 40;
  }
  painter.end();
  if (!sheet.save(png_path, "PNG")) {
    *error = QStringLiteral("cannot write %1").arg(png_path);
    return false;
  }
  return true;
}

}  // namespace zeru::content
