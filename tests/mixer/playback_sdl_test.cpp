// The whole mixer on the SDL2 back-end, through SDL's "dummy" driver, which plays in real time
// into nothing: a session opens, takes the device, plays a wave to its end and tells the requester.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "engine.h"
#include "platform/queued_message_windows.h"
#include "platform/wave_out_sdl.h"

namespace {

struct EndOfPlay {
  uint32_t message;
  uintptr_t channel;
  uintptr_t wave;
};

TEST(SdlPlaybackTest, PlaysAWaveToItsEndAndTellsTheRequester) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  platform::SdlWaveOutBackend backend;
  platform::QueuedMessageWindows windows;
  MixerPlatform mixerPlatform;
  mixerPlatform.waveOut = &backend;
  mixerPlatform.windows = &windows;
  mixerPlatform.settingsFile =
      (std::filesystem::temp_directory_path() / "playback_sdl_test_absent.ini").string();
  WaveMixSetPlatform(mixerPlatform);

  std::vector<EndOfPlay> told;
  platform::WindowHandle requester =
      windows.create([&told](uint32_t message, uintptr_t wParam, uintptr_t lParam) {
        told.push_back({message, wParam, lParam});
      });

  HMixSession session = WaveMixInit();
  WaveMixChannelOpen(session, 0, ocSingle);
  WaveMixActivate(session, true);

  // About 0.27 s at 11025 Hz: a rising tone.
  auto* wave = new LoadedWave{};
  constexpr uint32_t kLength = 3000;
  wave->header.lpData = new uint8_t[kLength];
  for (uint32_t i = 0; i < kLength; ++i) wave->header.lpData[i] = static_cast<uint8_t>(128 + (i % 64) - 32);
  wave->header.dwBufferLength = kLength;

  PlayRequest request;
  request.hMixSession = session;
  request.channel = 0;
  request.wave = wave;
  request.notifyWnd = requester;
  WaveMixPlay(&request);

  // Delivers the posted messages as an event loop would, until the end-of-play message arrives;
  // the deadline only keeps a broken run from hanging.
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (told.empty() && std::chrono::steady_clock::now() < deadline) {
    windows.deliverAll();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }

  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].message, MM_WOM_DONE);
  EXPECT_EQ(told[0].channel, 0u);
  EXPECT_EQ(told[0].wave, reinterpret_cast<uintptr_t>(wave));
  EXPECT_EQ(session->channels[0], nullptr);
  EXPECT_GE(session->mixPos, static_cast<int32_t>(kLength));

  WaveMixUnloadWave(session, wave);
  WaveMixEndSession(session);
  EXPECT_EQ(engine.currentSession, nullptr);
  WaveMixSetPlatform(MixerPlatform{});
}

}  // namespace
