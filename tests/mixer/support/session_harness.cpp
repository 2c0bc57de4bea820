#include "session_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

SessionHarness::SessionHarness() {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test != nullptr ? std::string(test->test_suite_name()) + "." + test->name() : "harness";
  std::replace(name.begin(), name.end(), '/', '_');
  settingsPath = (std::filesystem::temp_directory_path() / ("wavemix_" + name + ".ini")).string();
  std::filesystem::remove(settingsPath);

  MixerPlatform mixerPlatform;
  mixerPlatform.waveOut = &backend;
  mixerPlatform.windows = &windows;
  mixerPlatform.clock = &clock;
  mixerPlatform.settingsFile = settingsPath;
  mixerPlatform.alarm = [this] { ++alarms; };
  WaveMixSetPlatform(mixerPlatform);

  notifyWindow_ = windows.create([this](uint32_t message, uintptr_t wParam, uintptr_t lParam) {
    endOfPlay.push_back({message, wParam, reinterpret_cast<LoadedWave*>(lParam)});
  });
}

SessionHarness::~SessionHarness() {
  if (engine.currentSession != nullptr) {
    try {
      WaveMixEndSession(engine.currentSession);
    } catch (const EWaveMixError& error) {
      ADD_FAILURE() << "ending the session failed: " << error.what();
    }
  }
  for (LoadedWave* wave : waves_) {
    delete[] wave->header.lpData;
    delete wave;
  }
  WaveMixSetPlatform(MixerPlatform{});
  std::filesystem::remove(settingsPath);
}

void SessionHarness::WriteSettings(const std::string& text) {
  std::ofstream(settingsPath, std::ios::binary) << text;
}

LoadedWave* SessionHarness::NewWave(std::vector<uint8_t> samples) {
  auto* wave = new LoadedWave{};
  wave->format = {platform::WAVE_FORMAT_PCM, 1, 11025, 11025, 1, 8};
  wave->header.lpData = new uint8_t[samples.size()];
  std::copy(samples.begin(), samples.end(), wave->header.lpData);
  wave->header.dwBufferLength = static_cast<uint32_t>(samples.size());
  waves_.push_back(wave);
  return wave;
}

LoadedWave* SessionHarness::NewRamp(int32_t length, uint8_t first) {
  std::vector<uint8_t> samples(static_cast<std::size_t>(length));
  for (int32_t i = 0; i < length; ++i) samples[static_cast<std::size_t>(i)] = static_cast<uint8_t>(first + i);
  return NewWave(std::move(samples));
}

void SessionHarness::Unload(HMixSession session, LoadedWave* wave) {
  WaveMixUnloadWave(session, wave);
  std::erase(waves_, wave);
}

HMixSession SessionHarness::StartActive(const char* settings) {
  if (settings != nullptr) WriteSettings(settings);
  HMixSession session = WaveMixInit();
  WaveMixChannelOpen(session, 0, ocAll);
  WaveMixActivate(session, true);
  return session;
}

void SessionHarness::PlayWave(HMixSession session, int32_t channel, LoadedWave* wave, uint32_t flags,
                              uint16_t loops, bool notify) {
  PlayRequest request;
  request.hMixSession = session;
  request.channel = channel;
  request.wave = wave;
  request.notifyWnd = notify ? notifyWindow_ : 0;
  request.flags = flags;
  request.loops = loops;
  WaveMixPlay(&request);
}

platform::MemoryWaveOut& SessionHarness::Device() {
  platform::MemoryWaveOut* device = backend.openDevice();
  if (device == nullptr) throw std::logic_error("no device is open");
  return *device;
}

void SessionHarness::Play(std::size_t bytes) {
  // Block by block, so that the pump refills the device as it would while playing on.
  while (bytes > 0 && Device().queuedBlocks() > 0 && !Device().paused()) {
    bytes -= Device().advance(std::min(bytes, Device().frontBytes()));
    windows.deliverAll();
  }
  windows.deliverAll();
}

std::string ErrorOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const EWaveMixError& error) {
    return error.what();
  }
  return "";
}

int FreeNodeCount() {
  int count = 0;
  for (PlayNode* node = engine.freeNodes; node != nullptr && count <= kNodeCount; node = node->next) ++count;
  return count;
}
