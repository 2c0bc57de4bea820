#include "platform/wave_out_memory.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

bool SameFormat(const PcmWaveFormat& a, const PcmWaveFormat& b) {
  return a.wFormatTag == b.wFormatTag && a.nChannels == b.nChannels && a.nSamplesPerSec == b.nSamplesPerSec &&
         a.nAvgBytesPerSec == b.nAvgBytesPerSec && a.nBlockAlign == b.nBlockAlign &&
         a.wBitsPerSample == b.wBitsPerSample;
}

}  // namespace

MemoryDeviceDescription MemoryDeviceDescription::named(const std::string& name, uint16_t channels,
                                                       bool synchronous) {
  MemoryDeviceDescription described;
  std::size_t kept = std::min(name.size(), sizeof described.caps.szPname - 1);
  std::memcpy(described.caps.szPname, name.data(), kept);
  described.caps.szPname[kept] = '\0';
  described.caps.wChannels = channels;
  described.caps.dwSupport = synchronous ? WAVECAPS_SYNC : 0;
  return described;
}

bool MemoryDeviceDescription::accepts(const PcmWaveFormat& format) const {
  if (acceptedFormats.empty()) return true;
  return std::any_of(acceptedFormats.begin(), acceptedFormats.end(),
                     [&format](const PcmWaveFormat& accepted) { return SameFormat(accepted, format); });
}

// ---- Device ----------------------------------------------------------------------------------

MemoryWaveOut::MemoryWaveOut(MemoryWaveOutBackend& backend, int deviceId, const PcmWaveFormat& format,
                             MessageWindows& windows, WindowHandle callbackWindow)
    : backend_(backend),
      deviceId_(deviceId),
      format_(format),
      windows_(windows),
      callbackWindow_(callbackWindow) {}

MemoryWaveOut::~MemoryWaveOut() {
  ++backend_.closes_;
  if (!queue_.empty() || prepared_ != 0) ++backend_.untidyCloses_;
  if (backend_.open_ == this) backend_.open_ = nullptr;
}

WaveResult MemoryWaveOut::prepareHeader(WaveHeader& header) {
  const MemoryDeviceDescription* described = backend_.find(deviceId_);
  if (described != nullptr && described->prepareError != WAVE_OK &&
      preparations_ >= described->preparesBeforeFailure) {
    return described->prepareError;
  }
  ++preparations_;
  if ((header.dwFlags & WHDR_PREPARED) == 0) ++prepared_;
  header.dwFlags |= WHDR_PREPARED;
  return WAVE_OK;
}

WaveResult MemoryWaveOut::unprepareHeader(WaveHeader& header) {
  bool queued =
      std::any_of(queue_.begin(), queue_.end(), [&header](const Playing& p) { return p.header == &header; });
  if (queued) return WAVE_ERR_STILLPLAYING;
  if ((header.dwFlags & WHDR_PREPARED) != 0) --prepared_;
  header.dwFlags &= ~WHDR_PREPARED;
  return WAVE_OK;
}

WaveResult MemoryWaveOut::write(WaveHeader& header) {
  if ((header.dwFlags & WHDR_PREPARED) == 0) return WAVE_ERR_UNPREPARED;
  bool queued =
      std::any_of(queue_.begin(), queue_.end(), [&header](const Playing& p) { return p.header == &header; });
  if (queued) return WAVE_ERR_STILLPLAYING;
  const MemoryDeviceDescription* described = backend_.find(deviceId_);
  if (described != nullptr && described->writeError != WAVE_OK) {
    ++refusedWrites_;
    return described->writeError;
  }

  header.dwFlags &= ~WHDR_DONE;
  queue_.push_back({&header, 0});
  if (backend_.recordBytes) {
    writes_.push_back({&header, received_.size(), header.dwBufferLength});
    received_.insert(received_.end(), header.lpData, header.lpData + header.dwBufferLength);
  }
  if (backend_.onWrite) backend_.onWrite(header);
  return WAVE_OK;
}

void MemoryWaveOut::finish(WaveHeader& header) {
  header.dwFlags |= WHDR_DONE;
  windows_.post(callbackWindow_, MM_WOM_DONE, 0, reinterpret_cast<uintptr_t>(&header));
}

WaveResult MemoryWaveOut::reset() {
  ++resets_;
  std::deque<Playing> held;
  held.swap(queue_);
  for (Playing& playing : held) finish(*playing.header);
  position_ = 0;
  return WAVE_OK;
}

WaveResult MemoryWaveOut::pause() {
  paused_ = true;
  return WAVE_OK;
}

WaveResult MemoryWaveOut::restart() {
  paused_ = false;
  return WAVE_OK;
}

WaveResult MemoryWaveOut::positionBytes(uint32_t& bytes) {
  bytes = position_;
  return WAVE_OK;
}

std::size_t MemoryWaveOut::advance(std::size_t bytes) {
  std::size_t total = 0;
  while (!paused_ && !queue_.empty()) {
    Playing& front = queue_.front();
    std::size_t left = front.header->dwBufferLength - front.played;
    std::size_t n = std::min(left, bytes);
    if (n == 0 && left != 0) break;
    const uint8_t* from = front.header->lpData + front.played;
    if (backend_.recordBytes) played_.insert(played_.end(), from, from + n);
    front.played += n;
    position_ += static_cast<uint32_t>(n);
    bytes -= n;
    total += n;
    if (front.played == front.header->dwBufferLength) {
      WaveHeader& done = *front.header;
      queue_.pop_front();
      finish(done);
    }
  }
  return total;
}

std::size_t MemoryWaveOut::playAll() { return advance(queuedBytes()); }

std::size_t MemoryWaveOut::queuedBytes() const {
  std::size_t bytes = 0;
  for (const Playing& playing : queue_) bytes += playing.header->dwBufferLength - playing.played;
  return bytes;
}

// ---- Back-end --------------------------------------------------------------------------------

MemoryWaveOutBackend::MemoryWaveOutBackend() {
  devices.push_back(MemoryDeviceDescription::named("Memory Wave Out"));
}

const MemoryDeviceDescription* MemoryWaveOutBackend::find(int deviceId) const {
  if (deviceId == WAVE_MAPPER) return &mapper;
  if (deviceId < 0 || static_cast<std::size_t>(deviceId) >= devices.size()) return nullptr;
  return &devices[static_cast<std::size_t>(deviceId)];
}

unsigned MemoryWaveOutBackend::deviceCount() { return static_cast<unsigned>(devices.size()); }

WaveResult MemoryWaveOutBackend::deviceCaps(int deviceId, WaveOutCaps& caps) {
  const MemoryDeviceDescription* described = find(deviceId);
  if (described == nullptr) return WAVE_ERR_BADDEVICEID;
  if (described->capsError != WAVE_OK) return described->capsError;
  caps = described->caps;
  caps.szPname[sizeof caps.szPname - 1] = '\0';
  return WAVE_OK;
}

WaveResult MemoryWaveOutBackend::queryFormat(int deviceId, const PcmWaveFormat& format) {
  const MemoryDeviceDescription* described = find(deviceId);
  if (described == nullptr) return WAVE_ERR_BADDEVICEID;
  return described->accepts(format) ? WAVE_OK : WAVE_ERR_BADFORMAT;
}

WaveResult MemoryWaveOutBackend::open(std::unique_ptr<WaveOut>& out, int deviceId,
                                      const PcmWaveFormat& format, MessageWindows& windows,
                                      WindowHandle callbackWindow) {
  const MemoryDeviceDescription* described = find(deviceId);
  if (described == nullptr) return WAVE_ERR_BADDEVICEID;
  if (described->openError != WAVE_OK) return described->openError;
  if (!described->accepts(format)) return WAVE_ERR_BADFORMAT;
  if (open_ != nullptr) return WAVE_ERR_ALLOCATED;
  auto device =
      std::unique_ptr<MemoryWaveOut>(new MemoryWaveOut(*this, deviceId, format, windows, callbackWindow));
  open_ = device.get();
  ++opens_;
  out = std::move(device);
  return WAVE_OK;
}

}  // namespace platform
