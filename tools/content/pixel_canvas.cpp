#include "pixel_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <cstdlib>

#include "seeded_random.h"

namespace zeru::content {
namespace {

constexpr int kBayer4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

QFont PixelFont(int pixel_size, bool bold, const char* family) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  font.setStyleStrategy(QFont::NoAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

uchar NearestInk(QRgb rgb) {
  int best = 0;
  int best_distance = 1 << 30;
  for (int i = 0; i < static_cast<int>(Ink::kCount); ++i) {
    const QRgb ink = InkRgb(static_cast<Ink>(i));
    const int dr = qRed(ink) - qRed(rgb), dg = qGreen(ink) - qGreen(rgb), db = qBlue(ink) - qBlue(rgb);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < best_distance) {
      best_distance = distance;
      best = i;
    }
  }
  return uchar(best);
}

}  // namespace

bool DitherOn(int x, int y, int coverage) { return kBayer4[y & 3][x & 3] < coverage; }

PixelCanvas::PixelCanvas(int width, int height) : image_(width, height, QImage::Format_RGB32) {
  image_.fill(InkRgb(Ink::kBlack));
}

PixelCanvas PixelCanvas::Layer(int width, int height) {
  PixelCanvas layer(width, height);
  layer.image_ = QImage(width, height, QImage::Format_ARGB32);
  layer.image_.fill(0u);
  return layer;
}

void PixelCanvas::ShadedEllipse(int cx, int cy, int rx, int ry, Ink shadow, Ink base, Ink light) {
  Ellipse(cx, cy, rx, ry, shadow);
  const int brx = std::max(1, rx * 5 / 6), bry = std::max(1, ry * 5 / 6);
  Ellipse(cx - (rx - brx), cy - (ry - bry), brx, bry, base);
  Ellipse(cx - rx / 3, cy - ry / 3, std::max(1, rx / 4), std::max(1, ry / 4), light);
}

void PixelCanvas::Outline(Ink ink) {
  const QImage source = image_;
  auto drawn = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < source.width() && y < source.height() && qAlpha(source.pixel(x, y)) != 0;
  };
  for (int y = 0; y < source.height(); ++y)
    for (int x = 0; x < source.width(); ++x)
      if (!drawn(x, y) && (drawn(x - 1, y) || drawn(x + 1, y) || drawn(x, y - 1) || drawn(x, y + 1)))
        image_.setPixel(x, y, InkRgb(ink));
}

void PixelCanvas::Stamp(const PixelCanvas& layer, int x, int y) {
  for (int ly = 0; ly < layer.height(); ++ly)
    for (int lx = 0; lx < layer.width(); ++lx) {
      const QRgb rgb = layer.image_.pixel(lx, ly);
      if (qAlpha(rgb) == 0) continue;
      const int tx = x + lx, ty = y + ly;
      if (tx >= 0 && ty >= 0 && tx < width() && ty < height()) image_.setPixel(tx, ty, rgb | 0xff000000u);
    }
}

void PixelCanvas::Fill(Ink ink) { image_.fill(InkRgb(ink)); }

void PixelCanvas::Pixel(int x, int y, Ink ink) {
  if (x >= 0 && y >= 0 && x < width() && y < height()) image_.setPixel(x, y, InkRgb(ink));
}

void PixelCanvas::Rect(int x, int y, int w, int h, Ink ink) {
  for (int yy = std::max(0, y); yy < std::min(height(), y + h); ++yy)
    for (int xx = std::max(0, x); xx < std::min(width(), x + w); ++xx) image_.setPixel(xx, yy, InkRgb(ink));
}

void PixelCanvas::Line(int x0, int y0, int x1, int y1, Ink ink) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Pixel(x0, y0, ink);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void PixelCanvas::Ellipse(int cx, int cy, int rx, int ry, Ink ink) {
  // Pixel centres inside the ellipse; symmetric and free of stray edge pixels.
  for (int y = -ry; y <= ry; ++y)
    for (int x = -rx; x <= rx; ++x) {
      const double fx = (x) / (rx + 0.5), fy = (y) / (ry + 0.5);
      if (fx * fx + fy * fy <= 1.0) Pixel(cx + x, cy + y, ink);
    }
}

void PixelCanvas::Polygon(std::initializer_list<QPoint> points, Ink ink) {
  Polygon(std::vector<QPoint>(points), ink);
}

void PixelCanvas::Polygon(const std::vector<QPoint>& points, Ink ink) {
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(InkColor(ink));
  painter.drawPolygon(points.data(), static_cast<int>(points.size()));
}

void PixelCanvas::VerticalRamp(int y0, int y1, std::initializer_list<Ink> inks) {
  const std::vector<Ink> steps(inks);
  if (steps.empty() || y1 < y0) return;
  if (steps.size() == 1) {
    Rect(0, y0, width(), y1 - y0 + 1, steps[0]);
    return;
  }
  const double span = static_cast<double>(y1 - y0 + 1) / static_cast<double>(steps.size() - 1);
  for (int y = y0; y <= y1; ++y) {
    const double pos = (y - y0) / span;
    const int band = std::min(static_cast<int>(pos), static_cast<int>(steps.size()) - 2);
    // Flat for the first half of each band, dithered across the second half.
    const double within = pos - band;
    const int coverage = within < 0.5 ? 0 : static_cast<int>((within - 0.5) * 2.0 * 16.0);
    for (int x = 0; x < width(); ++x)
      image_.setPixel(x, y, InkRgb(DitherOn(x, y, coverage) ? steps[band + 1] : steps[band]));
  }
}

void PixelCanvas::DitherRect(int x, int y, int w, int h, Ink ink, int coverage) {
  for (int yy = y; yy < y + h; ++yy)
    for (int xx = x; xx < x + w; ++xx)
      if (DitherOn(xx, yy, coverage)) Pixel(xx, yy, ink);
}

void PixelCanvas::Sprite(int x, int y, std::initializer_list<std::string_view> rows,
                         const SpriteLegend& legend, bool mirrored) {
  int row_index = 0;
  for (std::string_view row : rows) {
    const int n = static_cast<int>(row.size());
    for (int i = 0; i < n; ++i) {
      const auto found = legend.find(row[i]);
      if (found == legend.end()) continue;
      Pixel(mirrored ? x + n - 1 - i : x + i, y + row_index, found->second);
    }
    ++row_index;
  }
}

void PixelCanvas::Sparkle(int x, int y, int arm, Ink ink, Ink core) {
  for (int i = 1; i <= arm; ++i) {
    Pixel(x + i, y, ink);
    Pixel(x - i, y, ink);
    Pixel(x, y + i, ink);
    Pixel(x, y - i, ink);
  }
  Pixel(x, y, core);
}

void PixelCanvas::Stars(uint32_t seed, int count, int x, int y, int w, int h) {
  SeededRandom random(seed);
  for (int i = 0; i < count; ++i) {
    const int sx = x + random.Below(w), sy = y + random.Below(h);
    const int kind = random.Below(10);
    if (kind == 0)
      Sparkle(sx, sy, 1, Ink::kSky2, Ink::kWhite);
    else
      Pixel(sx, sy, kind < 4 ? Ink::kStone5 : Ink::kStone3);
  }
}

void PixelCanvas::Text(int x, int y, const QString& text, int pixel_size, Ink ink, bool bold,
                       const char* family) {
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(PixelFont(pixel_size, bold, family));
  painter.setPen(InkColor(ink));
  const QFontMetrics metrics(painter.font());
  painter.drawText(x, y + metrics.ascent(), text);
}

void PixelCanvas::OutlinedText(int x, int y, const QString& text, int pixel_size, Ink ink, Ink outline,
                               const char* family) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (dx || dy) Text(x + dx, y + dy, text, pixel_size, outline, true, family);
  Text(x, y, text, pixel_size, ink, true, family);
}

int PixelCanvas::TextWidth(const QString& text, int pixel_size, bool bold, const char* family) const {
  return QFontMetrics(PixelFont(pixel_size, bold, family)).horizontalAdvance(text);
}

QImage FinishPicture(const QImage& art, int width, int height) {
  const QList<QRgb> table = PictureColorTable();
  QHash<QRgb, uchar> index_of;
  for (int i = static_cast<int>(Ink::kCount) - 1; i >= 0; --i) index_of[table[i] | 0xff000000u] = uchar(i);

  QImage picture(width, height, QImage::Format_Indexed8);
  picture.setColorTable(table);
  for (int y = 0; y < height; ++y) {
    uchar* row = picture.scanLine(y);
    const int ay = std::min(y / 2, art.height() - 1);
    for (int x = 0; x < width; ++x) {
      const int ax = std::min(x / 2, art.width() - 1);
      const QRgb rgb = art.pixel(ax, ay) | 0xff000000u;
      const auto found = index_of.constFind(rgb);
      row[x] = found != index_of.cend() ? *found : NearestInk(rgb);
    }
  }
  return picture;
}

}  // namespace zeru::content
