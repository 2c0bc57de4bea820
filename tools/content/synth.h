#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace zeru::content {

// The partials of an instrument: (frequency ratio, amplitude). Partials at
// or above kHighestPartialHz are left out, so nothing reaches the band that
// an 11025 Hz output would fold back.
using Timbre = std::vector<std::pair<double, double>>;

inline constexpr double kHighestPartialHz = 4000.0;

namespace timbre {
inline const Timbre kSine = {{1.0, 1.0}};
inline const Timbre kSoftSquare = {{1.0, 1.0}, {3.0, 0.30}, {5.0, 0.12}};
inline const Timbre kTriangle = {{1.0, 1.0}, {3.0, 0.11}, {5.0, 0.04}};
inline const Timbre kBrass = {{1.0, 1.0}, {2.0, 0.70}, {3.0, 0.45}, {4.0, 0.28}, {5.0, 0.16}, {6.0, 0.08}};
inline const Timbre kBell = {{1.0, 1.0}, {2.76, 0.40}, {5.40, 0.18}, {8.93, 0.06}};
inline const Timbre kMetal = {{1.0, 1.0}, {2.41, 0.7}, {3.87, 0.5}, {5.29, 0.3}};
inline const Timbre kOrgan = {{0.5, 0.35}, {1.0, 1.0}, {2.0, 0.5}, {3.0, 0.2}, {4.0, 0.1}};
}  // namespace timbre

// Attack in seconds, then an exponential fall with time constant `decay`
// (0 = none) toward `sustain`, and a linear release over the last `release` seconds.
struct Envelope {
  double attack = 0.005;
  double decay = 0.0;
  double sustain = 1.0;
  double release = 0.02;
};

struct Note {
  double start;   // seconds
  double length;  // seconds, release included
  double frequency;
  double amplitude;
  Timbre timbre = timbre::kSine;
  Envelope envelope = {};
  double pan = 0.0;       // -1 left .. 1 right
  double glide_to = 0.0;  // end frequency of a slide, 0 = none
  double vibrato_hz = 0.0;
  double vibrato_depth = 0.0;  // fraction of the frequency
};

struct NoiseBurst {
  double start;
  double length;
  double amplitude;
  double cutoff_hz;     // low-pass corner at the start
  double cutoff_to_hz;  // and at the end
  Envelope envelope = {};
  double pan = 0.0;
};

// Frequency of a note: 69 is A4 = 440 Hz.
double Midi(int note);

// Mixes notes and noise into a stereo buffer at one rate, then scales the
// loudest sample to `peak` and fades both ends so the sound starts and stops in silence.
class Synth {
 public:
  Synth(int samples_per_second, double seconds, uint32_t noise_seed = 1);

  void Add(const Note& note);
  void Add(const NoiseBurst& noise);
  // For one channel the two sides are first folded into their average.
  void Finish(double peak, int channels);

  const std::vector<float>& left() const { return left_; }
  const std::vector<float>& right() const { return right_; }

 private:
  double EnvelopeAt(const Envelope& envelope, double t, double length) const;
  void Put(size_t index, double value, double pan);

  int rate_;
  uint32_t noise_seed_;
  std::vector<float> left_;
  std::vector<float> right_;
};

}  // namespace zeru::content
