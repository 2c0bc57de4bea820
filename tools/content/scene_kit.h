#pragma once

#include "pixel_canvas.h"

namespace zeru::content {

// Landscape pieces that the pictures share, so that every place is drawn
// with the same hand. Coordinates are art pixels.

// Rolling ground from the horizon line `base` down to the bottom edge, with a lit rim.
void Hills(PixelCanvas& canvas, int base, double amplitude, double frequency, double phase, Ink body,
           Ink rim);
// A peak lit from the left, with a snow cap when snow is not the body ink.
void Mountain(PixelCanvas& canvas, int peak_x, int peak_y, int half_width, int base_y, Ink lit, Ink shade,
              Ink snow);
void Cloud(PixelCanvas& canvas, int x, int y, int width, Ink light, Ink shade);
// A crescent moon lit on its right; the bitten-out part leaves the sky behind untouched.
void CrescentMoon(PixelCanvas& canvas, int cx, int cy, int r, Ink light, Ink shade);
void RoundTree(PixelCanvas& canvas, int x, int base_y, int height, Ink dark, Ink mid, Ink light);
void PineTree(PixelCanvas& canvas, int x, int base_y, int height, Ink dark, Ink mid);
// Wedges of two inks around (cx, cy) covering the whole canvas.
void Rays(PixelCanvas& canvas, int cx, int cy, int count, Ink a, Ink b, double turn = 0.0);
void GrassTufts(PixelCanvas& canvas, uint32_t seed, int count, int y0, int y1, Ink blade, Ink tip);
// A castle: keep and two towers standing on base_y, centred on x; size 1 is about 60 x 50.
void Castle(PixelCanvas& canvas, int x, int base_y, Ink wall, Ink wall_shade, Ink roof, Ink roof_shade,
            Ink window);
// Courses of bricks from the top edge down to `bottom`, every other course shifted by half a
// brick; a brick is `course` high (less a mortar line) and twice as wide, with a lit top row.
void BrickWall(PixelCanvas& canvas, int bottom, int course, Ink face, Ink rim);
// A bold exclamation mark, 5 x 14 with its outline, top-left at (x, y).
void Exclamation(PixelCanvas& canvas, int x, int y, Ink ink);
// A procedural chest, width w (about 1.5 x its height), with or without its lid open.
void Chest(PixelCanvas& canvas, int x, int y, int w, bool open);

}  // namespace zeru::content
