#include "platform/wave_out_sdl.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>

namespace platform {
namespace {

constexpr WaveResult kStillPlaying = 33;  // unpreparing a block the device still holds
constexpr uint8_t kSilence = 128;
constexpr uint16_t kReportedChannels = 2;
constexpr size_t kNameBytes = sizeof(WaveOutCaps::szPname) - 1;
constexpr char kDefaultDeviceName[] = "Default output";

// 256 frames at 11025 Hz is about 23 ms; higher rates keep the same time with more frames. SDL
// wants a power of two, which 256, 512 and 1024 are.
constexpr Uint16 kFramesAt11025 = 256;

bool IsPlayableFormat(const PcmWaveFormat& format) {
  return format.wFormatTag == WAVE_FORMAT_PCM && format.wBitsPerSample == 8 &&
         (format.nChannels == 1 || format.nChannels == 2) &&
         (format.nSamplesPerSec == 11025 || format.nSamplesPerSec == 22050 || format.nSamplesPerSec == 44100);
}

// One of SDL's output devices: SDL's default device for WAVE_MAPPER (or when SDL cannot list its
// devices), otherwise the one SDL names under the number.
struct DeviceChoice {
  bool exists = false;
  bool isDefault = false;
  std::string name;
};

DeviceChoice ChooseDevice(bool started, int deviceId) {
  DeviceChoice choice;
  if (!started) return choice;
  const int listed = SDL_GetNumAudioDevices(0);
  if (deviceId == WAVE_MAPPER || (listed < 0 && deviceId == 0)) {
    choice.exists = true;
    choice.isDefault = true;
    choice.name = kDefaultDeviceName;
    return choice;
  }
  if (deviceId < 0 || deviceId >= listed) return choice;
  const char* name = SDL_GetAudioDeviceName(deviceId, 0);
  if (!name) return choice;
  choice.exists = true;
  choice.name = name;
  return choice;
}

// An open SDL device fed from the written blocks. SDL's audio thread takes the bytes and marks
// finished blocks; the mixer's thread writes, resets, pauses and asks for the position. Both sides
// meet under mutex_.
class SdlWaveOut final : public WaveOut {
 public:
  SdlWaveOut(MessageWindows& windows, WindowHandle callbackWindow)
      : windows_(windows), callbackWindow_(callbackWindow) {}

  ~SdlWaveOut() override {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
  }

  WaveResult start(const DeviceChoice& choice, const PcmWaveFormat& format) {
    SDL_AudioSpec wanted{};
    wanted.freq = static_cast<int>(format.nSamplesPerSec);
    wanted.format = AUDIO_U8;
    wanted.channels = static_cast<Uint8>(format.nChannels);
    wanted.samples = static_cast<Uint16>(kFramesAt11025 * (format.nSamplesPerSec / 11025));
    wanted.callback = &SdlWaveOut::Feed;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants behind our back.
    device_ = SDL_OpenAudioDevice(choice.isDefault ? nullptr : choice.name.c_str(), 0, &wanted, &obtained, 0);
    if (device_ == 0) return WAVE_ERR_ALLOCATED;
    SDL_PauseAudioDevice(device_, 0);
    return WAVE_OK;
  }

  WaveResult prepareHeader(WaveHeader& header) override {
    header.dwFlags |= WHDR_PREPARED;
    return WAVE_OK;
  }

  WaveResult unprepareHeader(WaveHeader& header) override {
    std::lock_guard lock(mutex_);
    if (std::find(queue_.begin(), queue_.end(), &header) != queue_.end()) return kStillPlaying;
    header.dwFlags &= ~WHDR_PREPARED;
    return WAVE_OK;
  }

  WaveResult write(WaveHeader& header) override {
    if (!(header.dwFlags & WHDR_PREPARED)) return WAVE_ERR_UNPREPARED;
    std::lock_guard lock(mutex_);
    header.dwFlags &= ~WHDR_DONE;
    queue_.push_back(&header);
    return WAVE_OK;
  }

  WaveResult reset() override {
    std::lock_guard lock(mutex_);
    while (!queue_.empty()) finishFront();
    bytes_ = 0;
    return WAVE_OK;
  }

  WaveResult pause() override {
    std::lock_guard lock(mutex_);
    paused_ = true;
    return WAVE_OK;
  }

  WaveResult restart() override {
    std::lock_guard lock(mutex_);
    paused_ = false;
    return WAVE_OK;
  }

  WaveResult positionBytes(uint32_t& bytes) override {
    std::lock_guard lock(mutex_);
    bytes = bytes_;
    return WAVE_OK;
  }

 private:
  static void SDLCALL Feed(void* self, Uint8* stream, int length) {
    static_cast<SdlWaveOut*>(self)->feed(stream, static_cast<size_t>(length));
  }

  void feed(uint8_t* stream, size_t length) {
    std::lock_guard lock(mutex_);
    while (!paused_ && length > 0 && !queue_.empty()) {
      const WaveHeader& header = *queue_.front();
      const size_t n = std::min<size_t>(length, header.dwBufferLength - frontOffset_);
      std::memcpy(stream, header.lpData + frontOffset_, n);
      stream += n;
      length -= n;
      frontOffset_ += n;
      bytes_ += static_cast<uint32_t>(n);
      if (frontOffset_ >= header.dwBufferLength) finishFront();
    }
    std::memset(stream, kSilence, length);
  }

  // Under mutex_. Posting while holding the lock keeps the messages in the order the blocks finish.
  void finishFront() {
    WaveHeader* header = queue_.front();
    queue_.pop_front();
    frontOffset_ = 0;
    header->dwFlags |= WHDR_DONE;
    windows_.post(callbackWindow_, MM_WOM_DONE, 0, reinterpret_cast<uintptr_t>(header));
  }

  MessageWindows& windows_;
  const WindowHandle callbackWindow_;
  SDL_AudioDeviceID device_ = 0;

  std::mutex mutex_;
  std::deque<WaveHeader*> queue_;  // written and not yet finished, in write order
  size_t frontOffset_ = 0;         // bytes of the first block already handed to SDL
  bool paused_ = false;
  uint32_t bytes_ = 0;  // bytes of blocks handed to SDL since open or the last reset
};

}  // namespace

SdlWaveOutBackend::SdlWaveOutBackend() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  started_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

SdlWaveOutBackend::~SdlWaveOutBackend() {
  if (started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

unsigned SdlWaveOutBackend::deviceCount() {
  if (!started_) return 0;
  const int listed = SDL_GetNumAudioDevices(0);
  // SDL that cannot list its devices still offers its default one.
  return listed < 0 ? 1u : static_cast<unsigned>(listed);
}

WaveResult SdlWaveOutBackend::deviceCaps(int deviceId, WaveOutCaps& caps) {
  const DeviceChoice choice = ChooseDevice(started_, deviceId);
  if (!choice.exists) return WAVE_ERR_BADDEVICEID;
  caps = {};
  choice.name.copy(caps.szPname, kNameBytes);
  caps.dwSupport = 0;
  caps.wChannels = kReportedChannels;
  return WAVE_OK;
}

WaveResult SdlWaveOutBackend::queryFormat(int deviceId, const PcmWaveFormat& format) {
  if (!ChooseDevice(started_, deviceId).exists) return WAVE_ERR_BADDEVICEID;
  return IsPlayableFormat(format) ? WAVE_OK : WAVE_ERR_BADFORMAT;
}

WaveResult SdlWaveOutBackend::open(std::unique_ptr<WaveOut>& out, int deviceId, const PcmWaveFormat& format,
                                   MessageWindows& windows, WindowHandle callbackWindow) {
  const DeviceChoice choice = ChooseDevice(started_, deviceId);
  if (!choice.exists) return WAVE_ERR_BADDEVICEID;
  if (!IsPlayableFormat(format)) return WAVE_ERR_BADFORMAT;
  auto device = std::make_unique<SdlWaveOut>(windows, callbackWindow);
  if (const WaveResult result = device->start(choice, format); result != WAVE_OK) return result;
  out = std::move(device);
  return WAVE_OK;
}

}  // namespace platform
