#pragma once

#include <QImage>
#include <vector>

namespace zeru::content {

// A 24 x 24 button glyph in 256 colours. Its lower-left pixel holds the key
// colour that the button draws transparent; no drawn pixel uses that colour.
struct GlyphRecipe {
  const char* file;
  QImage (*render)();
};

const std::vector<GlyphRecipe>& GlyphRecipes();

QImage RenderSwordGlyph();
QImage RenderMoonGlyph();
QImage RenderBookGlyph();

// The colour the buttons treat as transparent.
constexpr QRgb kGlyphKeyColor = 0xffff00ff;

}  // namespace zeru::content
