// The block pump's cost per block on the in-memory device: one block-done notice reclaims the
// block, retires the nodes heard to their end and refills the block from 8 busy channels.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine.h"
#include "platform/manual_clock.h"
#include "platform/queued_message_windows.h"
#include "platform/wave_out_memory.h"

namespace {

// Nodes kept queued per channel: enough that no channel runs dry between two top-ups.
constexpr int kQueuedPerChannel = 4;

int QueueLength(const MixerSession& session, int channel) {
  int length = 0;
  for (PlayNode* node = session.channels[channel]; node != nullptr; node = node->next) ++length;
  return length;
}

// Waves of `length` random bytes, different per channel; they end at different places in a block,
// so that nearly every block retires a node somewhere.
std::vector<std::vector<uint8_t>> MakeWaves(int32_t firstLength) {
  std::mt19937 random(7);
  std::vector<std::vector<uint8_t>> waves;
  for (int channel = 0; channel < kChannelCount; ++channel) {
    std::vector<uint8_t> samples(static_cast<std::size_t>(firstLength + 211 * channel));
    for (uint8_t& sample : samples) sample = static_cast<uint8_t>(random());
    waves.push_back(std::move(samples));
  }
  return waves;
}

void BM_PumpPerBlock(benchmark::State& state) {
  const auto blockLen = static_cast<int32_t>(state.range(0));
  const bool retiring = state.range(1) != 0;

  platform::MemoryWaveOutBackend backend;
  backend.recordBytes = false;
  platform::QueuedMessageWindows windows;
  platform::ManualClock clock;
  std::string settings = (std::filesystem::temp_directory_path() / "pump_bench_wavemix.ini").string();
  std::ofstream(settings) << "[default]\nGoodWavePos=1\nWaveBlocks=3\nWaveBlockLen=" << blockLen << "\n";
  MixerPlatform mixerPlatform;
  mixerPlatform.waveOut = &backend;
  mixerPlatform.windows = &windows;
  mixerPlatform.clock = &clock;
  mixerPlatform.settingsFile = settings;
  WaveMixSetPlatform(mixerPlatform);

  std::vector<std::vector<uint8_t>> samples = MakeWaves(1500);
  std::vector<LoadedWave> waves(kChannelCount);
  for (int channel = 0; channel < kChannelCount; ++channel) {
    waves[channel].header.lpData = samples[channel].data();
    waves[channel].header.dwBufferLength = static_cast<uint32_t>(samples[channel].size());
  }
  platform::WindowHandle requester = windows.create([](uint32_t, uintptr_t, uintptr_t) {});

  HMixSession session = WaveMixInit();
  WaveMixChannelOpen(session, 0, ocAll);
  WaveMixActivate(session, true);
  auto topUp = [&] {
    for (int channel = 0; channel < kChannelCount; ++channel) {
      for (int queued = QueueLength(*session, channel); queued < kQueuedPerChannel; ++queued) {
        PlayRequest request;
        request.hMixSession = session;
        request.channel = channel;
        request.wave = &waves[channel];
        request.notifyWnd = requester;
        request.loops = retiring ? 0 : kLoopForever;
        WaveMixPlay(&request);
      }
    }
  };
  topUp();
  platform::MemoryWaveOut& device = *backend.openDevice();

  for (auto _ : state) {
    device.advance(device.frontBytes());  // one block played: one notice posted
    windows.deliverOne();                 // the pump
    state.PauseTiming();
    windows.deliverAll();  // the end-of-play messages
    if (retiring) topUp();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * blockLen);

  WaveMixEndSession(session);
  WaveMixSetPlatform(MixerPlatform{});
  std::filesystem::remove(settings);
}

// Arguments: block length in bytes; 1 when nodes end and are retired, 0 for endless nodes.
BENCHMARK(BM_PumpPerBlock)
    ->ArgNames({"blockLen", "retiring"})
    ->Args({2048, 1})
    ->Args({2048, 0})
    ->Args({4096, 1});

}  // namespace

BENCHMARK_MAIN();
