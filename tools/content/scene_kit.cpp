#include "scene_kit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "seeded_random.h"

namespace zeru::content {

void Hills(PixelCanvas& canvas, int base, double amplitude, double frequency, double phase, Ink body,
           Ink rim) {
  for (int x = 0; x < canvas.width(); ++x) {
    const double wave =
        0.6 * std::sin(x * frequency + phase) + 0.4 * std::sin(x * frequency * 2.3 + phase * 1.7);
    const int top = base - static_cast<int>(std::lround(amplitude * wave));
    canvas.Rect(x, top, 1, canvas.height() - top, body);
    canvas.Pixel(x, top, rim);
  }
}

void Mountain(PixelCanvas& canvas, int peak_x, int peak_y, int half_width, int base_y, Ink lit, Ink shade,
              Ink snow) {
  canvas.Polygon({QPoint(peak_x, peak_y), QPoint(peak_x - half_width, base_y), QPoint(peak_x, base_y)}, lit);
  canvas.Polygon({QPoint(peak_x, peak_y), QPoint(peak_x + half_width, base_y), QPoint(peak_x, base_y)},
                 shade);
  if (snow != lit) {
    const int cap = (base_y - peak_y) / 4;
    const int cap_w = half_width * cap / (base_y - peak_y);
    canvas.Polygon({QPoint(peak_x, peak_y), QPoint(peak_x - cap_w, peak_y + cap),
                    QPoint(peak_x - cap_w / 3, peak_y + cap - 2), QPoint(peak_x + 1, peak_y + cap + 1),
                    QPoint(peak_x + cap_w / 2, peak_y + cap - 1)},
                   snow);
  }
}

void Cloud(PixelCanvas& canvas, int x, int y, int width, Ink light, Ink shade) {
  const int r = std::max(3, width / 6);
  canvas.Ellipse(x + width / 2, y + r / 2 + 1, width / 2, r, shade);
  canvas.Ellipse(x + width / 3, y, r + 1, r, light);
  canvas.Ellipse(x + width * 3 / 5, y - r / 2, r + 2, r + 1, light);
  canvas.Ellipse(x + width / 2, y + r / 3, width / 2 - 1, r - 1, light);
  canvas.Rect(x + 2, y + r, width - 3, 1, shade);
}

void CrescentMoon(PixelCanvas& canvas, int cx, int cy, int r, Ink light, Ink shade) {
  for (int y = -r; y <= r; ++y)
    for (int x = -r; x <= r; ++x) {
      const double d = std::hypot(x, y);
      const double cut = std::hypot(x + r * 0.55, y - r * 0.35);
      if (d <= r + 0.3 && cut > r * 0.95) canvas.Pixel(cx + x, cy + y, cut < r * 1.15 ? shade : light);
    }
}

void RoundTree(PixelCanvas& canvas, int x, int base_y, int height, Ink dark, Ink mid, Ink light) {
  const int trunk_h = height / 3;
  canvas.Rect(x - 1, base_y - trunk_h, 3, trunk_h, Ink::kEarth1);
  canvas.Pixel(x - 1, base_y - trunk_h, Ink::kEarth2);
  const int r = height / 3 + 1;
  canvas.ShadedEllipse(x, base_y - trunk_h - r + 2, r, r, dark, mid, light);
}

void PineTree(PixelCanvas& canvas, int x, int base_y, int height, Ink dark, Ink mid) {
  canvas.Rect(x, base_y - height / 5, 2, height / 5, Ink::kEarth0);
  for (int tier = 0; tier < 3; ++tier) {
    const int top = base_y - height + tier * height / 4;
    const int bottom = top + height / 2;
    const int half = 3 + (bottom - top) / 2 + tier;
    canvas.Polygon({QPoint(x + 1, top), QPoint(x + 1 - half, bottom), QPoint(x + 1, bottom)}, mid);
    canvas.Polygon({QPoint(x + 1, top), QPoint(x + 2 + half, bottom), QPoint(x + 1, bottom)}, dark);
  }
}

void Rays(PixelCanvas& canvas, int cx, int cy, int count, Ink a, Ink b, double turn) {
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const double angle = std::atan2(y - cy, x - cx) / (2.0 * std::numbers::pi) + 0.5 + turn;
      const int sector = static_cast<int>(std::floor(angle * count * 2.0));
      canvas.Pixel(x, y, (sector & 1) ? a : b);
    }
}

void GrassTufts(PixelCanvas& canvas, uint32_t seed, int count, int y0, int y1, Ink blade, Ink tip) {
  SeededRandom random(seed);
  for (int i = 0; i < count; ++i) {
    const int x = random.Below(canvas.width());
    const int y = y0 + random.Below(std::max(1, y1 - y0));
    canvas.Pixel(x, y, blade);
    canvas.Pixel(x - 1, y - 1, tip);
    canvas.Pixel(x + 1, y - 1, tip);
    canvas.Pixel(x, y - 2, tip);
  }
}

void Castle(PixelCanvas& canvas, int x, int base_y, Ink wall, Ink wall_shade, Ink roof, Ink roof_shade,
            Ink window) {
  auto tower = [&](int cx, int top, int half) {
    canvas.Rect(cx - half, top, half * 2 + 1, base_y - top, wall);
    canvas.Rect(cx + half / 2 + 1, top, half - half / 2, base_y - top, wall_shade);
    canvas.Polygon({QPoint(cx, top - half * 2 - 3), QPoint(cx - half - 2, top + 1), QPoint(cx, top + 1)},
                   roof);
    canvas.Polygon({QPoint(cx, top - half * 2 - 3), QPoint(cx + half + 3, top + 1), QPoint(cx, top + 1)},
                   roof_shade);
    canvas.Line(cx, top - half * 2 - 8, cx, top - half * 2 - 3, Ink::kStone4);
    canvas.Rect(cx + 1, top - half * 2 - 8, 4, 2, Ink::kGold3);
    canvas.Rect(cx - 1, top + 5, 2, 4, window);
  };
  // the curtain wall with its battlements
  canvas.Rect(x - 24, base_y - 20, 49, 20, wall);
  canvas.Rect(x + 12, base_y - 20, 13, 20, wall_shade);
  for (int bx = x - 24; bx <= x + 22; bx += 4)
    canvas.Rect(bx, base_y - 23, 2, 3, bx > x + 10 ? wall_shade : wall);
  tower(x - 22, base_y - 34, 5);
  tower(x + 22, base_y - 34, 5);
  tower(x, base_y - 44, 7);
  // the gate
  canvas.Rect(x - 4, base_y - 10, 9, 10, Ink::kOutline);
  canvas.Ellipse(x, base_y - 10, 4, 3, Ink::kOutline);
  for (int wx : {x - 15, x + 13}) canvas.Rect(wx, base_y - 14, 2, 4, window);
}

void BrickWall(PixelCanvas& canvas, int bottom, int course, Ink face, Ink rim) {
  for (int y = 0; y < bottom; y += course) {
    for (int x = -(y / course % 2) * course; x < canvas.width(); x += 2 * course) {
      canvas.Rect(x, y, 2 * course - 1, course - 1, face);
      canvas.Rect(x, y, 2 * course - 1, 1, rim);
    }
  }
}

void Exclamation(PixelCanvas& canvas, int x, int y, Ink ink) {
  PixelCanvas mark = PixelCanvas::Layer(7, 16);
  mark.Rect(1, 1, 5, 2, ink);
  mark.Rect(2, 3, 3, 6, ink);
  mark.Rect(2, 9, 3, 1, ink);
  mark.Rect(2, 12, 3, 3, ink);
  mark.Pixel(2, 1, Ink::kWhite);
  mark.Pixel(2, 2, Ink::kWhite);
  mark.Outline(Ink::kOutline);
  canvas.Stamp(mark, x - 1, y - 1);
}

void Chest(PixelCanvas& canvas, int x, int y, int w, bool open) {
  const int h = w * 2 / 3;
  const int lid_h = h * 2 / 5;
  const int body_h = h - lid_h;
  PixelCanvas layer = PixelCanvas::Layer(w + 2, h + lid_h + 4);
  const int ox = 1;
  const int by = 2 * lid_h + 1;  // top of the box, the same open or closed
  layer.Rect(ox, by, w, body_h, Ink::kEarth2);
  layer.Rect(ox, by, w, 2, Ink::kEarth3);
  layer.Rect(ox + w - 3, by, 3, body_h, Ink::kEarth1);
  for (int px = ox + w / 5; px < ox + w - 4; px += w / 5) layer.Rect(px, by + 2, 1, body_h - 4, Ink::kEarth1);
  layer.Rect(ox, by + body_h - 2, w, 2, Ink::kGold1);
  layer.Rect(ox + 3, by, 2, body_h, Ink::kGold2);
  layer.Rect(ox + w - 5, by, 2, body_h, Ink::kGold1);
  if (open) {
    // the lid thrown back, its darker inside leaning away, over the open mouth of the box
    const int oy = 1;
    const int mouth = lid_h;
    const int lid_bottom = by - mouth;
    layer.Polygon({QPoint(ox + 4, oy), QPoint(ox + w - 4, oy), QPoint(ox + w - 1, lid_bottom),
                   QPoint(ox + 1, lid_bottom)},
                  Ink::kEarth1);
    for (int py = oy + 3; py < lid_bottom - 1; py += 3) layer.Rect(ox + 4, py, w - 8, 1, Ink::kEarth0);
    layer.Rect(ox + 4, oy, w - 8, 1, Ink::kEarth2);
    layer.Rect(ox + 5, oy, 2, lid_bottom - oy, Ink::kGold0);
    layer.Rect(ox + w - 7, oy, 2, lid_bottom - oy, Ink::kGold0);
    // the box seen from above: a lit rim, a dark inside and its far wall
    layer.Rect(ox, lid_bottom, w, mouth, Ink::kEarth3);
    layer.Rect(ox + 2, lid_bottom + 1, w - 4, mouth - 1, Ink::kBlack);
    layer.Rect(ox + 2, lid_bottom + 1, w - 4, mouth / 2, Ink::kEarth0);
  } else {
    const int oy = lid_h + 1;
    layer.Rect(ox, oy, w, lid_h, Ink::kEarth3);
    layer.Rect(ox, oy, w, 2, Ink::kEarth4);
    layer.Rect(ox + w - 3, oy, 3, lid_h, Ink::kEarth2);
    layer.Rect(ox + 3, oy, 2, lid_h, Ink::kGold3);
    layer.Rect(ox + w - 5, oy, 2, lid_h, Ink::kGold1);
    layer.Rect(ox, oy + lid_h - 1, w, 1, Ink::kOutline);
    const int lx = ox + w / 2 - 2;
    layer.Rect(lx, oy + lid_h - 3, 5, 6, Ink::kGold2);
    layer.Rect(lx, oy + lid_h - 3, 5, 1, Ink::kGold4);
    layer.Pixel(lx + 2, oy + lid_h, Ink::kOutline);
    layer.Pixel(lx + 2, oy + lid_h + 1, Ink::kOutline);
  }
  layer.Outline(Ink::kOutline);
  canvas.Stamp(layer, x - 1, y - lid_h - 1);
}

}  // namespace zeru::content
