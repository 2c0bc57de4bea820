#include "sounds.h"

namespace zeru::content {
namespace {

// Loudest sample after normalising: about 100 of the 127 steps an 8-bit output has.
constexpr double kPeak = 0.78;

const Envelope kPluck = {0.004, 0.06, 0.0, 0.02};
const Envelope kBellRing = {0.003, 0.18, 0.0, 0.04};
const Envelope kSoft = {0.03, 0.0, 1.0, 0.08};
const Envelope kHeld = {0.01, 0.25, 0.6, 0.12};

// A short press: the restart and the tips button.
void ComposeClick(Synth& s) {
  s.Add(Note{0.0, 0.05, Midi(88), 0.8, timbre::kSoftSquare, kPluck});
  s.Add(Note{0.045, 0.09, Midi(95), 0.7, timbre::kSoftSquare, kPluck});
}

// The record is taken: a bright two-note yes.
void ComposeConfirm(Synth& s) {
  s.Add(Note{0.0, 0.16, Midi(84), 0.7, timbre::kBell, kBellRing});
  s.Add(Note{0.10, 0.30, Midi(91), 0.8, timbre::kBell, {0.003, 0.12, 0.0, 0.05}});
}

// A foe: a swish, a thump and a sour stab.
void ComposeEnemy(Synth& s) {
  s.Add(NoiseBurst{0.0, 0.14, 0.9, 1200.0, 3200.0, {0.01, 0.05, 0.0, 0.03}});
  s.Add(Note{0.06, 0.20, 190.0, 0.9, timbre::kSine, {0.004, 0.08, 0.0, 0.04}, 0.0, 55.0});
  s.Add(Note{0.10, 0.32, Midi(69), 0.35, timbre::kBrass, {0.01, 0.12, 0.2, 0.08}});
  s.Add(Note{0.10, 0.32, Midi(70), 0.30, timbre::kBrass, {0.01, 0.12, 0.2, 0.08}});
}

// A trap snaps: two metal clanks over a low thud.
void ComposeTrap(Synth& s) {
  s.Add(Note{0.0, 0.25, 520.0, 0.6, timbre::kMetal, {0.002, 0.05, 0.0, 0.03}});
  s.Add(Note{0.0, 0.18, 120.0, 0.7, timbre::kSine, {0.004, 0.06, 0.0, 0.04}, 0.0, 60.0});
  s.Add(NoiseBurst{0.0, 0.06, 0.5, 2500.0, 1500.0, {0.002, 0.02, 0.0, 0.02}});
  s.Add(Note{0.11, 0.34, 410.0, 0.55, timbre::kMetal, {0.002, 0.07, 0.0, 0.05}});
  s.Add(NoiseBurst{0.11, 0.06, 0.4, 2200.0, 1200.0, {0.002, 0.02, 0.0, 0.02}});
}

// A chest opens: a quick rising arpeggio that walks from left to right.
void ComposeTreasure(Synth& s) {
  const int notes[] = {72, 76, 79, 84, 88};
  for (int i = 0; i < 5; ++i)
    s.Add(Note{i * 0.065, 0.26, Midi(notes[i]), 0.55, timbre::kBell, kBellRing, -0.8 + i * 0.4});
  s.Add(Note{0.30, 0.22, Midi(91), 0.35, timbre::kBell, kBellRing, 0.5});
}

// The day ends: two soft falling tones.
void ComposeNightfall(Synth& s) {
  s.Add(Note{0.0, 0.30, Midi(79), 0.6, timbre::kTriangle, {0.04, 0.0, 1.0, 0.12}, 0.0, 0.0, 5.0, 0.004});
  s.Add(Note{0.22, 0.32, Midi(74), 0.6, timbre::kTriangle, {0.04, 0.0, 1.0, 0.16}, 0.0, 0.0, 5.0, 0.004});
  s.Add(Note{0.0, 0.54, Midi(50), 0.25, timbre::kSine, {0.08, 0.0, 1.0, 0.2}});
}

// A shrine: a shimmering whole-tone climb.
void ComposeDiscovery(Synth& s) {
  const int notes[] = {72, 74, 76, 78, 80, 84};
  for (int i = 0; i < 6; ++i)
    s.Add(Note{i * 0.05, 0.28, Midi(notes[i]), 0.45, timbre::kBell, kBellRing, 0.0, 0.0, 7.0, 0.006});
}

// Healing: a gentle rising sweep with sparkles around it.
void ComposeHeal(Synth& s) {
  s.Add(Note{0.0, 0.42, 520.0, 0.55, timbre::kTriangle, {0.05, 0.0, 1.0, 0.15}, -0.3, 1040.0, 9.0, 0.01});
  s.Add(Note{0.0, 0.42, 780.0, 0.30, timbre::kSine, {0.05, 0.0, 1.0, 0.15}, 0.3, 1560.0, 9.0, 0.01});
  s.Add(Note{0.18, 0.2, Midi(93), 0.25, timbre::kBell, kBellRing, -0.7});
  s.Add(Note{0.28, 0.2, Midi(96), 0.25, timbre::kBell, kBellRing, 0.7});
}

// The journey begins: a small brass fanfare ending on a full chord.
void ComposeStart(Synth& s) {
  const Envelope hit = {0.012, 0.10, 0.5, 0.04};
  s.Add(Note{0.00, 0.13, Midi(67), 0.6, timbre::kBrass, hit});
  s.Add(Note{0.13, 0.13, Midi(72), 0.6, timbre::kBrass, hit});
  s.Add(Note{0.26, 0.13, Midi(76), 0.6, timbre::kBrass, hit});
  s.Add(Note{0.39, 0.86, Midi(79), 0.65, timbre::kBrass, {0.015, 0.3, 0.55, 0.3}, 0.0, 0.0, 5.5, 0.006});
  for (int n : {60, 64, 67}) s.Add(Note{0.39, 0.86, Midi(n), 0.3, timbre::kOrgan, {0.02, 0.3, 0.5, 0.3}});
  s.Add(Note{0.39, 0.5, Midi(48), 0.4, timbre::kSine, {0.01, 0.2, 0.3, 0.2}});
}

// Level up: a running scale and a sparkling chord.
void ComposeLevelUp(Synth& s) {
  const int scale[] = {72, 74, 76, 77, 79, 81, 83, 84};
  for (int i = 0; i < 8; ++i)
    s.Add(Note{i * 0.05, 0.09, Midi(scale[i]), 0.5, timbre::kSoftSquare, kPluck, -0.6 + i * 0.17});
  for (int n : {84, 88, 91})
    s.Add(Note{
        0.42, 0.74, Midi(n), 0.4, timbre::kBell, {0.005, 0.3, 0.15, 0.25}, (n - 88) * 0.2, 0.0, 6.0, 0.004});
  s.Add(Note{0.42, 0.6, Midi(60), 0.35, timbre::kTriangle, {0.01, 0.2, 0.4, 0.2}});
}

// Death: a falling minor line and a long low bell.
void ComposeDeath(Synth& s) {
  const Envelope sad = {0.03, 0.0, 1.0, 0.1};
  s.Add(Note{0.00, 0.32, Midi(69), 0.55, timbre::kOrgan, sad, 0.0, 0.0, 4.5, 0.006});
  s.Add(Note{0.30, 0.32, Midi(65), 0.55, timbre::kOrgan, sad, 0.0, 0.0, 4.5, 0.006});
  s.Add(Note{0.60, 0.32, Midi(62), 0.55, timbre::kOrgan, sad, 0.0, 0.0, 4.5, 0.006});
  s.Add(Note{0.90, 0.56, Midi(61), 0.55, timbre::kOrgan, {0.03, 0.3, 0.4, 0.3}, 0.0, 0.0, 4.0, 0.008});
  s.Add(Note{0.90, 0.56, Midi(38), 0.45, timbre::kBell, {0.005, 0.3, 0.0, 0.2}});
}

// A boss: a heavy blow, then a growling tritone.
void ComposeBoss(Synth& s) {
  s.Add(Note{0.0, 0.45, 80.0, 1.0, timbre::kSine, {0.004, 0.15, 0.0, 0.1}, 0.0, 38.0});
  s.Add(NoiseBurst{0.0, 0.25, 0.8, 900.0, 300.0, {0.003, 0.08, 0.0, 0.05}});
  const Envelope growl = {0.02, 0.4, 0.35, 0.25};
  for (int n : {48, 54, 60})
    s.Add(Note{0.12, 1.05, Midi(n), 0.35, timbre::kBrass, growl, 0.0, 0.0, 7.0, 0.012});
  s.Add(Note{0.12, 1.05, Midi(36), 0.4, timbre::kOrgan, growl});
}

// A rare enemy: an eerie augmented arpeggio over a soft pad, tossed side to side.
void ComposeExtraEnemy(Synth& s) {
  const int notes[] = {72, 76, 80, 84, 80, 76, 84, 88};
  for (int i = 0; i < 8; ++i)
    s.Add(Note{i * 0.075, 0.22, Midi(notes[i]), 0.45, timbre::kBell, kBellRing, (i % 2) ? 0.7 : -0.7});
  s.Add(Note{0.0, 0.95, Midi(56), 0.3, timbre::kTriangle, kSoft, 0.0, 0.0, 6.0, 0.01});
  s.Add(Note{0.0, 0.95, Midi(60), 0.25, timbre::kTriangle, kSoft, 0.0, 0.0, 6.3, 0.01});
}

// The dream castle: a harp glissando that floats from left to right.
void ComposeDreamCastle(Synth& s) {
  const int notes[] = {72, 74, 76, 79, 81, 84, 86, 88, 91};
  for (int i = 0; i < 9; ++i)
    s.Add(Note{
        i * 0.06, 0.7, Midi(notes[i]), 0.38, timbre::kTriangle, {0.004, 0.25, 0.0, 0.2}, -0.8 + i * 0.2});
  for (int n : {60, 64, 67, 71})
    s.Add(Note{
        0.5, 0.88, Midi(n), 0.22, timbre::kSine, {0.1, 0.0, 1.0, 0.35}, (n - 65) * 0.1, 0.0, 5.0, 0.005});
}

// A companion joins: a bouncy little tune over plucked bass.
void ComposeCompanion(Synth& s) {
  const Envelope bounce = {0.006, 0.08, 0.4, 0.04};
  const std::pair<double, int> tune[] = {{0.0, 79}, {0.12, 76}, {0.24, 79}, {0.36, 84}};
  for (auto [t, n] : tune) s.Add(Note{t, 0.13, Midi(n), 0.5, timbre::kSoftSquare, bounce, 0.3});
  s.Add(Note{0.48, 0.66, Midi(86), 0.5, timbre::kSoftSquare, {0.006, 0.2, 0.5, 0.25}, 0.3, 0.0, 6.0, 0.006});
  s.Add(Note{0.0, 0.22, Midi(48), 0.5, timbre::kTriangle, kPluck, -0.4});
  s.Add(Note{0.24, 0.22, Midi(55), 0.5, timbre::kTriangle, kPluck, -0.4});
  s.Add(Note{0.48, 0.6, Midi(50), 0.5, timbre::kTriangle, {0.006, 0.2, 0.3, 0.25}, -0.4});
}

// The time castle: a clock ticking under a swelling bell heard as if backwards.
void ComposeTimeCastle(Synth& s) {
  for (int i = 0; i < 5; ++i)
    s.Add(Note{i * 0.24,
               0.03,
               i % 2 ? 1800.0 : 1500.0,
               0.5,
               timbre::kSine,
               {0.002, 0.0, 1.0, 0.02},
               i % 2 ? 0.6 : -0.6});
  for (int n : {76, 83})
    s.Add(Note{0.0, 1.0, Midi(n), 0.35, timbre::kBell, {0.85, 0.0, 1.0, 0.12}, 0.0, 0.0, 3.0, 0.004});
  s.Add(Note{0.95, 0.42, Midi(64), 0.5, timbre::kBell, {0.003, 0.15, 0.0, 0.1}});
}

// Training: three swings and a ring of achievement.
void ComposeTraining(Synth& s) {
  for (int i = 0; i < 3; ++i) {
    const double t = i * 0.24;
    s.Add(NoiseBurst{t, 0.12, 0.7, 500.0, 2600.0, {0.03, 0.0, 1.0, 0.05}});
    s.Add(Note{t + 0.1, 0.12, 160.0, 0.8, timbre::kSine, {0.003, 0.04, 0.0, 0.04}, 0.0, 70.0});
  }
  s.Add(Note{0.74, 0.24, Midi(88), 0.5, timbre::kBell, kBellRing});
}

// The shop: coins dropped on the counter and the till's bell.
void ComposeStore(Synth& s) {
  for (int i = 0; i < 4; ++i)
    s.Add(Note{i * 0.07, 0.12, 2100.0 + i * 170.0, 0.3, timbre::kMetal, {0.002, 0.03, 0.0, 0.03}});
  s.Add(Note{0.34, 0.22, Midi(83), 0.6, timbre::kBell, kBellRing});
  s.Add(Note{0.44, 0.44, Midi(88), 0.7, timbre::kBell, {0.003, 0.16, 0.0, 0.12}});
}

}  // namespace

const std::vector<SoundRecipe>& SoundRecipes() {
  // Several stored formats, so that loading exercises every conversion path.
  constexpr WaveFormat k8Mono11 = {11025, 8, 1};
  constexpr WaveFormat k8Mono22 = {22050, 8, 1};
  constexpr WaveFormat k8Stereo11 = {11025, 8, 2};
  constexpr WaveFormat k8Stereo22 = {22050, 8, 2};
  constexpr WaveFormat k16Mono11 = {11025, 16, 1};
  constexpr WaveFormat k16Mono22 = {22050, 16, 1};
  constexpr WaveFormat k16Stereo22 = {22050, 16, 2};
  constexpr WaveFormat k16Stereo44 = {44100, 16, 2};
  static const std::vector<SoundRecipe> recipes = {
      {"1.wav", k8Mono11, 0.14, ComposeClick},
      {"on.wav", k8Mono11, 0.40, ComposeConfirm},
      {"teki.wav", k16Mono22, 0.45, ComposeEnemy},
      {"wana.wav", k8Mono22, 0.46, ComposeTrap},
      {"takara.wav", k16Stereo22, 0.54, ComposeTreasure},
      {"hi.wav", k8Mono11, 0.56, ComposeNightfall},
      {"hakken.wav", k16Mono11, 0.56, ComposeDiscovery},
      {"hp.wav", k8Stereo11, 0.50, ComposeHeal},
      {"start.wav", k16Mono22, 1.28, ComposeStart},
      {"lv.wav", k16Stereo44, 1.18, ComposeLevelUp},
      {"die.wav", k16Mono11, 1.48, ComposeDeath},
      {"boss.wav", k16Mono22, 1.20, ComposeBoss},
      {"ex.wav", k16Stereo22, 0.98, ComposeExtraEnemy},
      {"vo.wav", k8Stereo22, 1.40, ComposeDreamCastle},
      {"nakama.wav", k16Stereo22, 1.16, ComposeCompanion},
      {"toki.wav", k16Stereo44, 1.40, ComposeTimeCastle},
      {"kelpo.wav", k8Mono11, 0.99, ComposeTraining},
      {"store.wav", k8Mono22, 0.90, ComposeStore},
  };
  return recipes;
}

Synth RenderSound(const SoundRecipe& recipe) {
  Synth synth(recipe.format.samples_per_second, recipe.seconds);
  recipe.compose(synth);
  synth.Finish(kPeak, recipe.format.channels);
  return synth;
}

}  // namespace zeru::content
