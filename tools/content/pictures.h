#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "pixel_canvas.h"

namespace zeru::content {

// One picture of the game: its file in cg/, its finished size in pixels and
// the painter of its art (drawn at half that size).
struct PictureRecipe {
  const char* file;
  int width;
  int height;
  void (*paint)(PixelCanvas&);
};

const std::vector<PictureRecipe>& PictureRecipes();

// The finished 8-bit picture of a recipe.
QImage RenderPicture(const PictureRecipe& recipe);

// The painters, grouped by where the story happens.
void PaintTitle(PixelCanvas& canvas);
void PaintStart(PixelCanvas& canvas);
void PaintTraining(PixelCanvas& canvas);
void PaintStore(PixelCanvas& canvas);
void PaintEnemy(PixelCanvas& canvas);
void PaintBoss(PixelCanvas& canvas);
void PaintExtraEnemy(PixelCanvas& canvas);
void PaintNightfall(PixelCanvas& canvas);
void PaintSevereTrap(PixelCanvas& canvas);
void PaintTrap(PixelCanvas& canvas);
void PaintEmptyChest(PixelCanvas& canvas);
void PaintTreasure(PixelCanvas& canvas);
void PaintShrine(PixelCanvas& canvas);
void PaintGoddessSpring(PixelCanvas& canvas);
void PaintDemonSpring(PixelCanvas& canvas);
void PaintDreamCastle(PixelCanvas& canvas);
void PaintBlack(PixelCanvas& canvas);
void PaintCompanion(PixelCanvas& canvas);
void PaintTimeCastle(PixelCanvas& canvas);
void PaintLevelUp(PixelCanvas& canvas);
void PaintDeath(PixelCanvas& canvas);

}  // namespace zeru::content
