#include "pictures.h"

namespace zeru::content {

const std::vector<PictureRecipe>& PictureRecipes() {
  // The title is copied from its top-left 318 x 253; the rest are shown at 273 x 200.
  static const std::vector<PictureRecipe> recipes = {
      {"title.bmp", 318, 253, PaintTitle},       {"start.bmp", 273, 200, PaintStart},
      {"tokkun.bmp", 273, 200, PaintTraining},   {"store.bmp", 273, 200, PaintStore},
      {"teki.bmp", 273, 200, PaintEnemy},        {"boss.bmp", 273, 200, PaintBoss},
      {"ex.bmp", 273, 200, PaintExtraEnemy},     {"hi.bmp", 273, 200, PaintNightfall},
      {"wana2.bmp", 273, 200, PaintSevereTrap},  {"wana.bmp", 273, 200, PaintTrap},
      {"kara.bmp", 273, 200, PaintEmptyChest},   {"takara.bmp", 273, 200, PaintTreasure},
      {"hokora.bmp", 273, 200, PaintShrine},     {"megami.bmp", 273, 200, PaintGoddessSpring},
      {"majin.bmp", 273, 200, PaintDemonSpring}, {"vo.bmp", 273, 200, PaintDreamCastle},
      {"black.bmp", 273, 200, PaintBlack},       {"nakama.bmp", 273, 200, PaintCompanion},
      {"toki.bmp", 273, 200, PaintTimeCastle},   {"lvup.bmp", 273, 200, PaintLevelUp},
      {"die.bmp", 273, 200, PaintDeath},
  };
  return recipes;
}

QImage RenderPicture(const PictureRecipe& recipe) {
  PixelCanvas canvas((recipe.width + 1) / 2, (recipe.height + 1) / 2);
  recipe.paint(canvas);
  return FinishPicture(canvas.image(), recipe.width, recipe.height);
}

void PaintBlack(PixelCanvas& canvas) { canvas.Fill(Ink::kBlack); }

}  // namespace zeru::content
