#include "support/wave_builder.h"

namespace wavebuild {

namespace {

void Append16(Bytes& out, uint16_t value) {
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

void Append32(Bytes& out, uint32_t value) {
  Append16(out, uint16_t(value));
  Append16(out, uint16_t(value >> 16));
}

}  // namespace

Bytes ChunkClaiming(const char* id, uint32_t claimed, const Bytes& data) {
  Bytes out(id, id + 4);
  Append32(out, claimed);
  out.insert(out.end(), data.begin(), data.end());
  if (data.size() % 2) out.push_back(0);
  return out;
}

Bytes Chunk(const char* id, const Bytes& data) { return ChunkClaiming(id, uint32_t(data.size()), data); }

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

Bytes Riff(const char* form, const Bytes& chunks) {
  return Chunk("RIFF", Join({Bytes(form, form + 4), chunks}));
}

Bytes FormatData(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
  uint16_t blockAlign = uint16_t(channels * ((bits + 7) / 8));
  Bytes out;
  Append16(out, tag);
  Append16(out, channels);
  Append32(out, rate);
  Append32(out, rate * blockAlign);
  Append16(out, blockAlign);
  Append16(out, bits);
  return out;
}

Bytes PcmWave(uint16_t channels, uint32_t rate, uint16_t bits, const Bytes& samples) {
  return Riff("WAVE", Join({Chunk("fmt ", FormatData(1, channels, rate, bits)), Chunk("data", samples)}));
}

}  // namespace wavebuild
