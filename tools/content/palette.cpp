#include "palette.h"

#include <array>

namespace zeru::content {
namespace {

constexpr std::array<QRgb, static_cast<int>(Ink::kCount)> kInks = {
    0xff000000,                                                              // black
    0xff1a1024,                                                              // outline
    0xff0c0c20, 0xff18183c, 0xff262a5e,                                      // night
    0xff34498c, 0xff4f74c0, 0xff7fa6e0, 0xffbcd8f4,                          // sky
    0xff1d5a66, 0xff2f9aa2, 0xff6cd8d0, 0xffc8fff4,                          // aqua
    0xff12301e, 0xff1e5230, 0xff357a36, 0xff62a83e, 0xffa8d65a,              // leaf
    0xff2a1812, 0xff4c2c1c, 0xff75472a, 0xffa26c3c, 0xffcc9a5c, 0xffecd49c,  // earth, sand
    0xff3c0c16, 0xff721826, 0xffb02a30, 0xffe8503c, 0xffff9646,              // red, orange
    0xff6e4c10, 0xffa8781c, 0xffe0ae2c, 0xfff8dc58, 0xfffff6bc,              // gold
    0xff220e38, 0xff3e1a62, 0xff66309a, 0xff9a5ed0, 0xffd0a4f4,              // violet
    0xff862c62, 0xffd05c98, 0xffffa4cc,                                      // pink
    0xff22222e, 0xff3c3c4c, 0xff5e5e70, 0xff8a8a9c, 0xffb8b8c6, 0xffdedee6,  // stone
    0xffffffff,                                                              // white
    0xff9c5c3c, 0xffd49068, 0xfff4c8a0,                                      // skin
};

}  // namespace

QRgb InkRgb(Ink ink) { return kInks[static_cast<int>(ink)]; }

QColor InkColor(Ink ink) { return QColor::fromRgb(InkRgb(ink)); }

QList<QRgb> PictureColorTable() {
  QList<QRgb> table(kInks.begin(), kInks.end());
  while (table.size() < 256) table.push_back(qRgb(0, 0, 0));
  return table;
}

}  // namespace zeru::content
