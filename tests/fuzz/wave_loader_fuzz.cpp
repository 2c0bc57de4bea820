// Fuzzes WaveMixLoadWave. The first byte of an input chooses the session's output format (bit 0:
// stereo; bits 1-2: rate code 11, 22, 44, 11); the rest is the RIFF image. Each image is loaded
// from memory and from a file: both must give the same samples or the same message, every failure
// must be an EWaveMixError, and nothing may leak or crash.

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "engine.h"
#include "platform/queued_message_windows.h"
#include "platform/wave_out_memory.h"

namespace {

using Outcome = std::variant<std::vector<uint8_t>, std::string>;  // samples or message

Outcome Load(HMixSession session, const char* name, uint32_t source) {
  LoadedWave* wave = nullptr;
  try {
    wave = WaveMixLoadWave(session, name, nullptr, source);
  } catch (const EWaveMixError& error) {
    return std::string(error.what());
  }
  if (wave == nullptr || wave->header.lpData == nullptr || wave->header.dwBufferLength == 0) std::abort();
  std::vector<uint8_t> samples(wave->header.lpData, wave->header.lpData + wave->header.dwBufferLength);
  delete[] wave->header.lpData;
  delete wave;
  return samples;
}

struct Fixture {
  Fixture() {
    char pattern[] = "/tmp/wave_loader_fuzz_XXXXXX";
    fd = mkstemp(pattern);
    if (fd < 0) std::abort();
    path = pattern;
    MixerPlatform mixerPlatform;
    mixerPlatform.waveOut = &backend;
    mixerPlatform.windows = &windows;
    mixerPlatform.settingsFile = "/nonexistent/WAVEMIX.INI";
    WaveMixSetPlatform(mixerPlatform);
  }
  ~Fixture() {
    close(fd);
    unlink(path.c_str());
  }
  void WriteFile(const uint8_t* data, size_t size) {
    if (ftruncate(fd, 0) != 0 || (size != 0 && pwrite(fd, data, size, 0) != ssize_t(size))) std::abort();
  }

  platform::MemoryWaveOutBackend backend;
  platform::QueuedMessageWindows windows;
  int fd = -1;
  std::string path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Fixture fixture;
  if (size == 0) return 0;
  static const uint16_t kRateCodes[] = {11, 22, 44, 11};
  MixerConfig config;
  config.flags = cfChannels | cfSamplingRate;
  config.channelCount = (data[0] & 1) ? 2 : 1;
  config.samplingRate = kRateCodes[(data[0] >> 1) & 3];
  const uint8_t* image = data + 1;
  size_t imageSize = size - 1;

  HMixSession session = WaveMixInitWithConfig(&config);
  MemoryFileInfo info;
  info.pchBuffer = image;
  info.cchBuffer = int32_t(imageSize);
  Outcome fromMemory = Load(session, reinterpret_cast<const char*>(&info), wfMemory);
  fixture.WriteFile(image, imageSize);
  Outcome fromFile = Load(session, fixture.path.c_str(), wfFile);
  WaveMixEndSession(session);
  if (fromMemory != fromFile) std::abort();
  return 0;
}
