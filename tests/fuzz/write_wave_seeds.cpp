// Writes the wave loader fuzzer's seed corpus into the folder given as the only argument: a
// leading byte choosing the session's format, then a small RIFF image, valid or broken.

#include <cstdio>
#include <string>
#include <vector>

#include "support/wave_builder.h"

using namespace wavebuild;

namespace {

Bytes Ramp(size_t bytes) {
  Bytes out(bytes);
  for (size_t i = 0; i < bytes; ++i) out[i] = uint8_t(i * 37 + 11);
  return out;
}

bool WriteSeed(const std::string& folder, int index, uint8_t session, const Bytes& image) {
  std::string path = folder + "/seed_" + std::to_string(index);
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::fputc(session, file);
  bool ok = std::fwrite(image.data(), 1, image.size(), file) == image.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const Bytes format = FormatData(1, 1, 11025, 8);
  std::vector<Bytes> images;
  for (uint16_t bits : {8, 16, 24})
    for (uint16_t channels : {1, 2, 3})
      for (uint32_t rate : {8000u, 11025u, 22050u, 44100u})
        images.push_back(PcmWave(channels, rate, bits, Ramp(64)));
  images.push_back(
      Riff("WAVE", Join({Chunk("LIST", Ramp(5)), Chunk("fmt ", format), Chunk("data", Ramp(9))})));
  images.push_back(Riff("WAVE", Join({Chunk("data", Ramp(4)), Chunk("fmt ", format)})));
  for (uint32_t claimed : {0xFFFFFFF0u, 0x7FFFFFF0u, 0x40000000u})
    images.push_back(Riff("WAVE", Join({Chunk("fmt ", format), ChunkClaiming("data", claimed, Ramp(8))})));
  images.push_back(Riff("WAVE", Join({Chunk("fmt ", FormatData(2, 1, 11025, 4)), Chunk("data", Ramp(4))})));
  images.push_back(Riff("WAVE", Chunk("fmt ", Bytes(format.begin(), format.begin() + 12))));
  images.push_back(PcmWave(1, 1, 8, Ramp(4)));
  images.push_back(Riff("AVI ", Chunk("data", Ramp(2))));

  int index = 0;
  for (const Bytes& image : images)
    for (uint8_t session : {0, 3, 4})
      if (!WriteSeed(argv[1], index++, session, image)) {
        std::perror(argv[1]);
        return 1;
      }
  return 0;
}
