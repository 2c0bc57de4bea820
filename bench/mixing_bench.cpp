// Block mixing throughput: MixSources and FillBlock for 1, 2, 4 and 8 sources at 2048- and
// 4096-byte blocks, beside a plain copy of the output bytes and beside SDL's own unsigned 8-bit
// mixing routine applied once per source. Every variant reads the same source bytes.
//
// Goals at 2048-byte blocks on a plain x86-64 build: 8 sources at least 40 times SDL's
// throughput, 2 sources at least 25 times, 1 source within 10 % of the copy.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine.h"

namespace {

constexpr int kMaxSources = 8;

// Eight source waves of random bytes, long enough for any block.
const std::array<std::vector<uint8_t>, kMaxSources>& SourceBytes() {
  static const auto bytes = [] {
    std::array<std::vector<uint8_t>, kMaxSources> waves;
    std::mt19937 random(1234);
    for (auto& wave : waves) {
      wave.resize(kBlockBytes);
      for (auto& byte : wave) byte = static_cast<uint8_t>(random());
    }
    return waves;
  }();
  return bytes;
}

std::array<const uint8_t*, kMaxSources> SourcePointers() {
  std::array<const uint8_t*, kMaxSources> pointers{};
  for (int i = 0; i < kMaxSources; ++i) pointers[i] = SourceBytes()[i].data();
  return pointers;
}

void SetThroughput(benchmark::State& state, int length) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * length);
}

void BM_MixSources(benchmark::State& state) {
  const int sources = static_cast<int>(state.range(0));
  const int length = static_cast<int>(state.range(1));
  const auto pointers = SourcePointers();
  std::vector<uint8_t> out(kBlockBytes);
  for (auto _ : state) {
    MixSources(out.data(), pointers.data(), sources, length);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  SetThroughput(state, length);
}

// A session whose first `sources` channels each hold one endless node over a source wave, so that
// a block is one run of all sources, as in steady playing.
void BM_FillBlock(benchmark::State& state) {
  const int sources = static_cast<int>(state.range(0));
  const int length = static_cast<int>(state.range(1));
  auto session = std::make_unique<MixerSession>();
  auto block = std::make_unique<MixBlock>();
  std::array<PlayNode, kMaxSources> nodes{};
  for (auto& channel : session->channels) channel = kClosedChannel;
  session->blockLen = length;
  session->blockCount = 1;
  for (int i = 0; i < sources; ++i) {
    nodes[i].params.loops = kLoopForever;
    nodes[i].length = kBlockBytes;
    nodes[i].startPos = 0;
    nodes[i].endPos = kNever;
    nodes[i].samples = SourceBytes()[i].data();
    session->channels[i] = &nodes[i];
  }
  engine.currentSession = session.get();
  for (auto _ : state) {
    session->mixPos = 0;
    benchmark::DoNotOptimize(FillBlock(block.get(), false));
    benchmark::ClobberMemory();
  }
  engine.currentSession = nullptr;
  SetThroughput(state, length);
}

void BM_Memcpy(benchmark::State& state) {
  const int length = static_cast<int>(state.range(1));
  std::vector<uint8_t> out(kBlockBytes);
  for (auto _ : state) {
    std::memcpy(out.data(), SourceBytes()[0].data(), static_cast<size_t>(length));
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  SetThroughput(state, length);
}

// SDL mixes into a buffer that must start as silence, one source per call.
void BM_SdlMixAudioFormat(benchmark::State& state) {
  const int sources = static_cast<int>(state.range(0));
  const int length = static_cast<int>(state.range(1));
  const auto pointers = SourcePointers();
  std::vector<uint8_t> out(kBlockBytes);
  for (auto _ : state) {
    std::memset(out.data(), 128, static_cast<size_t>(length));
    for (int i = 0; i < sources; ++i) {
      SDL_MixAudioFormat(out.data(), pointers[i], AUDIO_U8, static_cast<Uint32>(length), SDL_MIX_MAXVOLUME);
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  SetThroughput(state, length);
}

// The minimum over repetitions is the figure least disturbed by other work on a shared machine.
double Minimum(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

void BlockShapes(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"sources", "bytes"})->ComputeStatistics("min", Minimum);
  for (int length : {2048, 4096}) {
    for (int sources : {1, 2, 4, 8}) bench->Args({sources, length});
  }
}

BENCHMARK(BM_MixSources)->Apply(BlockShapes);
BENCHMARK(BM_FillBlock)->Apply(BlockShapes);
BENCHMARK(BM_SdlMixAudioFormat)->Apply(BlockShapes);
BENCHMARK(BM_Memcpy)
    ->ArgNames({"sources", "bytes"})
    ->ComputeStatistics("min", Minimum)
    ->Args({1, 2048})
    ->Args({1, 4096});

// Prints the ratios the goals speak of after the usual table, from the minimum when the run is
// repeated (e.g. --benchmark_repetitions=10 --benchmark_report_aggregates_only=true).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "min") continue;
      cpuTime_[run.run_name.str()] = run.GetAdjustedCPUTime();
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::string text =
        "\nbytes sources  SDL/MixSources  SDL/FillBlock  MixSources/memcpy  FillBlock/memcpy\n";
    for (int length : {2048, 4096}) {
      const std::string shape = "/bytes:" + std::to_string(length);
      const double copy = time("BM_Memcpy/sources:1" + shape);
      for (int sources : {1, 2, 4, 8}) {
        const std::string key = "/sources:" + std::to_string(sources) + shape;
        const double sdl = time("BM_SdlMixAudioFormat" + key);
        const double mix = time("BM_MixSources" + key);
        const double fill = time("BM_FillBlock" + key);
        char line[128];
        std::snprintf(line, sizeof line, "%5d %7d %15.1f %14.1f %18.2f %17.2f\n", length, sources, sdl / mix,
                      sdl / fill, mix / copy, fill / copy);
        text += line;
      }
    }
    text += "goals at 2048 bytes: 8 sources >= 40, 2 sources >= 25 times SDL; 1 source <= 1.10 of memcpy\n";
    GetOutputStream() << text;
  }

 private:
  double time(const std::string& name) const {
    const auto found = cpuTime_.find(name);
    return found == cpuTime_.end() ? 0.0 : found->second;
  }

  std::map<std::string, double> cpuTime_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
