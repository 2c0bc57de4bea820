#pragma once

#include <vector>

#include "synth.h"
#include "wave_file.h"

namespace zeru::content {

// One sound of the game: its file in dat/, the format it is stored in and its length.
struct SoundRecipe {
  const char* file;
  WaveFormat format;
  double seconds;
  void (*compose)(Synth&);
};

const std::vector<SoundRecipe>& SoundRecipes();

// The finished, normalised sound of a recipe.
Synth RenderSound(const SoundRecipe& recipe);

}  // namespace zeru::content
