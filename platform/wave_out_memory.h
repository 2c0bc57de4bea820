#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "wave_out.h"

// A deterministic wave-output device that lives in memory: the test decides how many devices
// there are, what they report and accept, when play time passes and when something fails, and
// reads back every byte it was given.
namespace platform {

constexpr WaveResult WAVE_ERR_STILLPLAYING = 33;

// One device as a test describes it. Changes take effect at the next call that consults them.
struct MemoryDeviceDescription {
  WaveOutCaps caps;
  WaveResult capsError = WAVE_OK;  // non-zero: deviceCaps fails with this code
  WaveResult openError = WAVE_OK;  // non-zero: open fails with this code (e.g. held by another program)
  std::vector<PcmWaveFormat> acceptedFormats;  // empty: every format is accepted
  WaveResult prepareError = WAVE_OK;           // non-zero: prepareHeader fails with this code ...
  int preparesBeforeFailure = 0;               // ... after this many successful preparations of one opening
  WaveResult writeError = WAVE_OK;             // non-zero: write refuses every block with this code

  // A device named name (at most 31 bytes are kept) with the given channel count.
  static MemoryDeviceDescription named(const std::string& name, uint16_t channels = 2,
                                       bool synchronous = false);
  bool accepts(const PcmWaveFormat& format) const;
};

class MemoryWaveOutBackend;

class MemoryWaveOut final : public WaveOut {
 public:
  // One write as the device received it: the bytes are copied at the moment of writing.
  struct Write {
    const WaveHeader* header;
    std::size_t offset;  // into received()
    std::size_t length;
  };

  ~MemoryWaveOut() override;

  WaveResult prepareHeader(WaveHeader& header) override;
  WaveResult unprepareHeader(WaveHeader& header) override;
  WaveResult write(WaveHeader& header) override;
  WaveResult reset() override;
  WaveResult pause() override;
  WaveResult restart() override;
  WaveResult positionBytes(uint32_t& bytes) override;

  // Lets play time pass: plays up to `bytes` bytes of the written blocks in write order (fewer when
  // it runs dry; nothing while paused). Each block played to its end gets WHDR_DONE and one
  // MM_WOM_DONE posted to the callback window. Returns the bytes played.
  std::size_t advance(std::size_t bytes);
  // Plays until nothing is left or the device is paused.
  std::size_t playAll();

  std::size_t queuedBlocks() const { return queue_.size(); }
  // Bytes left to play of the block at the front of the queue; 0 when nothing is queued.
  std::size_t frontBytes() const {
    return queue_.empty() ? 0 : queue_.front().header->dwBufferLength - queue_.front().played;
  }
  std::size_t queuedBytes() const;
  bool paused() const { return paused_; }
  int preparedHeaders() const { return prepared_; }
  int resets() const { return resets_; }
  int refusedWrites() const { return refusedWrites_; }
  const PcmWaveFormat& format() const { return format_; }
  int deviceId() const { return deviceId_; }
  WindowHandle callbackWindow() const { return callbackWindow_; }

  // Every byte written, in write order, and the log of writes.
  const std::vector<uint8_t>& received() const { return received_; }
  const std::vector<Write>& writes() const { return writes_; }
  // Every byte played, read from the blocks at the moment they were played.
  const std::vector<uint8_t>& played() const { return played_; }
  // Byte count of the position, as positionBytes reports it.
  uint32_t position() const { return position_; }

 private:
  friend class MemoryWaveOutBackend;
  MemoryWaveOut(MemoryWaveOutBackend& backend, int deviceId, const PcmWaveFormat& format,
                MessageWindows& windows, WindowHandle callbackWindow);

  struct Playing {
    WaveHeader* header;
    std::size_t played;
  };

  void finish(WaveHeader& header);

  MemoryWaveOutBackend& backend_;
  int deviceId_;
  PcmWaveFormat format_;
  MessageWindows& windows_;
  WindowHandle callbackWindow_;
  std::deque<Playing> queue_;
  bool paused_ = false;
  uint32_t position_ = 0;
  int prepared_ = 0;
  int preparations_ = 0;
  int resets_ = 0;
  int refusedWrites_ = 0;
  std::vector<uint8_t> received_;
  std::vector<Write> writes_;
  std::vector<uint8_t> played_;
};

class MemoryWaveOutBackend final : public WaveOutBackend {
 public:
  // Starts with one stereo device named "Memory Wave Out".
  MemoryWaveOutBackend();

  std::vector<MemoryDeviceDescription> devices;
  // What device number WAVE_MAPPER reports and how it behaves.
  MemoryDeviceDescription mapper = MemoryDeviceDescription::named("Memory Wave Mapper");

  // Off: received() and played() stay empty and writes() is not logged (for long benchmark runs).
  bool recordBytes = true;

  // Called after every accepted write of any device, with the header just written.
  std::function<void(const WaveHeader&)> onWrite;

  // The device that is open now, or null. Only one may be open at a time.
  MemoryWaveOut* openDevice() const { return open_; }
  int opens() const { return opens_; }
  int closes() const { return closes_; }
  // Closings that found blocks still queued or headers still prepared.
  int untidyCloses() const { return untidyCloses_; }

  unsigned deviceCount() override;
  WaveResult deviceCaps(int deviceId, WaveOutCaps& caps) override;
  WaveResult queryFormat(int deviceId, const PcmWaveFormat& format) override;
  WaveResult open(std::unique_ptr<WaveOut>& out, int deviceId, const PcmWaveFormat& format,
                  MessageWindows& windows, WindowHandle callbackWindow) override;

 private:
  friend class MemoryWaveOut;
  const MemoryDeviceDescription* find(int deviceId) const;

  MemoryWaveOut* open_ = nullptr;
  int opens_ = 0;
  int closes_ = 0;
  int untidyCloses_ = 0;
};

}  // namespace platform
