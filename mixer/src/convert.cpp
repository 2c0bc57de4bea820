// Conversion of a loaded wave's samples to the session's output format: unsigned 8-bit, 1 or 2
// channels, 11025, 22050 or 44100 frames per second. Three stages run in a fixed order (sample
// width, channels, rate); each takes ownership of its input block and, when it has work to do,
// allocates its output before releasing that input, so at most two blocks exist at a time.

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "engine.h"

namespace {

using Samples = std::unique_ptr<uint8_t[]>;

Samples AllocSamples(int64_t bytes) {
  // A request for zero bytes yields no usable block, so an empty result fails like a lack of memory.
  if (bytes <= 0 || bytes > INT32_MAX) RaiseMixerError(kNoMemoryMessage);
  Samples block(new (std::nothrow) uint8_t[size_t(bytes)]);
  if (!block) RaiseMixerError(kNoMemoryMessage);
  return block;
}

// 16-bit signed little-endian to 8-bit unsigned: the high byte with its top bit inverted, which is
// (sample >> 8) + 128 without rounding. A last odd byte is dropped.
Samples ConvertBits(Samples samples, int32_t& bytes, uint16_t sourceBits, uint16_t targetBits) {
  bool supported = (sourceBits == 8 || sourceBits == 16) && (targetBits == 8 || targetBits == 16);
  if (supported && sourceBits == targetBits) return samples;
  if (!supported || targetBits != 8) RaiseMixerError("File format not supported");
  int32_t count = bytes / 2;
  Samples out = AllocSamples(count);
  const uint8_t* in = samples.get();
  uint8_t* dst = out.get();
  for (int32_t i = 0; i < count; ++i) dst[i] = uint8_t(in[2 * i + 1] ^ 0x80);
  bytes = count;
  return out;
}

// On 8-bit samples: mono to stereo writes each byte twice; stereo to mono takes the mean of the two
// unsigned bytes, rounded down. A partial last frame is dropped.
Samples ConvertChannels(Samples samples, int32_t& bytes, uint16_t sourceChannels, uint16_t targetChannels) {
  if (sourceChannels == targetChannels) return samples;
  int32_t frames = bytes / sourceChannels;
  Samples out = AllocSamples(int64_t{frames} * targetChannels);
  const uint8_t* in = samples.get();
  uint8_t* dst = out.get();
  if (sourceChannels < targetChannels) {
    for (int32_t i = 0; i < frames; ++i) dst[2 * i] = dst[2 * i + 1] = in[i];
  } else {
    for (int32_t i = 0; i < frames; ++i) dst[i] = uint8_t((in[2 * i] + in[2 * i + 1]) / 2);
  }
  bytes = frames * targetChannels;
  return out;
}

// Fills k frames of c channels from frame a towards frame b in k equal steps, each step
// (b - a) / k rounded toward zero, so the values stay between a and b.
void InterpolateFrames(uint8_t* out, const uint8_t* a, const uint8_t* b, int channels, int64_t k) {
  for (int c = 0; c < channels; ++c) {
    int step = (int(b[c]) - int(a[c])) / int(k);
    for (int64_t j = 0; j < k; ++j) out[j * channels + c] = uint8_t(a[c] + int(j) * step);
  }
}

// One frame from g frames: the mean of (byte - 128) per channel, rounded toward zero, plus 128.
// g is at most 2^32 / 11025, so the sum of g values of at most 128 fits in 32 bits.
void AverageFrames(uint8_t* out, const uint8_t* in, int channels, int64_t g) {
  for (int c = 0; c < channels; ++c) {
    int32_t sum = 0;
    for (int64_t j = 0; j < g; ++j) sum += int32_t(in[j * channels + c]) - 128;
    out[c] = uint8_t(sum / int32_t(g) + 128);
  }
}

// The same for `frames` consecutive output frames, with the common channel counts and group sizes
// known at compile time so that the division becomes a shift and the loop vectorizes.
template <int kChannels, int kGroup>
void AverageFrameRun(uint8_t* out, const uint8_t* in, int64_t frames) {
  for (int64_t m = 0; m < frames; ++m) {
    for (int c = 0; c < kChannels; ++c) {
      int32_t sum = -128 * kGroup;
      for (int j = 0; j < kGroup; ++j) sum += in[(m * kGroup + j) * kChannels + c];
      out[m * kChannels + c] = uint8_t(sum / kGroup + 128);
    }
  }
}

void AverageFrameRun(uint8_t* out, const uint8_t* in, int64_t frames, int channels, int64_t g) {
  if (channels == 1 && g == 2) return AverageFrameRun<1, 2>(out, in, frames);
  if (channels == 1 && g == 4) return AverageFrameRun<1, 4>(out, in, frames);
  if (channels == 2 && g == 2) return AverageFrameRun<2, 2>(out, in, frames);
  if (channels == 2 && g == 4) return AverageFrameRun<2, 4>(out, in, frames);
  for (int64_t m = 0; m < frames; ++m) AverageFrames(out + m * channels, in + m * g * channels, channels, g);
}

// Only whole-number ratios: up by k = t / s (rounded down), down by g = s / t (rounded to nearest);
// a ratio of 1 keeps every frame, which then plays at the output rate.
Samples ConvertRate(Samples samples, int32_t& bytes, uint32_t sourceRate, uint32_t targetRate, int channels) {
  if (sourceRate == targetRate) return samples;
  int64_t frames = bytes / channels;
  const uint8_t* in = samples.get();
  Samples out;
  int64_t outFrames;
  if (sourceRate < targetRate) {
    int64_t k = targetRate / sourceRate;
    outFrames = frames * k;
    out = AllocSamples(outFrames * channels);
    uint8_t* dst = out.get();
    for (int64_t i = 0; i + 1 < frames; ++i)
      InterpolateFrames(dst + i * k * channels, in + i * channels, in + (i + 1) * channels, channels, k);
    const uint8_t* last = in + (frames - 1) * channels;
    for (int64_t j = 0; j < k; ++j) std::memcpy(dst + ((frames - 1) * k + j) * channels, last, channels);
  } else {
    int64_t g = (uint64_t{sourceRate} + targetRate / 2) / targetRate;
    outFrames = frames / g;
    out = AllocSamples(outFrames * channels);
    uint8_t* dst = out.get();
    AverageFrameRun(dst, in, outFrames - 1, channels, g);
    std::memcpy(dst + (outFrames - 1) * channels, in + (outFrames - 1) * g * channels, channels);
  }
  bytes = int32_t(outFrames * channels);
  return out;
}

// The stages divide by both and are defined for mono and stereo only; anything else is refused
// before they run rather than left to a division by zero.
void CheckChannelsAndRate(const platform::PcmWaveFormat& format) {
  if (format.nChannels == 0 || format.nChannels > 2)
    RaiseMixerError("Only mono and stereo waves are supported");
  if (format.nSamplesPerSec == 0) RaiseMixerError("The wave has a sampling rate of 0");
}

}  // namespace

uint8_t* ConvertWave(const platform::PcmWaveFormat& target, const platform::PcmWaveFormat& source,
                     uint8_t* samples, int32_t& bytes) {
  Samples block(samples);
  if (source.nChannels == target.nChannels && source.nSamplesPerSec == target.nSamplesPerSec &&
      source.wBitsPerSample == target.wBitsPerSample)
    return block.release();
  CheckChannelsAndRate(source);
  CheckChannelsAndRate(target);
  block = ConvertBits(std::move(block), bytes, source.wBitsPerSample, target.wBitsPerSample);
  block = ConvertChannels(std::move(block), bytes, source.nChannels, target.nChannels);
  block =
      ConvertRate(std::move(block), bytes, source.nSamplesPerSec, target.nSamplesPerSec, target.nChannels);
  return block.release();
}
