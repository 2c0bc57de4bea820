#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "seeded_random.h"

namespace zeru::content {
namespace {

// A two-pole low-pass section (the usual bilinear design), Q = 0.707.
class LowPass {
 public:
  void Tune(double cutoff_hz, double rate) {
    const double w = 2.0 * std::numbers::pi * std::min(cutoff_hz, rate * 0.45) / rate;
    const double alpha = std::sin(w) / (2.0 * 0.7071);
    const double cosw = std::cos(w);
    const double a0 = 1.0 + alpha;
    b0_ = (1.0 - cosw) / 2.0 / a0;
    b1_ = (1.0 - cosw) / a0;
    b2_ = b0_;
    a1_ = -2.0 * cosw / a0;
    a2_ = (1.0 - alpha) / a0;
  }
  double Step(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace

double Midi(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

Synth::Synth(int samples_per_second, double seconds, uint32_t noise_seed)
    : rate_(samples_per_second),
      noise_seed_(noise_seed),
      left_(static_cast<size_t>(std::lround(seconds * samples_per_second)), 0.0f),
      right_(left_.size(), 0.0f) {}

double Synth::EnvelopeAt(const Envelope& envelope, double t, double length) const {
  double level = 1.0;
  if (t < envelope.attack) {
    level = t / envelope.attack;
  } else if (envelope.decay > 0.0) {
    level = envelope.sustain + (1.0 - envelope.sustain) * std::exp(-(t - envelope.attack) / envelope.decay);
  }
  const double left_over = length - t;
  if (left_over < envelope.release) level *= std::max(0.0, left_over / envelope.release);
  return level;
}

void Synth::Put(size_t index, double value, double pan) {
  if (index >= left_.size()) return;
  left_[index] += static_cast<float>(value * (1.0 - std::max(0.0, pan) * 0.6));
  right_[index] += static_cast<float>(value * (1.0 + std::min(0.0, pan) * 0.6));
}

void Synth::Add(const Note& note) {
  const size_t first = static_cast<size_t>(std::lround(note.start * rate_));
  const size_t count = static_cast<size_t>(std::lround(note.length * rate_));
  std::vector<double> phases(note.timbre.size(), 0.0);
  for (size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate_;
    double frequency = note.frequency;
    if (note.glide_to > 0.0) frequency += (note.glide_to - note.frequency) * (t / note.length);
    if (note.vibrato_depth > 0.0)
      frequency *= 1.0 + note.vibrato_depth * std::sin(2.0 * std::numbers::pi * note.vibrato_hz * t);
    double value = 0.0;
    for (size_t p = 0; p < note.timbre.size(); ++p) {
      const double partial = frequency * note.timbre[p].first;
      if (partial >= kHighestPartialHz) continue;
      phases[p] += 2.0 * std::numbers::pi * partial / rate_;
      value += note.timbre[p].second * std::sin(phases[p]);
    }
    Put(first + i, value * note.amplitude * EnvelopeAt(note.envelope, t, note.length), note.pan);
  }
}

void Synth::Add(const NoiseBurst& noise) {
  SeededRandom random(noise_seed_++);
  LowPass first_stage, second_stage;
  const size_t first = static_cast<size_t>(std::lround(noise.start * rate_));
  const size_t count = static_cast<size_t>(std::lround(noise.length * rate_));
  for (size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate_;
    const double cutoff = noise.cutoff_hz + (noise.cutoff_to_hz - noise.cutoff_hz) * (t / noise.length);
    first_stage.Tune(cutoff, rate_);
    second_stage.Tune(cutoff, rate_);
    const double value = second_stage.Step(first_stage.Step(random.Signed()));
    Put(first + i, value * noise.amplitude * EnvelopeAt(noise.envelope, t, noise.length), noise.pan);
  }
}

void Synth::Finish(double peak, int channels) {
  if (channels == 1)
    for (size_t i = 0; i < left_.size(); ++i) left_[i] = right_[i] = 0.5f * (left_[i] + right_[i]);
  float loudest = 0.0f;
  for (size_t i = 0; i < left_.size(); ++i)
    loudest = std::max({loudest, std::abs(left_[i]), std::abs(right_[i])});
  const double gain = loudest > 0.0f ? peak / loudest : 0.0;
  // 5 ms in, 20 ms out: the edges start and end at silence whatever the notes did.
  const size_t fade_in = static_cast<size_t>(rate_ * 0.005);
  const size_t fade_out = static_cast<size_t>(rate_ * 0.020);
  const size_t n = left_.size();
  for (size_t i = 0; i < n; ++i) {
    double edge = 1.0;
    if (i < fade_in) edge = static_cast<double>(i) / fade_in;
    if (n - 1 - i < fade_out) edge = std::min(edge, static_cast<double>(n - 1 - i) / fade_out);
    left_[i] = static_cast<float>(left_[i] * gain * edge);
    right_[i] = static_cast<float>(right_[i] * gain * edge);
  }
}

}  // namespace zeru::content
