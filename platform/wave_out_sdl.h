#pragma once

#include "wave_out.h"

// The SDL2 back-end of the wave-output layer. It uses SDL's audio subsystem only, started when
// the back-end is made and stopped when it goes. SDL's own signal handlers stay off, so that the
// program still ends on SIGINT and SIGTERM.
//
// Devices are SDL's output devices in SDL's order; WAVE_MAPPER is SDL's default device. With SDL's
// default driver and no sound hardware there are none. A device opens with exactly the requested
// 8-bit format and a small buffer (256 frames at 11025 Hz, proportionally more at higher rates),
// so it adds at most that much latency; it plays silence (128) while it has no block or is paused.
// The back-end must outlive the devices it opens.
namespace platform {

class SdlWaveOutBackend final : public WaveOutBackend {
 public:
  SdlWaveOutBackend();
  ~SdlWaveOutBackend() override;
  SdlWaveOutBackend(const SdlWaveOutBackend&) = delete;
  SdlWaveOutBackend& operator=(const SdlWaveOutBackend&) = delete;

  unsigned deviceCount() override;
  WaveResult deviceCaps(int deviceId, WaveOutCaps& caps) override;
  WaveResult queryFormat(int deviceId, const PcmWaveFormat& format) override;
  WaveResult open(std::unique_ptr<WaveOut>& out, int deviceId, const PcmWaveFormat& format,
                  MessageWindows& windows, WindowHandle callbackWindow) override;

 private:
  bool started_ = false;
};

}  // namespace platform
