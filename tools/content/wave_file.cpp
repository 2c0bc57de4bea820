#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "little_endian.h"
#include "whole_file.h"

namespace zeru::content {
namespace {

void PutTag(std::vector<uint8_t>& out, const char (&tag)[5]) { out.insert(out.end(), tag, tag + 4); }

void PutSample(std::vector<uint8_t>& out, int bits, float value) {
  const double v = std::clamp(static_cast<double>(value), -1.0, 1.0);
  if (bits == 8) {
    out.push_back(static_cast<uint8_t>(std::lround(v * 127.0) + 128));
  } else {
    PutU16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 32767.0))));
  }
}

}  // namespace

bool WriteWave(const QString& path, const WaveFormat& format, const std::vector<float>& left,
               const std::vector<float>& right) {
  if ((format.bits_per_sample != 8 && format.bits_per_sample != 16) ||
      (format.channels != 1 && format.channels != 2) || (format.channels == 2 && right.size() != left.size()))
    return false;
  const uint32_t block_align = format.channels * format.bits_per_sample / 8;
  const uint32_t data_bytes = static_cast<uint32_t>(left.size()) * block_align;

  std::vector<uint8_t> out;
  out.reserve(44 + data_bytes + 1);
  PutTag(out, "RIFF");
  PutU32(out, 4 + 8 + 16 + 8 + data_bytes + (data_bytes & 1));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, format.channels);
  PutU32(out, format.samples_per_second);
  PutU32(out, format.samples_per_second * block_align);
  PutU16(out, block_align);
  PutU16(out, format.bits_per_sample);
  PutTag(out, "data");
  PutU32(out, data_bytes);
  for (size_t i = 0; i < left.size(); ++i) {
    PutSample(out, format.bits_per_sample, left[i]);
    if (format.channels == 2) PutSample(out, format.bits_per_sample, right[i]);
  }
  if (data_bytes & 1) out.push_back(0);  // chunks are padded to an even size

  return SaveWholeFile(path, reinterpret_cast<const char*>(out.data()), static_cast<qint64>(out.size()));
}

}  // namespace zeru::content
