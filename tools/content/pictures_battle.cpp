// Danger: the common enemy, the boss, the rare enemy, the two traps and death.
#include <cmath>
#include <numbers>

#include "pictures.h"
#include "scene_kit.h"
#include "seeded_random.h"
#include "sprites.h"

namespace zeru::content {
namespace {

// Angry eyes: white with a pupil, under a brow slanting toward the nose.
void AngryEye(PixelCanvas& layer, int x, int y, int size, bool left, Ink pupil) {
  layer.Ellipse(x, y, size, size - 1, Ink::kWhite);
  layer.Ellipse(x + (left ? 1 : -1), y + 1, size / 2, size / 2, pupil);
  for (int i = -size - 1; i <= size + 1; ++i) {
    const int slope = left ? i : -i;
    layer.Pixel(x + i, y - size - 1 + slope / 2, Ink::kOutline);
    layer.Pixel(x + i, y - size + slope / 2, Ink::kOutline);
  }
}

}  // namespace

void PaintEnemy(PixelCanvas& canvas) {
  canvas.VerticalRamp(0, 60, {Ink::kSky1, Ink::kSky2, Ink::kSky3});
  Cloud(canvas, 8, 12, 28, Ink::kWhite, Ink::kSky3);
  Cloud(canvas, 96, 18, 24, Ink::kWhite, Ink::kSky3);
  Mountain(canvas, 20, 34, 30, 60, Ink::kSky1, Ink::kSky0, Ink::kSky3);
  Mountain(canvas, 120, 30, 34, 60, Ink::kSky1, Ink::kSky0, Ink::kSky3);
  Hills(canvas, 60, 2, 0.05, 0.0, Ink::kLeaf2, Ink::kLeaf3);
  canvas.VerticalRamp(62, 99, {Ink::kLeaf2, Ink::kLeaf3});
  GrassTufts(canvas, 9, 50, 64, 100, Ink::kLeaf1, Ink::kLeaf2);
  canvas.Ellipse(68, 92, 28, 4, Ink::kLeaf1);  // its shadow

  // a horned green brute with a spiked club
  PixelCanvas enemy = PixelCanvas::Layer(90, 84);
  enemy.Polygon({QPoint(66, 52), QPoint(82, 8), QPoint(88, 12), QPoint(72, 56)}, Ink::kEarth2);  // club
  enemy.Polygon({QPoint(78, 4), QPoint(90, 8), QPoint(86, 26), QPoint(74, 22)}, Ink::kEarth3);
  for (auto [sx, sy] : {std::pair{77, 8}, std::pair{88, 14}, std::pair{76, 18}, std::pair{86, 22}})
    enemy.Rect(sx, sy, 2, 2, Ink::kStone4);
  enemy.Ellipse(34, 78, 8, 5, Ink::kLeaf1);  // feet
  enemy.Ellipse(56, 78, 8, 5, Ink::kLeaf1);
  enemy.ShadedEllipse(45, 50, 28, 26, Ink::kLeaf1, Ink::kLeaf2, Ink::kLeaf3);  // body
  enemy.Ellipse(45, 60, 14, 12, Ink::kLeaf4);                                  // belly
  enemy.Ellipse(47, 62, 12, 10, Ink::kLeaf3);
  enemy.Polygon({QPoint(28, 30), QPoint(22, 6), QPoint(34, 26)}, Ink::kStone5);  // horns
  enemy.Polygon({QPoint(62, 30), QPoint(68, 6), QPoint(56, 26)}, Ink::kStone4);
  AngryEye(enemy, 36, 40, 5, true, Ink::kRed2);
  AngryEye(enemy, 54, 40, 5, false, Ink::kRed2);
  enemy.Rect(32, 52, 26, 7, Ink::kOutline);  // mouth
  enemy.Rect(33, 53, 24, 5, Ink::kRed1);
  for (int x = 34; x < 57; x += 4) {
    enemy.Polygon({QPoint(x, 52), QPoint(x + 3, 52), QPoint(x + 1, 56)}, Ink::kWhite);
  }
  enemy.Polygon({QPoint(36, 59), QPoint(39, 59), QPoint(37, 55)}, Ink::kWhite);
  enemy.Polygon({QPoint(51, 59), QPoint(54, 59), QPoint(52, 55)}, Ink::kWhite);
  enemy.ShadedEllipse(70, 52, 6, 6, Ink::kLeaf1, Ink::kLeaf2, Ink::kLeaf3);  // fist on the club
  enemy.ShadedEllipse(17, 56, 6, 6, Ink::kLeaf1, Ink::kLeaf2, Ink::kLeaf3);
  enemy.Outline(Ink::kOutline);
  canvas.Stamp(enemy, 24, 10);
  // the shout of an ambush
  Exclamation(canvas, 10, 40, Ink::kRed3);
  Exclamation(canvas, 122, 36, Ink::kRed3);
}

void PaintBoss(PixelCanvas& canvas) {
  const int w = canvas.width();
  // a sky on fire
  canvas.VerticalRamp(0, 99, {Ink::kBlack, Ink::kRed0, Ink::kRed1, Ink::kRed2, Ink::kOrange});
  SeededRandom random(13);
  for (int i = 0; i < 40; ++i) canvas.Pixel(random.Below(w), 40 + random.Below(60), Ink::kGold3);
  // wings spread behind
  canvas.Polygon({QPoint(60, 50), QPoint(0, 6), QPoint(8, 30), QPoint(0, 40), QPoint(14, 56), QPoint(4, 72),
                  QPoint(40, 76)},
                 Ink::kRed0);
  canvas.Polygon({QPoint(78, 50), QPoint(137, 6), QPoint(129, 30), QPoint(137, 40), QPoint(123, 56),
                  QPoint(133, 72), QPoint(96, 76)},
                 Ink::kRed0);
  canvas.Line(60, 50, 0, 6, Ink::kRed1);
  canvas.Line(78, 50, 136, 6, Ink::kRed1);

  PixelCanvas boss = PixelCanvas::Layer(120, 100);
  // horns curling up and out
  boss.Polygon({QPoint(36, 26), QPoint(8, 18), QPoint(2, 0), QPoint(16, 10), QPoint(44, 18)}, Ink::kStone5);
  boss.Polygon({QPoint(84, 26), QPoint(112, 18), QPoint(118, 0), QPoint(104, 10), QPoint(76, 18)},
               Ink::kStone4);
  boss.Polygon({QPoint(20, 14), QPoint(6, 8), QPoint(2, 0), QPoint(16, 10)}, Ink::kStone3);
  // the head and jaw
  boss.ShadedEllipse(60, 40, 36, 28, Ink::kRed0, Ink::kRed1, Ink::kRed2);
  boss.Polygon({QPoint(26, 52), QPoint(94, 52), QPoint(84, 90), QPoint(36, 90)}, Ink::kRed1);
  boss.Polygon({QPoint(66, 52), QPoint(94, 52), QPoint(84, 90), QPoint(66, 90)}, Ink::kRed0);
  // brow ridges and burning eyes
  boss.Polygon({QPoint(24, 26), QPoint(56, 38), QPoint(54, 42), QPoint(26, 32)}, Ink::kOutline);
  boss.Polygon({QPoint(96, 26), QPoint(64, 38), QPoint(66, 42), QPoint(94, 32)}, Ink::kOutline);
  boss.Polygon({QPoint(32, 34), QPoint(52, 42), QPoint(32, 44)}, Ink::kGold3);
  boss.Polygon({QPoint(88, 34), QPoint(68, 42), QPoint(88, 44)}, Ink::kGold3);
  boss.Rect(38, 38, 3, 5, Ink::kOutline);
  boss.Rect(80, 38, 3, 5, Ink::kOutline);
  boss.Pixel(34, 36, Ink::kWhite);
  boss.Pixel(86, 36, Ink::kWhite);
  // nostrils breathing smoke
  boss.Rect(52, 52, 4, 2, Ink::kOutline);
  boss.Rect(64, 52, 4, 2, Ink::kOutline);
  // the maw full of fangs, fire inside
  boss.Polygon({QPoint(32, 60), QPoint(88, 60), QPoint(80, 84), QPoint(40, 84)}, Ink::kOutline);
  boss.Polygon({QPoint(40, 66), QPoint(80, 66), QPoint(74, 82), QPoint(46, 82)}, Ink::kOrange);
  boss.Polygon({QPoint(48, 72), QPoint(72, 72), QPoint(68, 82), QPoint(52, 82)}, Ink::kGold3);
  for (int x = 34; x < 86; x += 7) {
    boss.Polygon({QPoint(x, 60), QPoint(x + 6, 60), QPoint(x + 3, 70)}, Ink::kStone5);
    boss.Polygon({QPoint(x + 2, 84), QPoint(x + 7, 84), QPoint(x + 4, 76)}, Ink::kStone4);
  }
  // scales on the brow
  for (int i = 0; i < 5; ++i)
    boss.Polygon({QPoint(48 + i * 6, 16), QPoint(51 + i * 6, 10), QPoint(54 + i * 6, 16)}, Ink::kRed2);
  boss.Outline(Ink::kOutline);
  canvas.Stamp(boss, 8, 0);
  for (auto [x, y] : {std::pair{50, 58}, std::pair{86, 56}}) {
    canvas.Pixel(x, y, Ink::kStone3);
    canvas.Pixel(x - 1, y - 2, Ink::kStone2);
    canvas.Pixel(x + 1, y - 4, Ink::kStone2);
  }
}

void PaintExtraEnemy(PixelCanvas& canvas) {
  canvas.VerticalRamp(0, 99, {Ink::kNight0, Ink::kViolet0, Ink::kViolet1, Ink::kNight2});
  canvas.Stars(19, 60, 0, 0, canvas.width(), 100);
  // a rainbow halo
  const Ink rings[] = {Ink::kViolet3, Ink::kAqua2, Ink::kLeaf4, Ink::kGold3, Ink::kOrange, Ink::kPink1};
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const double d = std::hypot(x - 68.0, y - 46.0);
      const int ring = static_cast<int>(44.0 - d);
      if (ring >= 0 && ring < 6 && DitherOn(x, y, 12)) canvas.Pixel(x, y, rings[ring]);
    }
  PixelCanvas rare = PixelCanvas::Layer(100, 90);
  // crystal wings
  rare.Polygon({QPoint(40, 40), QPoint(2, 14), QPoint(10, 34), QPoint(0, 46), QPoint(16, 52), QPoint(34, 54)},
               Ink::kAqua2);
  rare.Polygon({QPoint(40, 40), QPoint(10, 34), QPoint(16, 52), QPoint(34, 54)}, Ink::kAqua1);
  rare.Polygon(
      {QPoint(60, 40), QPoint(98, 14), QPoint(90, 34), QPoint(100, 46), QPoint(84, 52), QPoint(66, 54)},
      Ink::kAqua2);
  rare.Polygon({QPoint(60, 40), QPoint(90, 34), QPoint(84, 52), QPoint(66, 54)}, Ink::kAqua1);
  rare.Line(40, 40, 6, 18, Ink::kAqua3);
  rare.Line(60, 40, 94, 18, Ink::kAqua3);
  // the golden body and its crown
  rare.ShadedEllipse(50, 50, 24, 22, Ink::kGold1, Ink::kGold2, Ink::kGold4);
  rare.Ellipse(42, 42, 5, 4, Ink::kWhite);
  rare.Polygon({QPoint(38, 30), QPoint(38, 18), QPoint(44, 24), QPoint(50, 14), QPoint(56, 24),
                QPoint(62, 18), QPoint(62, 30)},
               Ink::kGold3);
  rare.Rect(38, 28, 25, 3, Ink::kGold1);
  for (int gx : {42, 49, 56}) rare.Rect(gx, 28, 2, 2, Ink::kRed3);
  rare.Rect(49, 20, 2, 2, Ink::kAqua3);
  // a sly face
  rare.Ellipse(43, 50, 4, 5, Ink::kOutline);
  rare.Ellipse(57, 50, 4, 5, Ink::kOutline);
  rare.Pixel(42, 48, Ink::kWhite);
  rare.Pixel(56, 48, Ink::kWhite);
  rare.Rect(42, 48, 2, 2, Ink::kWhite);
  rare.Rect(56, 48, 2, 2, Ink::kWhite);
  rare.Line(44, 60, 50, 63, Ink::kOutline);
  rare.Line(50, 63, 56, 60, Ink::kOutline);
  rare.Rect(36, 56, 3, 2, Ink::kPink1);
  rare.Rect(61, 56, 3, 2, Ink::kPink1);
  // a tail tipped with a gem
  rare.Line(70, 62, 84, 76, Ink::kGold2);
  rare.Line(71, 62, 85, 76, Ink::kGold1);
  rare.Outline(Ink::kOutline);
  canvas.Stamp(rare, 18, 4);
  DrawGem(canvas, 101, 78, Ink::kPink2, Ink::kPink1, Ink::kPink0);
  for (auto [x, y, arm] : {std::tuple{18, 18, 3}, std::tuple{118, 14, 2}, std::tuple{24, 78, 2},
                           std::tuple{112, 62, 3}, std::tuple{64, 6, 2}, std::tuple{88, 90, 2}})
    canvas.Sparkle(x, y, arm, Ink::kGold3, Ink::kWhite);
}

void PaintTrap(PixelCanvas& canvas) {
  // a forest path
  canvas.VerticalRamp(0, 40, {Ink::kLeaf0, Ink::kLeaf1});
  for (int i = 0; i < 9; ++i)
    RoundTree(canvas, 6 + i * 16, 42 + (i % 2) * 3, 40, Ink::kLeaf0, Ink::kLeaf1, Ink::kLeaf2);
  canvas.VerticalRamp(42, 99, {Ink::kEarth1, Ink::kEarth2, Ink::kEarth3});
  GrassTufts(canvas, 15, 30, 44, 100, Ink::kLeaf1, Ink::kLeaf2);
  // scattered leaves half hide the trap
  SeededRandom random(23);
  for (int i = 0; i < 40; ++i) {
    const int x = random.Below(canvas.width()), y = 50 + random.Below(50);
    canvas.Rect(x, y, 2, 1, i % 3 ? Ink::kOrange : Ink::kGold2);
  }
  // a sprung-open jaw trap: base plate, two jaws of teeth, and its chain
  const int cx = 68, cy = 74;
  canvas.Ellipse(cx, cy + 4, 34, 9, Ink::kEarth0);
  canvas.Ellipse(cx, cy, 30, 8, Ink::kStone1);
  canvas.Ellipse(cx, cy, 26, 6, Ink::kStone2);
  canvas.Ellipse(cx, cy, 6, 2, Ink::kStone4);
  canvas.Rect(cx - 2, cy - 1, 4, 2, Ink::kStone5);
  for (int side : {-1, 1}) {
    for (int i = -24; i <= 24; ++i) {
      const int y = cy +
                    side * static_cast<int>(std::lround(std::sqrt(std::max(0.0, 1.0 - i * i / 600.0)) * 9)) -
                    (side > 0 ? 0 : 4);
      canvas.Pixel(cx + i, y, Ink::kStone4);
      canvas.Pixel(cx + i, y + 1, Ink::kStone2);
      if ((i + 24) % 5 == 0) {
        canvas.Polygon({QPoint(cx + i - 2, y), QPoint(cx + i + 2, y), QPoint(cx + i, y - 6)}, Ink::kStone5);
        canvas.Pixel(cx + i, y - 5, Ink::kWhite);
      }
    }
  }
  // the chain and the stake
  for (int i = 0; i < 6; ++i) canvas.Ellipse(cx + 32 + i * 4, cy + 2 - i, 2, 1, Ink::kStone3);
  canvas.Rect(cx + 56, cy - 12, 3, 14, Ink::kEarth1);
  Exclamation(canvas, 12, 52, Ink::kGold3);
}

void PaintSevereTrap(PixelCanvas& canvas) {
  // a dungeon hall lit red from the pit
  canvas.Fill(Ink::kStone0);
  BrickWall(canvas, 64, 6, Ink::kStone1, Ink::kStone2);
  canvas.VerticalRamp(64, 99, {Ink::kRed0, Ink::kRed1, Ink::kRed2, Ink::kOrange});
  // the pit of spikes
  for (int i = 0; i < 15; ++i) {
    const int x = 2 + i * 9 + (i % 2) * 2;
    const int top = 58 + (i * 7) % 12;
    canvas.Polygon({QPoint(x - 4, 100), QPoint(x, top), QPoint(x + 5, 100)}, Ink::kStone3);
    canvas.Polygon({QPoint(x, top), QPoint(x + 5, 100), QPoint(x + 1, 100)}, Ink::kStone2);
    canvas.Rect(x, top, 1, 5, Ink::kRed3);
    canvas.Pixel(x, top + 5, Ink::kRed2);
  }
  DrawSkull(canvas, 24, 88);
  DrawSkull(canvas, 96, 90);
  // a great crescent blade swinging from the ceiling
  const int px = 70, bx = 52, by = 44;
  canvas.Line(px, 0, bx, by - 8, Ink::kStone3);
  canvas.Line(px + 1, 0, bx + 1, by - 8, Ink::kStone1);
  PixelCanvas blade = PixelCanvas::Layer(60, 26);
  for (int y = 0; y < 26; ++y)
    for (int x = 0; x < 60; ++x) {
      const double outer = std::hypot((x - 30) / 28.0, (y - 2) / 22.0);
      const double inner = std::hypot((x - 30) / 24.0, (y + 6) / 20.0);
      if (outer <= 1.0 && inner > 1.0 && y >= 2) blade.Pixel(x, y, outer > 0.9 ? Ink::kStone5 : Ink::kStone3);
    }
  blade.Rect(27, 0, 6, 8, Ink::kStone2);
  blade.Rect(27, 0, 2, 8, Ink::kStone3);
  blade.Rect(38, 18, 4, 2, Ink::kRed2);
  blade.Pixel(40, 20, Ink::kRed2);
  blade.Outline(Ink::kOutline);
  canvas.Stamp(blade, bx - 30, by - 9);
  // streaks of the swing
  for (int i = 0; i < 3; ++i) {
    const int r = 30 + i * 4;
    for (int a = 0; a < 14; ++a) {
      const double t = 0.15 + a * 0.025;
      canvas.Pixel(bx + 30 + static_cast<int>(std::sin(t) * r),
                   by + 12 - static_cast<int>(std::cos(t) * r * 0.4) + i, Ink::kStone3);
    }
  }
  Exclamation(canvas, 8, 8, Ink::kRed3);
  Exclamation(canvas, 16, 8, Ink::kRed3);
}

void PaintDeath(PixelCanvas& canvas) {
  canvas.VerticalRamp(0, 70, {Ink::kNight0, Ink::kStone0, Ink::kRed0, Ink::kRed1});
  // a blood-red moon
  canvas.Ellipse(104, 22, 12, 12, Ink::kRed2);
  canvas.Ellipse(102, 20, 10, 10, Ink::kRed3);
  canvas.Ellipse(106, 24, 3, 2, Ink::kRed2);
  Hills(canvas, 70, 4, 0.04, 1.2, Ink::kStone0, Ink::kStone1);
  canvas.VerticalRamp(76, 99, {Ink::kStone0, Ink::kBlack});
  // a withered tree
  canvas.Polygon({QPoint(14, 76), QPoint(20, 76), QPoint(18, 30), QPoint(16, 30)}, Ink::kBlack);
  canvas.Line(17, 44, 4, 30, Ink::kBlack);
  canvas.Line(17, 40, 30, 24, Ink::kBlack);
  canvas.Line(24, 32, 30, 34, Ink::kBlack);
  canvas.Line(10, 36, 8, 26, Ink::kBlack);
  canvas.Line(17, 34, 14, 20, Ink::kBlack);
  // the grave
  PixelCanvas stone = PixelCanvas::Layer(40, 50);
  stone.Rect(4, 16, 32, 32, Ink::kStone3);
  stone.Ellipse(20, 16, 16, 14, Ink::kStone3);
  stone.Rect(28, 10, 8, 38, Ink::kStone2);
  stone.Rect(4, 16, 2, 30, Ink::kStone4);
  stone.Rect(18, 10, 4, 20, Ink::kStone1);  // carved cross
  stone.Rect(12, 16, 16, 4, Ink::kStone1);
  stone.Rect(18, 10, 1, 20, Ink::kStone0);
  stone.Rect(0, 46, 40, 4, Ink::kStone1);
  stone.Outline(Ink::kOutline);
  canvas.Stamp(stone, 52, 42);
  // the hero's sword left in the ground
  canvas.Rect(102, 68, 3, 24, Ink::kStone4);
  canvas.Rect(102, 68, 1, 24, Ink::kStone5);
  canvas.Rect(97, 64, 13, 3, Ink::kGold1);
  canvas.Rect(102, 56, 3, 8, Ink::kEarth1);
  canvas.Rect(101, 54, 5, 3, Ink::kGold1);
  canvas.Rect(92, 90, 22, 3, Ink::kStone1);
  // a wreath of the hero's red scarf on the blade
  canvas.Rect(100, 72, 7, 3, Ink::kRed2);
  canvas.Rect(104, 75, 3, 6, Ink::kRed1);
  // crows
  // crows circling against the red of the sky
  for (auto [x, y] : {std::pair{36, 46}, std::pair{50, 38}, std::pair{70, 44}}) {
    canvas.Line(x - 5, y - 3, x - 1, y, Ink::kBlack);
    canvas.Line(x + 1, y, x + 5, y - 3, Ink::kBlack);
    canvas.Line(x - 4, y - 3, x - 1, y - 1, Ink::kBlack);
    canvas.Line(x + 1, y - 1, x + 4, y - 3, Ink::kBlack);
    canvas.Rect(x - 1, y - 1, 3, 2, Ink::kBlack);
  }
}

}  // namespace zeru::content
