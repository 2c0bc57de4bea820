#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

// Builders of RIFF wave images for tests: chunks are written exactly as given, so a test can
// also build broken files (wrong sizes, missing or misplaced chunks).
namespace wavebuild {

using Bytes = std::vector<uint8_t>;

// A chunk whose size field says `claimed`, then the data and a pad byte when the data is odd.
Bytes ChunkClaiming(const char* id, uint32_t claimed, const Bytes& data);
// A chunk whose size field is its data's size.
Bytes Chunk(const char* id, const Bytes& data);
Bytes Join(std::initializer_list<Bytes> parts);
// A RIFF chunk of the given form type holding the given chunks.
Bytes Riff(const char* form, const Bytes& chunks);
// The 16 bytes of a format chunk; block align and bytes per second follow from the others.
Bytes FormatData(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits);
// A PCM wave: RIFF "WAVE" with "fmt " and "data".
Bytes PcmWave(uint16_t channels, uint32_t rate, uint16_t bits, const Bytes& samples);

}  // namespace wavebuild
