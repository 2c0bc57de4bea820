#pragma once

#include <QString>
#include <vector>

namespace zeru::content {

// The stored form of a sound: PCM, 8 or 16 bits, 1 or 2 channels.
struct WaveFormat {
  int samples_per_second;
  int bits_per_sample;
  int channels;
};

// Writes a RIFF WAVE file with a 16-byte PCM format chunk and one data chunk.
// Samples are -1..1; 8-bit samples are stored unsigned (silence 128),
// 16-bit signed little-endian. `right` is used only for two channels.
bool WriteWave(const QString& path, const WaveFormat& format, const std::vector<float>& left,
               const std::vector<float>& right);

}  // namespace zeru::content
