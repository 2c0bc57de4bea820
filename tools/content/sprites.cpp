#include "sprites.h"

namespace zeru::content {
namespace {

const SpriteLegend kHeroLegend = {
    {'O', Ink::kOutline}, {'h', Ink::kOrange}, {'H', Ink::kGold3}, {'r', Ink::kRed2},   {'s', Ink::kSkin1},
    {'S', Ink::kSkin0},   {'e', Ink::kNight1}, {'c', Ink::kRed2},  {'C', Ink::kRed1},   {'t', Ink::kSky1},
    {'T', Ink::kSky0},    {'b', Ink::kEarth1}, {'g', Ink::kGold2}, {'p', Ink::kNight2}, {'B', Ink::kEarth2},
    {'w', Ink::kStone5},  {'W', Ink::kStone3}, {'L', Ink::kWhite},
};

}  // namespace

void DrawHero(PixelCanvas& canvas, int x, int y) {
  // clang-format off
  canvas.Sprite(x, y, {
      "....OOOOO.....",
      "...OhHHhhO....",
      "..OhHHhhhhO...",
      ".OhhhhhhhhrO..",
      ".OhhhhrhhhrO..",
      ".OhsshhsshrO..",
      ".OhssssssshO..",
      "..OsesssesO...",
      "..OsesssesO...",
      "..OSssssSSO...",
      "...OOSSSOO....",
      "..OccccccCO...",
      ".OtOcCccCOtO..",
      "OttOttttTOTTO.",
      "OttOttttTOTTO.",
      "OssOggbbbOSSO.",
      ".OOOttttTOOO..",
      "...OttOTTO....",
      "...OppOppO....",
      "...OppOppO....",
      "...OBBOBBO....",
      "..OBBBOBBBO...",
      "..OOOO.OOOO...",
  }, kHeroLegend);
  // clang-format on
}

void DrawHeroSwordUp(PixelCanvas& canvas, int x, int y) {
  // clang-format off
  canvas.Sprite(x, y, {
      "...........O..",
      "..........OLO.",
      "..........OwO.",
      "..........OwO.",
      "..........OwO.",
      "........OOgOgO",
      "....OOOOOOOgO.",
      "...OhHHhhO.Os.",
      "..OhHHhhhhOOs.",
      ".OhhhhhhhhrOs.",
      ".OhhhhrhhhrOsO",
      ".OhsshhsshrOtO",
      ".OhssssssshOtO",
      "..OsesssesOtTO",
      "..OsesssesOtO.",
      "..OSssOsSSOtO.",
      "...OOSSSOOtO..",
      "..OccccccCtO..",
      ".OtOcCccCOTO..",
      "OttOttttTOO...",
      "OttOttttTO....",
      "OssOggbbbO....",
      ".OOOttttTO....",
      "...OttOTTO....",
      "...OppOppO....",
      "...OppOppO....",
      "...OBBOBBO....",
      "..OBBBOBBBO...",
      "..OOOO.OOOO...",
  }, kHeroLegend);
  // clang-format on
}

void DrawMage(PixelCanvas& canvas, int x, int y, bool mirrored) {
  const SpriteLegend legend = {
      {'O', Ink::kOutline}, {'v', Ink::kViolet2}, {'V', Ink::kViolet1}, {'l', Ink::kViolet3},
      {'g', Ink::kGold2},   {'s', Ink::kSkin1},   {'S', Ink::kSkin0},   {'e', Ink::kNight1},
      {'a', Ink::kAqua2},   {'A', Ink::kAqua1},   {'p', Ink::kPink1},   {'w', Ink::kEarth2},
      {'W', Ink::kEarth1},  {'G', Ink::kGold3},
  };
  // clang-format off
  canvas.Sprite(x, y, {
      "......OO......",
      ".....OlvO.....",
      ".....OvVO.....",
      "....OlvvVO....",
      "....OvvvVO....",
      "...OgggggggO..",
      ".OOOvvvvvvVOOO",
      "..OaAsssssAaO.",
      "..OaseOsesOaO.",
      "..OasesssesaO.",
      "..OaspsssspaO.",
      "..OaAOsssOAaO.",
      "..OaOlvvvVOaO.",
      ".OOlOvvGvvVOOw",
      ".OslvvvGvvvVOw",
      ".OSOlvvGvvvVOw",
      "..OlvvvGvvvVsO",
      "..OlvvvvvvvVOw",
      "..OlvvvvvvvVOw",
      ".OlvvvvvvvvvVW",
      ".OlvvvvvvvvvVW",
      ".OOOOOOOOOOOOW",
      "....OWO.OWO..W",
      "...OOOO.OOOO.W",
  }, legend, mirrored);
  // clang-format on
}

void DrawSkull(PixelCanvas& canvas, int x, int y) {
  const SpriteLegend legend = {{'O', Ink::kOutline}, {'w', Ink::kStone5}, {'W', Ink::kStone3}};
  // clang-format off
  canvas.Sprite(x, y, {
      ".OOOOO.",
      "OwwwwwO",
      "OwOwOWO",
      "OwwOwWO",
      ".OwWwO.",
      "..OOO..",
  }, legend);
  // clang-format on
}

void DrawCoin(PixelCanvas& canvas, int x, int y) {
  const SpriteLegend legend = {
      {'O', Ink::kGold0}, {'g', Ink::kGold2}, {'G', Ink::kGold4}, {'k', Ink::kGold1}};
  // clang-format off
  canvas.Sprite(x, y, {
      ".OOO.",
      "OGgkO",
      "OgGkO",
      "OgkkO",
      ".OOO.",
  }, legend);
  // clang-format on
}

void DrawGem(PixelCanvas& canvas, int x, int y, Ink light, Ink mid, Ink dark) {
  const SpriteLegend legend = {
      {'O', Ink::kOutline}, {'l', light}, {'m', mid}, {'d', dark}, {'w', Ink::kWhite}};
  // clang-format off
  canvas.Sprite(x, y, {
      ".OOO.",
      "OwlmO",
      "OlmdO",
      ".OdO.",
      "..O..",
  }, legend);
  // clang-format on
}

}  // namespace zeru::content
