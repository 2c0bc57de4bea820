// Loading and converting a 1-second 16-bit stereo 44100 Hz wave to the default 8-bit mono 11025 Hz
// output, beside SDL2's loader and converter and beside a plain read of the same file.
// Goal: WaveMixLoadWave from the file in at most twice the time of the plain read.

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine.h"
#include "platform/queued_message_windows.h"
#include "platform/wave_out_memory.h"

namespace {

constexpr uint32_t kRate = 44100;
constexpr uint16_t kChannels = 2;
constexpr uint32_t kDataBytes = kRate * kChannels * 2;  // one second of 16-bit stereo

void Append16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}
void Append32(std::vector<uint8_t>& out, uint32_t value) {
  Append16(out, uint16_t(value));
  Append16(out, uint16_t(value >> 16));
}
void AppendId(std::vector<uint8_t>& out, const char* id) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(id[i]));
}

// A 440 Hz tone on the left, 660 Hz on the right.
std::vector<uint8_t> ToneWave() {
  std::vector<uint8_t> out;
  AppendId(out, "RIFF");
  Append32(out, 4 + 8 + 16 + 8 + kDataBytes);
  AppendId(out, "WAVE");
  AppendId(out, "fmt ");
  Append32(out, 16);
  Append16(out, 1);
  Append16(out, kChannels);
  Append32(out, kRate);
  Append32(out, kRate * kChannels * 2);
  Append16(out, kChannels * 2);
  Append16(out, 16);
  AppendId(out, "data");
  Append32(out, kDataBytes);
  for (uint32_t i = 0; i < kRate; ++i) {
    Append16(out, uint16_t(int16_t(12000 * std::sin(2 * M_PI * 440 * i / kRate))));
    Append16(out, uint16_t(int16_t(12000 * std::sin(2 * M_PI * 660 * i / kRate))));
  }
  return out;
}

const std::vector<uint8_t>& WaveBytes() {
  static const std::vector<uint8_t> bytes = ToneWave();
  return bytes;
}

// The wave written once to a temporary file that is removed at exit.
const std::string& WavePath() {
  static std::string path;
  if (path.empty()) {
    char pattern[] = "/tmp/load_bench_XXXXXX";
    int fd = mkstemp(pattern);
    const std::vector<uint8_t>& bytes = WaveBytes();
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size())) std::abort();
    close(fd);
    path = pattern;
    std::atexit([] { std::remove(WavePath().c_str()); });
  }
  return path;
}

void FreeWave(LoadedWave* wave) {
  delete[] wave->header.lpData;
  delete wave;
}

// A default session (8-bit mono 11025 Hz) on the in-memory device.
struct Session {
  Session() {
    MixerPlatform mixerPlatform;
    mixerPlatform.waveOut = &backend;
    mixerPlatform.windows = &windows;
    mixerPlatform.settingsFile = "/nonexistent/WAVEMIX.INI";
    WaveMixSetPlatform(mixerPlatform);
    handle = WaveMixInit();
  }
  ~Session() { WaveMixEndSession(handle); }
  platform::MemoryWaveOutBackend backend;
  platform::QueuedMessageWindows windows;
  HMixSession handle = nullptr;
};

void BM_PlainRead(benchmark::State& state) {
  const char* path = WavePath().c_str();
  for (auto _ : state) {
    int fd = open(path, O_RDONLY);
    struct stat status;
    fstat(fd, &status);
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[size_t(status.st_size)]);
    ssize_t got = read(fd, buffer.get(), size_t(status.st_size));
    close(fd);
    benchmark::DoNotOptimize(got);
    benchmark::DoNotOptimize(buffer.get());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(WaveBytes().size()));
}
BENCHMARK(BM_PlainRead);

void BM_ConvertWave(benchmark::State& state) {
  platform::PcmWaveFormat target{1, 1, 11025, 11025, 1, 8};
  platform::PcmWaveFormat source{1, kChannels, kRate, kRate * kChannels * 2, kChannels * 2, 16};
  const uint8_t* data = WaveBytes().data() + 44;
  for (auto _ : state) {
    auto* samples = new uint8_t[kDataBytes];
    std::memcpy(samples, data, kDataBytes);
    int32_t bytes = int32_t(kDataBytes);
    uint8_t* out = ConvertWave(target, source, samples, bytes);
    benchmark::DoNotOptimize(out);
    delete[] out;
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * kDataBytes);
}
BENCHMARK(BM_ConvertWave);

void BM_WaveMixLoadWaveFromFile(benchmark::State& state) {
  Session session;
  const char* path = WavePath().c_str();
  for (auto _ : state) {
    LoadedWave* wave = WaveMixLoadWave(session.handle, path, nullptr, wfFile);
    benchmark::DoNotOptimize(wave->header.lpData);
    FreeWave(wave);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(WaveBytes().size()));
}
BENCHMARK(BM_WaveMixLoadWaveFromFile);

void BM_SdlLoadAndConvertFromFile(benchmark::State& state) {
  const char* path = WavePath().c_str();
  for (auto _ : state) {
    SDL_AudioSpec sourceFormat;
    Uint8* wav = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(SDL_RWFromFile(path, "rb"), 1, &sourceFormat, &wav, &length) == nullptr) {
      state.SkipWithError(SDL_GetError());
      break;
    }
    SDL_AudioCVT cvt;
    SDL_BuildAudioCVT(&cvt, sourceFormat.format, sourceFormat.channels, sourceFormat.freq, AUDIO_U8, 1, 11025);
    cvt.len = int(length);
    cvt.buf = static_cast<Uint8*>(SDL_malloc(size_t(length) * size_t(cvt.len_mult)));
    std::memcpy(cvt.buf, wav, length);
    SDL_ConvertAudio(&cvt);
    int converted = cvt.len_cvt;
    benchmark::DoNotOptimize(converted);
    SDL_free(cvt.buf);
    SDL_FreeWAV(wav);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(WaveBytes().size()));
}
BENCHMARK(BM_SdlLoadAndConvertFromFile);

}  // namespace

BENCHMARK_MAIN();
