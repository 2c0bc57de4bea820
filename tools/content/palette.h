#pragma once

#include <QColor>
#include <QList>
#include <QRgb>

namespace zeru::content {

// The one palette shared by every picture: ramps that run from shadow to
// light, all lit from the upper left. Index = position in the bitmap's colour table.
enum class Ink : int {
  kBlack,
  kOutline,  // the dark line around figures
  // night and sky
  kNight0,
  kNight1,
  kNight2,
  kSky0,
  kSky1,
  kSky2,
  kSky3,
  // water and magic light
  kAqua0,
  kAqua1,
  kAqua2,
  kAqua3,
  // vegetation
  kLeaf0,
  kLeaf1,
  kLeaf2,
  kLeaf3,
  kLeaf4,
  // earth and wood
  kEarth0,
  kEarth1,
  kEarth2,
  kEarth3,
  kEarth4,
  kSand,
  // fire and blood
  kRed0,
  kRed1,
  kRed2,
  kRed3,
  kOrange,
  // gold
  kGold0,
  kGold1,
  kGold2,
  kGold3,
  kGold4,
  // magic and dusk
  kViolet0,
  kViolet1,
  kViolet2,
  kViolet3,
  kViolet4,
  kPink0,
  kPink1,
  kPink2,
  // stone and steel
  kStone0,
  kStone1,
  kStone2,
  kStone3,
  kStone4,
  kStone5,
  kWhite,
  // skin
  kSkin0,
  kSkin1,
  kSkin2,
  kCount
};

QRgb InkRgb(Ink ink);
QColor InkColor(Ink ink);

// The colour table of every picture: the inks, then black up to 256 entries.
QList<QRgb> PictureColorTable();

}  // namespace zeru::content
