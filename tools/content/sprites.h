#pragma once

#include "pixel_canvas.h"

namespace zeru::content {

// The figures and props that several pictures share, drawn with their
// top-left corner at (x, y) in art pixels.

// The hero, facing the viewer: 14 x 24.
void DrawHero(PixelCanvas& canvas, int x, int y);
// The hero with the sword raised high: 14 x 30.
void DrawHeroSwordUp(PixelCanvas& canvas, int x, int y);
// A young mage in a pointed hat, facing the viewer: 14 x 26.
void DrawMage(PixelCanvas& canvas, int x, int y, bool mirrored = false);
// A small skull: 7 x 6.
void DrawSkull(PixelCanvas& canvas, int x, int y);
// A gold coin seen face on: 5 x 5.
void DrawCoin(PixelCanvas& canvas, int x, int y);
// A faceted gem: 5 x 5.
void DrawGem(PixelCanvas& canvas, int x, int y, Ink light, Ink mid, Ink dark);

}  // namespace zeru::content
