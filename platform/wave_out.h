#pragma once

#include <cstdint>
#include <memory>

#include "message_window.h"
#include "wave_format.h"

// Our wave-output layer: what the mixer needs from a sound device, behind one interface with
// interchangeable back-ends (SDL2 for real sound, an in-memory device for tests).
namespace platform {

// Result codes: 0 is success, anything else a device-specific error number.
using WaveResult = uint32_t;
constexpr WaveResult WAVE_OK = 0;
constexpr WaveResult WAVE_ERR_BADDEVICEID = 2;
constexpr WaveResult WAVE_ERR_ALLOCATED = 4;
constexpr WaveResult WAVE_ERR_NOMEM = 7;
constexpr WaveResult WAVE_ERR_BADFORMAT = 32;
constexpr WaveResult WAVE_ERR_UNPREPARED = 34;

constexpr int WAVE_MAPPER = -1;  // "any suitable device"

// The message a device posts to its callback window for every block it has finished; the
// second parameter is the block's WaveHeader*.
constexpr uint32_t MM_WOM_DONE = 957;

constexpr uint32_t WAVECAPS_SYNC = 0x10;  // the device blocks while it plays

struct WaveOutCaps {
  char szPname[32] = {};  // product name, NUL-terminated, at most 31 bytes
  uint32_t dwSupport = 0;
  uint16_t wChannels = 0;
};

// One open output device. Blocks are played in write order; each finished block gets WHDR_DONE
// and one MM_WOM_DONE message posted to the callback window.
class WaveOut {
 public:
  virtual ~WaveOut() = default;
  virtual WaveResult prepareHeader(WaveHeader& header) = 0;
  virtual WaveResult unprepareHeader(WaveHeader& header) = 0;
  virtual WaveResult write(WaveHeader& header) = 0;
  // Stops playback, returns every held block done (posting its message) and restarts the byte count at 0.
  virtual WaveResult reset() = 0;
  virtual WaveResult pause() = 0;
  virtual WaveResult restart() = 0;
  // Bytes played since open or the last reset.
  virtual WaveResult positionBytes(uint32_t& bytes) = 0;
};

class WaveOutBackend {
 public:
  virtual ~WaveOutBackend() = default;
  virtual unsigned deviceCount() = 0;
  virtual WaveResult deviceCaps(int deviceId, WaveOutCaps& caps) = 0;
  // Asks whether the device could play the format; nothing is opened.
  virtual WaveResult queryFormat(int deviceId, const PcmWaveFormat& format) = 0;
  virtual WaveResult open(std::unique_ptr<WaveOut>& out, int deviceId, const PcmWaveFormat& format,
                          MessageWindows& windows, WindowHandle callbackWindow) = 0;
};

}  // namespace platform
