// Plays one wave file to its end through the mixer: the smallest complete use of the library.
//   play_wave FILE.wav
#include <cstdio>
#include <thread>

#include "platform/queued_message_windows.h"
#include "platform/wave_out_sdl.h"
#include "wavemix/WaveMix.h"

int main(int argc, char** argv) {
  if (argc != 2) return std::fprintf(stderr, "usage: play_wave FILE.wav\n"), 2;
  platform::SdlWaveOutBackend device;
  platform::QueuedMessageWindows messages;  // our event loop: the main() below drains it
  MixerPlatform mixerPlatform;
  mixerPlatform.waveOut = &device;
  mixerPlatform.windows = &messages;
  WaveMixSetPlatform(mixerPlatform);
  bool finished = false;
  platform::WindowHandle listener = messages.create([&](uint32_t, uintptr_t, uintptr_t) { finished = true; });
  try {
    HMixSession session = WaveMixInit();
    WaveMixActivate(session, true);
    WaveMixChannelOpen(session, 0, ocSingle);
    LoadedWave* wave = WaveMixLoadWave(session, argv[1], nullptr, wfFile);
    PlayRequest request;
    request.hMixSession = session;
    request.channel = 0;
    request.wave = wave;
    request.notifyWnd = listener;  // told when the wave has been heard to its end
    WaveMixPlay(&request);
    while (!finished) {
      messages.deliverAll();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    WaveMixUnloadWave(session, wave);
    WaveMixEndSession(session);
  } catch (const EWaveMixError& error) {
    return std::fprintf(stderr, "play_wave: %s\n", error.what()), 1;
  }
  return 0;
}
