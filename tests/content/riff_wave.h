#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A RIFF PCM wave as the mixer reads it: the first 16 bytes of the format
// chunk and the data chunk that follows it.
struct PcmWave {
  uint16_t format_tag = 0;
  uint16_t channels = 0;
  uint32_t samples_per_second = 0;
  uint32_t average_bytes_per_second = 0;
  uint16_t block_align = 0;
  uint16_t bits_per_sample = 0;
  std::vector<uint8_t> data;
};

// Reads the file; on a malformed file returns nothing and says why.
std::optional<PcmWave> ReadPcmWave(const QString& path, std::string* problem);

// The samples as the mixer's default output holds them: unsigned 8-bit mono at
// 11025 Hz, converted bits first, then channels, then rate, the way the loader does.
std::vector<uint8_t> ToDefaultOutput(const PcmWave& wave);

// Share of the signal's power (DC removed) at or above `hz` in an 11025 Hz
// 8-bit stream, from short Hann-windowed transforms.
double PowerShareAbove(const std::vector<uint8_t>& samples, double hz);
