// The places of the journey: the title, the road out, nightfall, the
// shrine, the two springs and the two castles.
#include <cmath>
#include <numbers>

#include "pictures.h"
#include "scene_kit.h"
#include "seeded_random.h"
#include "sprites.h"

namespace zeru::content {

void PaintTitle(PixelCanvas& canvas) {
  const int w = canvas.width(), h = canvas.height();
  canvas.VerticalRamp(0, h - 1, {Ink::kNight0, Ink::kNight1, Ink::kNight2, Ink::kViolet1, Ink::kViolet2});
  canvas.Stars(7, 80, 0, 0, w, h * 3 / 4);
  // a big moon low in the sky, the far castle black against it
  canvas.Ellipse(116, 76, 22, 22, Ink::kGold2);
  canvas.Ellipse(114, 74, 20, 20, Ink::kGold3);
  canvas.Ellipse(108, 68, 9, 9, Ink::kGold4);
  canvas.Ellipse(124, 84, 4, 3, Ink::kGold2);
  canvas.Ellipse(104, 84, 2, 2, Ink::kGold2);
  Mountain(canvas, 24, 84, 44, 127, Ink::kViolet1, Ink::kNight2, Ink::kViolet1);
  Castle(canvas, 116, 104, Ink::kNight1, Ink::kNight0, Ink::kNight0, Ink::kBlack, Ink::kGold3);
  Hills(canvas, 112, 6, 0.04, 1.0, Ink::kNight0, Ink::kViolet2);
  // the hero on the near hill, looking out
  DrawHero(canvas, 34, 96);
  // the title: gold letters lit from above, a red rim, a dark outline and a drop shadow
  const char* lines[] = {"ザムリザムリ", "ヨルネピア"};
  constexpr int kSize = 23;
  PixelCanvas letters = PixelCanvas::Layer(w, 64);
  for (int line = 0; line < 2; ++line) {
    const QString text = QString::fromUtf8(lines[line]);
    const int tx = (w - letters.TextWidth(text, kSize, true, "IPAGothic")) / 2 + (line == 0 ? -6 : 8);
    const int ty = 3 + line * 28;
    letters.Text(tx, ty, text, kSize, Ink::kGold3, true, "IPAGothic");
    letters.Text(tx + 1, ty, text, kSize, Ink::kGold3, true, "IPAGothic");  // one pixel bolder
  }
  for (int y = 0; y < letters.height(); ++y)
    for (int x = 0; x < w; ++x) {
      if (qAlpha(letters.image().pixel(x, y)) == 0) continue;
      const int row = y % 28;
      letters.Pixel(x, y,
                    row < 9    ? Ink::kGold4
                    : row < 17 ? Ink::kGold3
                    : row < 22 ? Ink::kGold2
                               : Ink::kOrange);
    }
  letters.Outline(Ink::kRed1);
  letters.Outline(Ink::kOutline);
  PixelCanvas shadow = PixelCanvas::Layer(w, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < w; ++x)
      if (qAlpha(letters.image().pixel(x, y))) shadow.Pixel(x, y, Ink::kNight0);
  canvas.Stamp(shadow, 2, 6);
  canvas.Stamp(letters, 0, 4);
  canvas.Sparkle(14, 8, 3, Ink::kGold3, Ink::kWhite);
  canvas.Sparkle(146, 40, 2, Ink::kGold3, Ink::kWhite);
}

void PaintStart(PixelCanvas& canvas) {
  // dawn
  canvas.VerticalRamp(0, 52, {Ink::kViolet1, Ink::kViolet2, Ink::kPink1, Ink::kOrange, Ink::kGold3});
  canvas.Ellipse(92, 53, 12, 12, Ink::kGold4);
  canvas.Ellipse(92, 53, 9, 9, Ink::kWhite);
  Cloud(canvas, 14, 16, 26, Ink::kPink2, Ink::kPink1);
  Cloud(canvas, 100, 10, 20, Ink::kPink2, Ink::kPink1);
  Mountain(canvas, 60, 30, 40, 58, Ink::kViolet3, Ink::kViolet2, Ink::kPink2);
  Mountain(canvas, 118, 36, 34, 58, Ink::kViolet3, Ink::kViolet2, Ink::kPink2);
  Hills(canvas, 58, 3, 0.08, 0.5, Ink::kLeaf1, Ink::kLeaf2);
  Hills(canvas, 66, 4, 0.05, 2.0, Ink::kLeaf2, Ink::kLeaf3);
  // the road from the viewer's feet to the far mountains
  for (int y = 60; y < 100; ++y) {
    const double t = (y - 60) / 40.0;
    const double centre = 88 - 30 * t + 10 * std::sin(t * 5.0);
    const int half = static_cast<int>(1 + t * t * 16);
    canvas.Rect(static_cast<int>(centre) - half, y, half * 2, 1, Ink::kSand);
    canvas.Pixel(static_cast<int>(centre) - half, y, Ink::kEarth3);
  }
  GrassTufts(canvas, 3, 40, 72, 100, Ink::kLeaf2, Ink::kLeaf4);
  // the home village behind
  canvas.Rect(10, 62, 16, 10, Ink::kEarth4);
  canvas.Rect(20, 62, 6, 10, Ink::kEarth3);
  canvas.Polygon({QPoint(8, 63), QPoint(18, 54), QPoint(28, 63)}, Ink::kRed2);
  canvas.Polygon({QPoint(18, 54), QPoint(28, 63), QPoint(18, 63)}, Ink::kRed1);
  canvas.Rect(14, 66, 3, 6, Ink::kEarth1);
  canvas.Rect(21, 65, 3, 3, Ink::kGold3);
  RoundTree(canvas, 34, 72, 18, Ink::kLeaf1, Ink::kLeaf2, Ink::kLeaf3);
  // a signpost pointing down the road
  canvas.Rect(110, 70, 2, 16, Ink::kEarth1);
  canvas.Polygon({QPoint(100, 70), QPoint(118, 70), QPoint(122, 73), QPoint(118, 76), QPoint(100, 76)},
                 Ink::kEarth3);
  canvas.Rect(100, 70, 18, 1, Ink::kEarth4);
  canvas.Rect(103, 73, 12, 1, Ink::kEarth1);
  // the hero sets out, and birds go ahead
  DrawHero(canvas, 58, 72);
  for (auto [bx, by] : {std::pair{70, 22}, std::pair{78, 18}, std::pair{84, 24}}) {
    canvas.Pixel(bx - 1, by - 1, Ink::kOutline);
    canvas.Pixel(bx, by, Ink::kOutline);
    canvas.Pixel(bx + 1, by - 1, Ink::kOutline);
    canvas.Pixel(bx + 2, by - 1, Ink::kOutline);
  }
}

void PaintNightfall(PixelCanvas& canvas) {
  canvas.VerticalRamp(0, 64,
                      {Ink::kNight0, Ink::kNight1, Ink::kNight2, Ink::kViolet1, Ink::kPink0, Ink::kRed2});
  canvas.Stars(11, 45, 0, 0, canvas.width(), 40);
  CrescentMoon(canvas, 108, 20, 11, Ink::kGold4, Ink::kGold3);
  Mountain(canvas, 30, 38, 46, 66, Ink::kNight2, Ink::kNight1, Ink::kNight2);
  Mountain(canvas, 100, 44, 40, 66, Ink::kNight2, Ink::kNight1, Ink::kNight2);
  Hills(canvas, 66, 3, 0.07, 0.3, Ink::kNight1, Ink::kViolet1);
  Hills(canvas, 76, 3, 0.04, 2.3, Ink::kNight0, Ink::kNight2);
  PineTree(canvas, 12, 80, 30, Ink::kNight0, Ink::kNight1);
  PineTree(canvas, 124, 82, 34, Ink::kNight0, Ink::kNight1);
  // the camp: a tent lit from inside and a small fire
  canvas.Polygon({QPoint(40, 86), QPoint(58, 62), QPoint(76, 86)}, Ink::kEarth1);
  canvas.Polygon({QPoint(58, 62), QPoint(76, 86), QPoint(64, 86)}, Ink::kEarth0);
  canvas.Polygon({QPoint(52, 86), QPoint(58, 72), QPoint(62, 86)}, Ink::kGold2);
  canvas.Polygon({QPoint(55, 86), QPoint(58, 77), QPoint(60, 86)}, Ink::kGold3);
  canvas.Line(58, 62, 58, 58, Ink::kEarth2);
  // the fire's glow on the ground
  for (int y = 82; y < 96; ++y)
    for (int x = 78; x < 110; ++x) {
      const double d = std::hypot((x - 94) / 16.0, (y - 89) / 6.0);
      if (d < 1.0 && DitherOn(x, y, static_cast<int>((1.0 - d) * 14))) canvas.Pixel(x, y, Ink::kEarth1);
    }
  canvas.Rect(88, 88, 12, 2, Ink::kEarth0);
  canvas.Line(88, 90, 99, 87, Ink::kEarth1);
  canvas.Polygon({QPoint(89, 88), QPoint(94, 74), QPoint(99, 88)}, Ink::kRed3);
  canvas.Polygon({QPoint(91, 88), QPoint(94, 78), QPoint(97, 88)}, Ink::kOrange);
  canvas.Polygon({QPoint(93, 88), QPoint(94, 82), QPoint(95, 88)}, Ink::kGold4);
  canvas.Pixel(96, 71, Ink::kOrange);
  canvas.Pixel(92, 68, Ink::kRed3);
  canvas.Pixel(95, 64, Ink::kStone2);
  canvas.Pixel(94, 61, Ink::kStone1);
}

void PaintShrine(PixelCanvas& canvas) {
  const int w = canvas.width();
  canvas.VerticalRamp(0, 99, {Ink::kNight1, Ink::kNight2, Ink::kAqua0, Ink::kLeaf0});
  // tall dark trees frame the clearing
  for (int i = 0; i < 6; ++i) {
    PineTree(canvas, 4 + i * 5 - (i % 2) * 3, 80 + (i % 3) * 4, 60 + (i % 2) * 14, Ink::kNight0, Ink::kLeaf0);
    PineTree(canvas, w - 6 - i * 5 + (i % 2) * 3, 80 + (i % 3) * 4, 60 + (i % 2) * 12, Ink::kNight0,
             Ink::kLeaf0);
  }
  Hills(canvas, 84, 2, 0.05, 1.0, Ink::kLeaf0, Ink::kLeaf1);
  // a halo of light around the shrine
  for (int y = 20; y < 95; ++y)
    for (int x = 28; x < 110; ++x) {
      const double d = std::hypot((x - 68) / 40.0, (y - 58) / 36.0);
      if (d < 1.0 && DitherOn(x, y, static_cast<int>((1.0 - d) * 12))) canvas.Pixel(x, y, Ink::kAqua0);
    }
  // stone steps and plinth
  canvas.Rect(44, 88, 48, 5, Ink::kStone2);
  canvas.Rect(44, 88, 48, 1, Ink::kStone3);
  canvas.Rect(50, 82, 36, 6, Ink::kStone3);
  canvas.Rect(50, 82, 36, 1, Ink::kStone4);
  canvas.Rect(80, 82, 6, 6, Ink::kStone2);
  // the little house of the shrine
  canvas.Rect(54, 56, 28, 26, Ink::kEarth2);
  canvas.Rect(76, 56, 6, 26, Ink::kEarth1);
  canvas.Rect(58, 60, 18, 20, Ink::kNight0);
  canvas.Ellipse(67, 70, 5, 6, Ink::kAqua1);
  canvas.Ellipse(67, 70, 3, 4, Ink::kAqua2);
  canvas.Ellipse(67, 69, 1, 2, Ink::kAqua3);
  canvas.Rect(66, 60, 2, 20, Ink::kEarth1);
  canvas.Polygon({QPoint(46, 58), QPoint(68, 40), QPoint(90, 58)}, Ink::kStone3);
  canvas.Polygon({QPoint(68, 40), QPoint(90, 58), QPoint(68, 58)}, Ink::kStone2);
  canvas.Rect(46, 57, 45, 2, Ink::kStone1);
  canvas.Rect(66, 37, 4, 4, Ink::kStone4);
  // a rope with paper streamers across the front
  for (int x = 54; x <= 82; ++x) {
    const int sag = static_cast<int>(3.0 * std::sin((x - 54) / 28.0 * std::numbers::pi));
    canvas.Pixel(x, 60 + sag, Ink::kSand);
  }
  for (int x : {59, 67, 75}) {
    const int sag = static_cast<int>(3.0 * std::sin((x - 54) / 28.0 * std::numbers::pi));
    canvas.Rect(x, 61 + sag, 2, 4, Ink::kWhite);
    canvas.Pixel(x + 1, 65 + sag, Ink::kStone4);
  }
  // drifting wisps
  SeededRandom random(5);
  for (int i = 0; i < 12; ++i) {
    const int x = 30 + random.Below(78), y = 20 + random.Below(60);
    canvas.Pixel(x, y, Ink::kAqua3);
    canvas.Pixel(x, y + 1, Ink::kAqua2);
    canvas.Pixel(x, y + 2, Ink::kAqua1);
  }
  canvas.Sparkle(67, 30, 2, Ink::kAqua2, Ink::kWhite);
}

void PaintGoddessSpring(PixelCanvas& canvas) {
  canvas.VerticalRamp(0, 70, {Ink::kAqua1, Ink::kAqua2, Ink::kAqua3, Ink::kWhite});
  Rays(canvas, 68, 40, 10, Ink::kAqua2, Ink::kAqua3, 0.0);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const double d = std::hypot((x - 68) / 60.0, (y - 40) / 50.0);
      if (d > 0.8)
        canvas.Pixel(x, y, d > 1.0 ? Ink::kAqua1 : (DitherOn(x, y, 8) ? Ink::kAqua1 : Ink::kAqua2));
    }
  // a green bank around the spring
  Hills(canvas, 70, 2, 0.06, 0.0, Ink::kLeaf2, Ink::kLeaf4);
  canvas.Ellipse(68, 84, 54, 13, Ink::kLeaf1);
  canvas.Ellipse(68, 84, 50, 11, Ink::kAqua1);
  canvas.Ellipse(66, 83, 44, 8, Ink::kAqua2);
  canvas.Rect(36, 82, 12, 1, Ink::kAqua3);
  canvas.Rect(84, 86, 16, 1, Ink::kAqua3);
  // flowers at the edge
  SeededRandom random(21);
  for (int i = 0; i < 18; ++i) {
    const int x = random.Below(canvas.width());
    const int y = 72 + random.Below(26);
    if (std::hypot((x - 68) / 52.0, (y - 84) / 12.0) < 1.0) continue;
    canvas.Pixel(x, y, i % 2 ? Ink::kPink2 : Ink::kWhite);
    canvas.Pixel(x + 1, y, Ink::kGold3);
  }
  // the goddess rising from the water
  PixelCanvas goddess = PixelCanvas::Layer(50, 70);
  goddess.Ellipse(25, 12, 13, 13, Ink::kGold3);  // halo
  goddess.Ellipse(25, 12, 11, 11, Ink::kGold4);
  goddess.Ellipse(25, 12, 9, 9, Ink::kGold3);
  goddess.Polygon({QPoint(16, 14), QPoint(34, 14), QPoint(38, 46), QPoint(12, 46)}, Ink::kGold3);   // hair
  goddess.Polygon({QPoint(18, 24), QPoint(32, 24), QPoint(40, 66), QPoint(10, 66)}, Ink::kStone5);  // robe
  goddess.Polygon({QPoint(25, 24), QPoint(32, 24), QPoint(40, 66), QPoint(27, 66)}, Ink::kStone4);
  goddess.Polygon({QPoint(18, 26), QPoint(4, 16), QPoint(2, 18), QPoint(16, 32)},
                  Ink::kSkin2);  // arms raised
  goddess.Polygon({QPoint(32, 26), QPoint(46, 16), QPoint(48, 18), QPoint(34, 32)}, Ink::kSkin1);
  goddess.Ellipse(25, 15, 6, 7, Ink::kSkin2);
  goddess.Rect(19, 8, 12, 4, Ink::kGold3);
  goddess.Pixel(22, 16, Ink::kSky0);
  goddess.Pixel(28, 16, Ink::kSky0);
  goddess.Pixel(25, 19, Ink::kPink1);
  goddess.Rect(18, 30, 14, 2, Ink::kGold2);
  goddess.Outline(Ink::kAqua1);
  canvas.Stamp(goddess, 43, 10);
  canvas.Ellipse(68, 78, 22, 3, Ink::kAqua3);
  canvas.Ellipse(68, 78, 16, 2, Ink::kWhite);
  for (auto [x, y] : {std::pair{30, 24}, std::pair{108, 30}, std::pair{22, 56}, std::pair{114, 60}})
    canvas.Sparkle(x, y, 2, Ink::kAqua3, Ink::kWhite);
}

void PaintDemonSpring(PixelCanvas& canvas) {
  canvas.VerticalRamp(0, 99, {Ink::kBlack, Ink::kViolet0, Ink::kViolet1, Ink::kViolet0});
  // cave walls
  canvas.Polygon(
      {QPoint(0, 0), QPoint(30, 0), QPoint(22, 30), QPoint(28, 60), QPoint(14, 100), QPoint(0, 100)},
      Ink::kStone0);
  canvas.Polygon(
      {QPoint(137, 0), QPoint(104, 0), QPoint(114, 34), QPoint(106, 64), QPoint(122, 100), QPoint(137, 100)},
      Ink::kStone0);
  canvas.Line(22, 30, 28, 60, Ink::kStone1);
  canvas.Line(114, 34, 106, 64, Ink::kStone1);
  // green flames on either side
  for (int fx : {18, 118}) {
    canvas.Rect(fx - 1, 70, 3, 20, Ink::kStone1);
    canvas.Polygon({QPoint(fx - 4, 70), QPoint(fx, 56), QPoint(fx + 4, 70)}, Ink::kLeaf3);
    canvas.Polygon({QPoint(fx - 2, 70), QPoint(fx, 62), QPoint(fx + 2, 70)}, Ink::kLeaf4);
  }
  // the violet pool
  canvas.Ellipse(68, 86, 50, 12, Ink::kStone1);
  canvas.Ellipse(68, 86, 46, 10, Ink::kViolet2);
  canvas.Ellipse(66, 85, 40, 7, Ink::kViolet3);
  // the demon of the spring, grinning, arms folded, rising out of a plume of smoke
  PixelCanvas demon = PixelCanvas::Layer(70, 84);
  demon.Polygon({QPoint(26, 54), QPoint(46, 54), QPoint(42, 66), QPoint(36, 74), QPoint(38, 82),
                 QPoint(30, 82), QPoint(30, 72), QPoint(28, 64)},
                Ink::kViolet2);
  demon.Ellipse(34, 80, 12, 3, Ink::kViolet3);
  demon.Polygon({QPoint(8, 28), QPoint(62, 28), QPoint(48, 58), QPoint(22, 58)}, Ink::kViolet2);  // torso
  demon.Polygon({QPoint(44, 28), QPoint(62, 28), QPoint(48, 58), QPoint(38, 58)}, Ink::kViolet1);
  demon.Ellipse(12, 31, 7, 6, Ink::kViolet3);  // shoulders
  demon.Ellipse(58, 31, 7, 6, Ink::kViolet2);
  demon.Rect(22, 52, 26, 4, Ink::kGold2);  // sash
  demon.Rect(22, 52, 26, 1, Ink::kGold3);
  demon.Rect(10, 38, 50, 9, Ink::kViolet3);  // folded arms
  demon.Rect(10, 45, 50, 2, Ink::kViolet1);
  demon.Line(34, 38, 34, 46, Ink::kViolet1);
  demon.Rect(8, 37, 5, 10, Ink::kGold3);  // bracelets
  demon.Rect(57, 37, 5, 10, Ink::kGold2);
  demon.ShadedEllipse(35, 18, 10, 11, Ink::kViolet1, Ink::kViolet2, Ink::kViolet3);  // head
  demon.Polygon({QPoint(27, 12), QPoint(16, 8), QPoint(12, 0), QPoint(22, 4), QPoint(30, 8)}, Ink::kGold3);
  demon.Polygon({QPoint(43, 12), QPoint(54, 8), QPoint(58, 0), QPoint(48, 4), QPoint(40, 8)}, Ink::kGold2);
  demon.Rect(28, 15, 5, 3, Ink::kGold4);  // eyes
  demon.Rect(38, 15, 5, 3, Ink::kGold4);
  demon.Pixel(31, 16, Ink::kOutline);
  demon.Pixel(40, 16, Ink::kOutline);
  demon.Line(26, 13, 32, 14, Ink::kOutline);
  demon.Line(44, 13, 38, 14, Ink::kOutline);
  demon.Rect(29, 22, 13, 3, Ink::kOutline);  // grin
  for (int x = 30; x < 41; x += 2) demon.Pixel(x, 22, Ink::kWhite);
  demon.Pixel(24, 20, Ink::kGold3);  // earrings
  demon.Pixel(46, 20, Ink::kGold3);
  demon.Outline(Ink::kOutline);
  canvas.Stamp(demon, 33, 6);
  for (auto [x, y] : {std::pair{34, 40}, std::pair{100, 24}, std::pair{96, 70}, std::pair{40, 74}})
    canvas.Sparkle(x, y, 1, Ink::kLeaf4, Ink::kWhite);
}

void PaintDreamCastle(PixelCanvas& canvas) {
  canvas.VerticalRamp(0, 99, {Ink::kViolet3, Ink::kViolet4, Ink::kPink2, Ink::kGold4});
  canvas.Stars(31, 16, 0, 0, canvas.width(), 30);
  // a rainbow over the castle
  const Ink bands[] = {Ink::kRed3, Ink::kOrange, Ink::kGold3, Ink::kLeaf4, Ink::kAqua2, Ink::kViolet3};
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const double d = std::hypot(x - 68.0, (y - 80.0) * 1.1);
      const int band = static_cast<int>(60.0 - d);
      if (band >= 0 && band < 6) canvas.Pixel(x, y, bands[band]);
    }
  Cloud(canvas, 6, 30, 30, Ink::kWhite, Ink::kPink2);
  Cloud(canvas, 104, 22, 26, Ink::kWhite, Ink::kPink2);
  // the cloud island that carries the castle
  canvas.Ellipse(68, 82, 46, 10, Ink::kPink1);
  canvas.Ellipse(68, 79, 44, 9, Ink::kWhite);
  for (int i = 0; i < 6; ++i) canvas.Ellipse(30 + i * 15, 78 - (i % 2) * 2, 9, 6, Ink::kWhite);
  Castle(canvas, 68, 76, Ink::kStone5, Ink::kViolet4, Ink::kPink1, Ink::kPink0, Ink::kGold3);
  canvas.Ellipse(68, 84, 42, 4, Ink::kPink2);
  // gold raining down
  SeededRandom random(17);
  for (int i = 0; i < 12; ++i) {
    const int x = 4 + random.Below(128), y = 40 + random.Below(56);
    if (std::abs(x - 68) < 30 && y < 80) continue;
    DrawCoin(canvas, x, y);
  }
  canvas.Sparkle(38, 44, 2, Ink::kGold3, Ink::kWhite);
  canvas.Sparkle(100, 50, 2, Ink::kGold3, Ink::kWhite);
}

void PaintTimeCastle(PixelCanvas& canvas) {
  canvas.VerticalRamp(0, 99, {Ink::kNight0, Ink::kNight1, Ink::kAqua0, Ink::kNight2});
  // a giant clock face in the sky
  const int cx = 68, cy = 38, r = 30;
  canvas.Ellipse(cx, cy, r + 2, r + 2, Ink::kGold1);
  canvas.Ellipse(cx, cy, r, r, Ink::kGold3);
  canvas.Ellipse(cx, cy, r - 3, r - 3, Ink::kSand);
  canvas.Ellipse(cx - 4, cy - 4, r - 10, r - 10, Ink::kGold4);
  for (int hour = 0; hour < 12; ++hour) {
    const double a = hour / 12.0 * 2.0 * std::numbers::pi;
    const int tx = cx + static_cast<int>(std::lround(std::sin(a) * (r - 6)));
    const int ty = cy - static_cast<int>(std::lround(std::cos(a) * (r - 6)));
    canvas.Rect(tx - (hour % 3 == 0), ty - (hour % 3 == 0), 1 + 2 * (hour % 3 == 0), 1 + 2 * (hour % 3 == 0),
                Ink::kOutline);
  }
  // hands turning back
  canvas.Line(cx, cy, cx - 12, cy - 14, Ink::kOutline);
  canvas.Line(cx + 1, cy, cx - 11, cy - 14, Ink::kOutline);
  canvas.Line(cx, cy, cx + 18, cy + 6, Ink::kRed1);
  canvas.Ellipse(cx, cy, 2, 2, Ink::kRed1);
  // the spiral of time around it
  for (int i = 0; i < 260; ++i) {
    const double t = i / 260.0;
    const double a = t * 4.0 * std::numbers::pi;
    const double rr = r + 4 + t * 30;
    canvas.Pixel(cx + static_cast<int>(std::cos(a) * rr), cy + static_cast<int>(std::sin(a) * rr * 0.7),
                 i % 3 ? Ink::kAqua2 : Ink::kAqua3);
  }
  // the tall castle of time in front
  canvas.Rect(48, 62, 40, 38, Ink::kNight1);
  canvas.Rect(76, 62, 12, 38, Ink::kNight0);
  for (int bx = 48; bx < 88; bx += 5) canvas.Rect(bx, 59, 3, 3, bx > 74 ? Ink::kNight0 : Ink::kNight1);
  canvas.Rect(30, 74, 16, 26, Ink::kNight1);
  canvas.Polygon({QPoint(28, 75), QPoint(38, 58), QPoint(48, 75)}, Ink::kAqua0);
  canvas.Rect(90, 74, 16, 26, Ink::kNight0);
  canvas.Polygon({QPoint(88, 75), QPoint(98, 58), QPoint(108, 75)}, Ink::kAqua0);
  for (auto [wx, wy] : {std::pair{56, 70}, std::pair{66, 70}, std::pair{56, 82}, std::pair{36, 82},
                        std::pair{96, 82}, std::pair{78, 76}})
    canvas.Rect(wx, wy, 2, 4, Ink::kGold3);
  canvas.Rect(62, 90, 8, 10, Ink::kOutline);
  // an hourglass at the gate
  canvas.Rect(112, 78, 12, 2, Ink::kEarth3);
  canvas.Rect(112, 96, 12, 2, Ink::kEarth3);
  canvas.Polygon({QPoint(113, 80), QPoint(123, 80), QPoint(118, 88)}, Ink::kAqua3);
  canvas.Polygon({QPoint(113, 96), QPoint(123, 96), QPoint(118, 88)}, Ink::kAqua3);
  canvas.Polygon({QPoint(115, 96), QPoint(121, 96), QPoint(118, 91)}, Ink::kGold3);
  canvas.Rect(116, 81, 5, 2, Ink::kGold3);
  canvas.Pixel(118, 89, Ink::kGold3);
  canvas.Stars(43, 20, 0, 0, canvas.width(), 60);
}

}  // namespace zeru::content
