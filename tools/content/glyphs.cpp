#include "glyphs.h"

#include <array>
#include <map>
#include <string_view>

namespace zeru::content {
namespace {

constexpr int kGlyphSize = 24;

using GlyphRows = std::array<std::string_view, kGlyphSize>;

// '.' is the key colour; every other letter is looked up in the legend.
QImage RenderRows(const GlyphRows& rows, const std::map<char, QRgb>& legend) {
  QImage glyph(kGlyphSize, kGlyphSize, QImage::Format_Indexed8);
  QList<QRgb> table{kGlyphKeyColor};
  std::map<char, uchar> index_of{{'.', 0}};
  for (const auto& [letter, rgb] : legend) {
    index_of[letter] = static_cast<uchar>(table.size());
    table.push_back(rgb);
  }
  while (table.size() < 256) table.push_back(qRgb(0, 0, 0));
  glyph.setColorTable(table);
  for (int y = 0; y < kGlyphSize; ++y)
    for (int x = 0; x < kGlyphSize; ++x) glyph.setPixel(x, y, index_of.at(rows[y][x]));
  return glyph;
}

constexpr QRgb kOutline = 0xff201828;

}  // namespace

const std::vector<GlyphRecipe>& GlyphRecipes() {
  static const std::vector<GlyphRecipe> recipes = {
      {"glyph_sword.bmp", RenderSwordGlyph},
      {"glyph_moon.bmp", RenderMoonGlyph},
      {"glyph_book.bmp", RenderBookGlyph},
  };
  return recipes;
}

QImage RenderSwordGlyph() {
  // clang-format off
  static constexpr GlyphRows kRows = {
      "....................OO..",
      "...................OwWO.",
      "..................OwWSO.",
      ".................OwWSO..",
      "................OwWSO...",
      "...............OwWSO....",
      "..............OwWSO.....",
      ".............OwWSO......",
      "............OwWSO.......",
      "...........OwWSO........",
      "....O.....OwWSO.........",
      "...OgO...OwWSO..........",
      "...OGgO.OwWSO...........",
      "....OGgOwWSO............",
      ".....OGgWSO.............",
      "......OGgO..............",
      "......ObBgO.............",
      ".....ObBOGgO............",
      "....ObBO.OGgO...........",
      "..OOObBO..OGO...........",
      ".OrRbBO....O............",
      ".OrRRO..................",
      "..OOO...................",
      "........................",
  };
  // clang-format on
  return RenderRows(kRows, {{'O', kOutline},
                            {'w', 0xfff4f4fa},
                            {'W', 0xffb8b8c6},
                            {'S', 0xff6e6e80},
                            {'g', 0xfff8dc58},
                            {'G', 0xffa8781c},
                            {'b', 0xff8a5430},
                            {'B', 0xff4c2c1c},
                            {'r', 0xffe8503c},
                            {'R', 0xff9c2028}});
}

QImage RenderMoonGlyph() {
  // clang-format off
  static constexpr GlyphRows kRows = {
      "...............O........",
      "...........OO.OsO.......",
      ".........OOhhO.O....O...",
      ".......OOhhhO......OsO..",
      "......OhhhYYO.....OswsO.",
      ".....OhhyYYO.......OsO..",
      "....OhhyyYYO........O...",
      "....OhyyyYYO............",
      "...OhhyyyYO.............",
      "...OhyyyyYO.............",
      "..OhhyyyyYYO............",
      "..OhhyyyyYYO............",
      "..OhhyyyyYYO............",
      "..OhhyyyyyYYO...........",
      "..OhhyyyyyYYO...........",
      "...OhyyyyyyYYOO.........",
      "...OhhyyyyyyYYYOOO......",
      "....OhyyyyyyyYYYYYOO....",
      "....OhhyyyyyyyyYYYYYO...",
      ".....OhhyyyyyyyyyyyyO...",
      "......OhhhyyyyyyyyyO....",
      ".......OOhhhhhyyyyOO....",
      ".........OOhhhyyOO......",
      "...........OOOOO........",
  };
  // clang-format on
  return RenderRows(kRows, {{'O', kOutline},
                            {'h', 0xfffff6bc},
                            {'y', 0xfff8d848},
                            {'Y', 0xffd09a20},
                            {'s', 0xfff8dc58},
                            {'w', 0xffffffff}});
}

QImage RenderBookGlyph() {
  // clang-format off
  static constexpr GlyphRows kRows = {
      "........................",
      "........................",
      "........................",
      "..OO................OO..",
      ".OppOOOOO......OOOOOPPO.",
      "OppppppppOOOOOOPPPPPPPPO",
      "OppppppppppkkPPPPPPPPPPO",
      "OppppppppppkkPPPPPPPPPPO",
      "OpplllllllpkkPlllllllPPO",
      "OppppppppppkkPPPPPPPPPPO",
      "OpplllllllpkkPlllllllPPO",
      "OppppppppppkkPPPPPPPPPPO",
      "OpplllllllpkkPlllllllPPO",
      "OppppppppppkkPPPPPPPPPPO",
      "OpplllllllpkkPlllllllPPO",
      "OppppppppppkkPPPPPPPPPPO",
      "OppllllppppkkPllllPPPPPO",
      "OppppppppppkkPPPPPPPPPPO",
      "OcccccccccpkkPcccccccccO",
      ".OCCCCCCCCccrcCCCCCCCCO.",
      "..OOOOOOOOCCrCOOOOOOOO..",
      "..........OOrrO.........",
      "............OrO.........",
      ".............O..........",
  };
  // clang-format on
  return RenderRows(kRows, {{'O', kOutline},
                            {'p', 0xfffaf6e8},
                            {'P', 0xffe2dac4},
                            {'k', 0xffb4aa92},
                            {'l', 0xff7a7a8e},
                            {'c', 0xffb02a30},
                            {'C', 0xff721826},
                            {'r', 0xff4f74c0}});
}

}  // namespace zeru::content
