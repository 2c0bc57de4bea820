// The hero's own moments: training, shopping, a new companion, a level-up
// and the two chests.
#include <cmath>
#include <numbers>

#include "pictures.h"
#include "scene_kit.h"
#include "seeded_random.h"
#include "sprites.h"

namespace zeru::content {

void PaintTraining(PixelCanvas& canvas) {
  const int w = canvas.width();
  canvas.VerticalRamp(0, 56, {Ink::kSky1, Ink::kSky2, Ink::kSky3});
  Cloud(canvas, 90, 10, 30, Ink::kWhite, Ink::kSky3);
  Mountain(canvas, 34, 20, 40, 56, Ink::kSky1, Ink::kSky0, Ink::kWhite);
  // a wooden fence around the training yard
  canvas.Rect(0, 50, w, 2, Ink::kEarth3);
  canvas.Rect(0, 58, w, 2, Ink::kEarth3);
  for (int x = 2; x < w; x += 10) {
    canvas.Rect(x, 46, 3, 20, Ink::kEarth2);
    canvas.Pixel(x, 46, Ink::kEarth4);
  }
  canvas.VerticalRamp(64, 99, {Ink::kSand, Ink::kEarth4});
  canvas.Ellipse(86, 96, 14, 3, Ink::kEarth3);
  canvas.Ellipse(44, 96, 10, 2, Ink::kEarth3);
  // the straw dummy on its post
  PixelCanvas dummy = PixelCanvas::Layer(40, 60);
  dummy.Rect(18, 10, 4, 50, Ink::kEarth2);
  dummy.Rect(18, 10, 1, 50, Ink::kEarth3);
  dummy.Rect(4, 22, 32, 4, Ink::kEarth2);
  dummy.Rect(4, 22, 32, 1, Ink::kEarth3);
  dummy.ShadedEllipse(20, 10, 8, 8, Ink::kGold1, Ink::kGold2, Ink::kGold3);    // straw head
  dummy.ShadedEllipse(20, 32, 10, 12, Ink::kGold1, Ink::kGold2, Ink::kGold3);  // straw body
  dummy.Rect(10, 27, 21, 2, Ink::kEarth1);
  dummy.Rect(10, 37, 21, 2, Ink::kEarth1);
  dummy.Ellipse(20, 32, 4, 4, Ink::kRed2);  // target
  dummy.Ellipse(20, 32, 2, 2, Ink::kWhite);
  dummy.Pixel(20, 32, Ink::kRed2);
  dummy.Rect(16, 8, 2, 2, Ink::kOutline);
  dummy.Rect(22, 8, 2, 2, Ink::kOutline);
  dummy.Outline(Ink::kOutline);
  canvas.Stamp(dummy, 76, 36);
  // the hero, sword up, mid-swing
  DrawHeroSwordUp(canvas, 48, 62);
  for (int i = 0; i < 3; ++i) canvas.Line(64 + i * 3, 58 + i, 76 + i * 2, 64 + i * 3, Ink::kWhite);
  // sweat drops and a burst of effort
  canvas.Rect(46, 68, 1, 2, Ink::kAqua2);
  canvas.Rect(44, 72, 1, 2, Ink::kAqua2);
  canvas.Sparkle(96, 66, 3, Ink::kGold4, Ink::kWhite);
  // a rack of wooden practice swords
  canvas.Rect(10, 66, 24, 2, Ink::kEarth2);
  canvas.Rect(10, 84, 24, 2, Ink::kEarth2);
  canvas.Rect(10, 66, 2, 26, Ink::kEarth1);
  canvas.Rect(32, 66, 2, 26, Ink::kEarth1);
  for (int i = 0; i < 4; ++i) {
    canvas.Rect(14 + i * 5, 58 + (i % 2) * 2, 2, 30, Ink::kEarth4);
    canvas.Rect(15 + i * 5, 58 + (i % 2) * 2, 1, 30, Ink::kEarth3);
    canvas.Rect(13 + i * 5, 76, 4, 1, Ink::kEarth1);
  }
}

void PaintStore(PixelCanvas& canvas) {
  const int w = canvas.width();
  // a plank wall with shelves of wares
  canvas.Fill(Ink::kEarth2);
  for (int x = 0; x < w; x += 9) {
    canvas.Rect(x, 0, 1, 100, Ink::kEarth1);
    canvas.Rect(x + 1, 0, 1, 100, Ink::kEarth3);
  }
  for (int shelf : {22, 44}) {
    canvas.Rect(0, shelf, w, 3, Ink::kEarth3);
    canvas.Rect(0, shelf + 3, w, 1, Ink::kEarth0);
  }
  const Ink potions[][3] = {{Ink::kRed1, Ink::kRed2, Ink::kRed3},
                            {Ink::kSky0, Ink::kSky1, Ink::kSky2},
                            {Ink::kLeaf2, Ink::kLeaf3, Ink::kLeaf4},
                            {Ink::kViolet2, Ink::kViolet3, Ink::kViolet4}};
  for (int i = 0; i < 12; ++i) {
    const int x = 4 + i * 11;
    const int base = i % 2 ? 44 : 22;
    const auto& p = potions[i % 4];
    canvas.Ellipse(x + 3, base - 5, 4, 4, p[1]);
    canvas.Rect(x + 2, base - 12, 3, 4, Ink::kStone4);
    canvas.Rect(x + 2, base - 13, 3, 1, Ink::kEarth1);
    canvas.Pixel(x + 1, base - 7, p[2]);
    canvas.Pixel(x + 1, base - 6, Ink::kWhite);
    canvas.Rect(x + 5, base - 4, 2, 2, p[0]);
  }
  // the shopkeeper behind the counter
  PixelCanvas keeper = PixelCanvas::Layer(50, 50);
  keeper.ShadedEllipse(25, 42, 20, 14, Ink::kLeaf1, Ink::kLeaf2, Ink::kLeaf3);  // apron body
  keeper.Rect(21, 30, 9, 18, Ink::kSand);
  keeper.ShadedEllipse(25, 20, 11, 10, Ink::kSkin0, Ink::kSkin1, Ink::kSkin2);  // face
  keeper.Polygon({QPoint(12, 14), QPoint(25, 2), QPoint(38, 14)}, Ink::kRed2);  // cap
  keeper.Rect(12, 13, 27, 3, Ink::kRed1);
  keeper.Rect(19, 18, 2, 3, Ink::kOutline);  // eyes smiling
  keeper.Rect(29, 18, 2, 3, Ink::kOutline);
  keeper.Rect(18, 24, 15, 3, Ink::kEarth1);  // a fine moustache
  keeper.Pixel(17, 25, Ink::kEarth1);
  keeper.Pixel(33, 25, Ink::kEarth1);
  keeper.Rect(22, 28, 7, 1, Ink::kRed1);
  keeper.Rect(13, 22, 2, 2, Ink::kPink1);
  keeper.Rect(36, 22, 2, 2, Ink::kPink1);
  keeper.Outline(Ink::kOutline);
  canvas.Stamp(keeper, 44, 28);
  // the counter, with the takings on it
  canvas.Rect(0, 70, w, 30, Ink::kEarth3);
  canvas.Rect(0, 70, w, 3, Ink::kEarth4);
  canvas.Rect(0, 73, w, 1, Ink::kEarth1);
  for (int x = 0; x < w; x += 18) canvas.Rect(x, 76, 1, 24, Ink::kEarth2);
  for (auto [x, y] :
       {std::pair{20, 64}, std::pair{25, 65}, std::pair{22, 60}, std::pair{28, 61}, std::pair{24, 56}})
    DrawCoin(canvas, x, y);
  // a bag of gold
  canvas.Ellipse(108, 62, 10, 9, Ink::kEarth3);
  canvas.Ellipse(106, 60, 7, 6, Ink::kEarth4);
  canvas.Rect(104, 50, 8, 4, Ink::kEarth3);
  canvas.Rect(103, 53, 10, 2, Ink::kGold2);
  canvas.OutlinedText(102, 58, QStringLiteral("G"), 10, Ink::kGold3, Ink::kEarth1);
  // the shop's sign
  canvas.Rect(50, 2, 38, 14, Ink::kEarth0);
  canvas.Rect(51, 3, 36, 12, Ink::kEarth3);
  canvas.Text(53, 3, QStringLiteral("SHOP"), 11, Ink::kGold3);
  canvas.Sparkle(30, 54, 2, Ink::kGold4, Ink::kWhite);
}

void PaintCompanion(PixelCanvas& canvas) {
  canvas.VerticalRamp(0, 60, {Ink::kSky1, Ink::kSky2, Ink::kSky3});
  Cloud(canvas, 10, 14, 28, Ink::kWhite, Ink::kSky3);
  Cloud(canvas, 98, 8, 26, Ink::kWhite, Ink::kSky3);
  Hills(canvas, 60, 4, 0.06, 0.4, Ink::kLeaf2, Ink::kLeaf3);
  canvas.VerticalRamp(66, 99, {Ink::kLeaf3, Ink::kLeaf2});
  GrassTufts(canvas, 29, 40, 66, 100, Ink::kLeaf1, Ink::kLeaf4);
  SeededRandom random(37);
  for (int i = 0; i < 16; ++i) {
    const int x = random.Below(canvas.width()), y = 70 + random.Below(28);
    canvas.Pixel(x, y, i % 2 ? Ink::kPink2 : Ink::kGold4);
  }
  RoundTree(canvas, 18, 70, 30, Ink::kLeaf1, Ink::kLeaf2, Ink::kLeaf3);
  RoundTree(canvas, 122, 72, 26, Ink::kLeaf1, Ink::kLeaf2, Ink::kLeaf3);
  canvas.Ellipse(55, 94, 9, 2, Ink::kLeaf1);
  canvas.Ellipse(82, 94, 9, 2, Ink::kLeaf1);
  DrawHero(canvas, 48, 71);
  DrawMage(canvas, 74, 69, true);
  // a heart between the two
  PixelCanvas heart = PixelCanvas::Layer(16, 14);
  heart.Ellipse(4, 4, 3, 3, Ink::kRed3);
  heart.Ellipse(10, 4, 3, 3, Ink::kRed3);
  heart.Polygon({QPoint(1, 5), QPoint(14, 5), QPoint(7, 12)}, Ink::kRed3);
  heart.Rect(3, 3, 2, 2, Ink::kPink2);
  heart.Outline(Ink::kOutline);
  canvas.Stamp(heart, 60, 50);
  for (auto [x, y] : {std::pair{46, 56}, std::pair{92, 58}, std::pair{68, 40}})
    canvas.Sparkle(x, y, 2, Ink::kGold3, Ink::kWhite);
}

void PaintLevelUp(PixelCanvas& canvas) {
  Rays(canvas, 68, 62, 12, Ink::kGold2, Ink::kGold3, 0.02);
  // a bright core behind the hero
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const double d = std::hypot((x - 68) / 34.0, (y - 62) / 34.0);
      if (d < 1.0)
        canvas.Pixel(x, y, DitherOn(x, y, static_cast<int>((1.0 - d) * 24)) ? Ink::kGold4 : Ink::kGold3);
      if (d < 0.45)
        canvas.Pixel(x, y, DitherOn(x, y, static_cast<int>((0.45 - d) * 40)) ? Ink::kWhite : Ink::kGold4);
    }
  canvas.Ellipse(68, 93, 18, 3, Ink::kGold1);
  DrawHeroSwordUp(canvas, 61, 63);
  // rising arrows on both sides
  for (int side : {-1, 1})
    for (int k = 0; k < 2; ++k) {
      const int ax = 68 + side * (36 + k * 16), ay = 56 - k * 12;
      PixelCanvas arrow = PixelCanvas::Layer(14, 20);
      arrow.Polygon({QPoint(1, 8), QPoint(7, 1), QPoint(13, 8)}, Ink::kLeaf4);
      arrow.Rect(4, 8, 6, 10, Ink::kLeaf3);
      arrow.Rect(4, 8, 2, 10, Ink::kLeaf4);
      arrow.Outline(Ink::kOutline);
      canvas.Stamp(arrow, ax - 7, ay);
    }
  const QString text = QStringLiteral("LEVEL UP!");
  const int tw = canvas.TextWidth(text, 20);
  canvas.Text((canvas.width() - tw) / 2 + 2, 6, text, 20, Ink::kOutline);
  canvas.OutlinedText((canvas.width() - tw) / 2, 4, text, 20, Ink::kWhite, Ink::kRed1);
  canvas.Sparkle(14, 40, 3, Ink::kWhite, Ink::kWhite);
  canvas.Sparkle(122, 36, 3, Ink::kWhite, Ink::kWhite);
}

void PaintEmptyChest(PixelCanvas& canvas) {
  // a grey cellar
  canvas.Fill(Ink::kStone1);
  BrickWall(canvas, 60, 8, Ink::kStone2, Ink::kStone3);
  canvas.VerticalRamp(60, 99, {Ink::kStone1, Ink::kStone0});
  canvas.Ellipse(68, 88, 34, 5, Ink::kStone0);
  Chest(canvas, 44, 50, 48, true);
  // cobwebs in the corner and over the chest
  for (int i = 0; i < 5; ++i) canvas.Line(0, i * 6, i * 6, 0, Ink::kStone4);
  canvas.Line(0, 0, 26, 26, Ink::kStone4);
  canvas.Line(0, 0, 12, 30, Ink::kStone4);
  canvas.Line(0, 0, 30, 12, Ink::kStone4);
  canvas.Line(56, 38, 68, 32, Ink::kStone4);
  canvas.Line(68, 32, 80, 38, Ink::kStone4);
  canvas.Line(68, 32, 68, 40, Ink::kStone4);
  canvas.Line(62, 36, 74, 36, Ink::kStone4);
  // a lone moth drifting out of it
  canvas.Rect(96, 30, 3, 2, Ink::kStone4);
  canvas.Pixel(97, 29, Ink::kStone5);
  canvas.Pixel(94, 33, Ink::kStone3);
  canvas.Pixel(92, 35, Ink::kStone2);
  // the silence of an empty box
  for (int i = 0; i < 3; ++i) canvas.Rect(98 + i * 6, 16, 3, 3, Ink::kStone4);
}

void PaintTreasure(PixelCanvas& canvas) {
  // warm light filling a cave
  Rays(canvas, 68, 60, 9, Ink::kEarth1, Ink::kEarth2, 0.0);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const double d = std::hypot((x - 68) / 44.0, (y - 56) / 40.0);
      if (d < 1.0 && DitherOn(x, y, static_cast<int>((1.0 - d) * 20))) canvas.Pixel(x, y, Ink::kGold2);
    }
  canvas.VerticalRamp(84, 99, {Ink::kEarth1, Ink::kEarth0});
  Chest(canvas, 44, 54, 48, true);
  // the hoard spilling over the rim
  canvas.Ellipse(68, 62, 22, 6, Ink::kGold1);
  canvas.Ellipse(68, 60, 20, 5, Ink::kGold2);
  SeededRandom random(41);
  for (int i = 0; i < 16; ++i) DrawCoin(canvas, 48 + random.Below(36), 54 + random.Below(8));
  DrawGem(canvas, 56, 52, Ink::kRed3, Ink::kRed2, Ink::kRed1);
  DrawGem(canvas, 74, 50, Ink::kAqua3, Ink::kAqua2, Ink::kAqua1);
  DrawGem(canvas, 66, 47, Ink::kLeaf4, Ink::kLeaf3, Ink::kLeaf2);
  for (int i = 0; i < 8; ++i) DrawCoin(canvas, 30 + random.Below(76), 86 + random.Below(8));
  // a crown on top
  canvas.Polygon({QPoint(62, 46), QPoint(62, 38), QPoint(65, 42), QPoint(68, 36), QPoint(71, 42),
                  QPoint(74, 38), QPoint(74, 46)},
                 Ink::kGold3);
  canvas.Rect(62, 44, 13, 2, Ink::kGold1);
  canvas.Pixel(68, 41, Ink::kRed3);
  for (auto [x, y, arm] : {std::tuple{40, 30, 3}, std::tuple{98, 26, 3}, std::tuple{68, 18, 4},
                           std::tuple{28, 60, 2}, std::tuple{110, 56, 2}})
    canvas.Sparkle(x, y, arm, Ink::kGold4, Ink::kWhite);
}

}  // namespace zeru::content
