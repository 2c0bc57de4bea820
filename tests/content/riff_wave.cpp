#include "riff_wave.h"

#include <QFile>
#include <cmath>
#include <numbers>

namespace {

uint32_t U32(const QByteArray& b, qsizetype at) {
  return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8 | uint8_t(b[at + 2]) << 16 |
         uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t U16(const QByteArray& b, qsizetype at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }

constexpr uint32_t kOutputRate = 11025;

}  // namespace

std::optional<PcmWave> ReadPcmWave(const QString& path, std::string* problem) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *problem = "cannot open";
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") {
    *problem = "not a RIFF WAVE file";
    return std::nullopt;
  }
  if (U32(bytes, 4) + 8 != static_cast<uint32_t>(bytes.size())) {
    *problem = "RIFF size does not match the file";
    return std::nullopt;
  }
  PcmWave wave;
  bool have_format = false;
  for (qsizetype at = 12; at + 8 <= bytes.size();) {
    const QByteArray id = bytes.mid(at, 4);
    const uint32_t size = U32(bytes, at + 4);
    if (at + 8 + static_cast<qsizetype>(size) > bytes.size()) {
      *problem = "chunk runs past the end";
      return std::nullopt;
    }
    if (id == "fmt ") {
      if (size < 16) {
        *problem = "format chunk shorter than 16 bytes";
        return std::nullopt;
      }
      wave.format_tag = U16(bytes, at + 8);
      wave.channels = U16(bytes, at + 10);
      wave.samples_per_second = U32(bytes, at + 12);
      wave.average_bytes_per_second = U32(bytes, at + 16);
      wave.block_align = U16(bytes, at + 20);
      wave.bits_per_sample = U16(bytes, at + 22);
      have_format = true;
    } else if (id == "data") {
      if (!have_format) {
        *problem = "data chunk before the format chunk";
        return std::nullopt;
      }
      wave.data.assign(bytes.begin() + at + 8, bytes.begin() + at + 8 + size);
      return wave;
    }
    at += 8 + size + (size & 1);
  }
  *problem = have_format ? "no data chunk" : "no format chunk";
  return std::nullopt;
}

std::vector<uint8_t> ToDefaultOutput(const PcmWave& wave) {
  std::vector<uint8_t> bytes;
  if (wave.bits_per_sample == 16) {
    for (size_t i = 0; i + 1 < wave.data.size(); i += 2)
      bytes.push_back(
          static_cast<uint8_t>((static_cast<int16_t>(wave.data[i] | wave.data[i + 1] << 8) >> 8) + 128));
  } else {
    bytes = wave.data;
  }
  std::vector<uint8_t> mono;
  if (wave.channels == 2) {
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
      mono.push_back(static_cast<uint8_t>((bytes[i] + bytes[i + 1]) / 2));
  } else {
    mono = bytes;
  }
  if (wave.samples_per_second <= kOutputRate) return mono;  // whole-number ratios only: no upsampling here
  const size_t group = (wave.samples_per_second + kOutputRate / 2) / kOutputRate;
  const size_t frames = mono.size() / group;
  std::vector<uint8_t> out;
  for (size_t m = 0; m + 1 < frames; ++m) {
    int sum = 0;
    for (size_t j = 0; j < group; ++j) sum += mono[m * group + j] - 128;
    out.push_back(static_cast<uint8_t>(sum / static_cast<int>(group) + 128));
  }
  if (frames > 0) out.push_back(mono[(frames - 1) * group]);
  return out;
}

double PowerShareAbove(const std::vector<uint8_t>& samples, double hz) {
  constexpr size_t kFrame = 256, kHop = 128;
  const size_t first_high_bin = static_cast<size_t>(std::ceil(hz * kFrame / kOutputRate));
  double mean = 0.0;
  for (uint8_t s : samples) mean += s;
  mean /= static_cast<double>(samples.size());
  std::vector<double> cosine(kFrame), sine(kFrame), window(kFrame);
  for (size_t i = 0; i < kFrame; ++i) {
    cosine[i] = std::cos(2.0 * std::numbers::pi * i / kFrame);
    sine[i] = std::sin(2.0 * std::numbers::pi * i / kFrame);
    window[i] = 0.5 - 0.5 * cosine[i];
  }
  double high = 0.0, total = 0.0;
  std::vector<double> frame(kFrame);
  for (size_t start = 0; start + kFrame <= samples.size(); start += kHop) {
    for (size_t i = 0; i < kFrame; ++i) frame[i] = (samples[start + i] - mean) * window[i];
    for (size_t k = 1; k <= kFrame / 2; ++k) {
      double re = 0.0, im = 0.0;
      for (size_t i = 0; i < kFrame; ++i) {
        re += frame[i] * cosine[k * i % kFrame];
        im -= frame[i] * sine[k * i % kFrame];
      }
      const double power = re * re + im * im;
      total += power;
      if (k >= first_high_bin) high += power;
    }
  }
  return total > 0.0 ? high / total : 0.0;
}
