#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <initializer_list>
#include <map>
#include <string_view>
#include <vector>

#include "palette.h"

namespace zeru::content {

// Which ink each letter of a sprite stands for; letters not in the legend
// (and '.') are left transparent.
using SpriteLegend = std::map<char, Ink>;

// A low-resolution drawing surface in the shared palette. Pictures are drawn
// at half size, without antialiasing, and doubled when finished, so every
// art pixel is a 2 x 2 block on screen.
class PixelCanvas {
 public:
  PixelCanvas(int width, int height);
  // A clear layer for one figure: draw it, Outline() it, then Stamp() it on the scene.
  static PixelCanvas Layer(int width, int height);

  int width() const { return image_.width(); }
  int height() const { return image_.height(); }

  void Fill(Ink ink);
  void Pixel(int x, int y, Ink ink);
  void Rect(int x, int y, int w, int h, Ink ink);
  void Line(int x0, int y0, int x1, int y1, Ink ink);
  void Ellipse(int cx, int cy, int rx, int ry, Ink ink);
  void Polygon(std::initializer_list<QPoint> points, Ink ink);
  void Polygon(const std::vector<QPoint>& points, Ink ink);
  // Fills the rows y0..y1 with a run of inks, blending each step into the
  // next with an ordered 4 x 4 dither.
  void VerticalRamp(int y0, int y1, std::initializer_list<Ink> inks);
  // Mixes ink into the rectangle at the given coverage (0..16 of 16) in a dither pattern.
  void DitherRect(int x, int y, int w, int h, Ink ink, int coverage);
  void Sprite(int x, int y, std::initializer_list<std::string_view> rows, const SpriteLegend& legend,
              bool mirrored = false);
  // A four-pointed glint: arm = length of each arm in art pixels.
  void Sparkle(int x, int y, int arm, Ink ink, Ink core);
  void Stars(uint32_t seed, int count, int x, int y, int w, int h);
  // Text in a pixel font (drawn without smoothing), top-left at (x, y).
  void Text(int x, int y, const QString& text, int pixel_size, Ink ink, bool bold = true,
            const char* family = "IPAPGothic");
  // The same text with a one-pixel outline all around.
  void OutlinedText(int x, int y, const QString& text, int pixel_size, Ink ink, Ink outline,
                    const char* family = "IPAPGothic");
  // A body lit from the upper left: shadow ink on the lower right, light ink upper left.
  void ShadedEllipse(int cx, int cy, int rx, int ry, Ink shadow, Ink base, Ink light);
  // Surrounds every drawn pixel of a layer with the ink on its four sides.
  void Outline(Ink ink);
  // Copies the drawn pixels of a layer onto this canvas with its top-left at (x, y).
  void Stamp(const PixelCanvas& layer, int x, int y);
  int TextWidth(const QString& text, int pixel_size, bool bold = true,
                const char* family = "IPAPGothic") const;

  QImage& image() { return image_; }

 private:
  QImage image_;
};

// Doubles the art and converts it to the shared 8-bit palette, cropped to
// width x height of the finished picture.
QImage FinishPicture(const QImage& art, int width, int height);

// Whether (x, y) is drawn for a coverage of 0..16 in the ordered dither.
bool DitherOn(int x, int y, int coverage);

}  // namespace zeru::content
