#pragma once

#include <cstdint>
#include <vector>

// Bitmap and RIFF files store their numbers least significant byte first.
namespace zeru::content {

inline void PutU16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

inline void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

}  // namespace zeru::content
