#pragma once

// The real-time software wave mixer: one session, eight channels, waves converted once at load
// time to the session's 8-bit output format and mixed into a small queue of device blocks.
//
// Every operation runs on the thread that delivers the mixer's posted messages (the program's
// event loop). Every failure raises EWaveMixError with a fixed English message.
// Stream positions and lengths are counts of output bytes; since every output sample is one
// byte, a wave of n bytes covers n positions. 0x7FFFFFFF means "never".

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/message_window.h"
#include "platform/wave_format.h"
#include "platform/wave_out.h"

// The one error class of the mixer. what() holds the message bytes exactly as raised (some are
// code page 932, e.g. "The waveform device can\xB4t play this format").
class EWaveMixError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct MixerSession;
using HMixSession = MixerSession*;

// ---- Session configuration -------------------------------------------------------------------

constexpr uint32_t cfChannels = 0x1;      // MixerConfig::channelCount is given
constexpr uint32_t cfSamplingRate = 0x2;  // MixerConfig::samplingRate is given

#pragma pack(push, 1)
struct MixerConfig {
  uint16_t size = 10;  // any other value makes the session ignore the whole record
  uint32_t flags = 0;
  uint16_t channelCount = 0;  // above 1 asks for stereo
  uint16_t samplingRate = 0;  // rate code 11, 22 or 44; other values are ignored
};
#pragma pack(pop)
static_assert(sizeof(MixerConfig) == 10);

// ---- Loaded waves ------------------------------------------------------------------------------

constexpr uint32_t wfFile = 1;      // a RIFF file by name
constexpr uint32_t wfResource = 2;  // a named sound of a SoundModule
constexpr uint32_t wfMemory = 4;    // a RIFF image in memory described by a MemoryFileInfo

struct LoadedWave {
  platform::PcmWaveFormat format;  // the source's own format, not the stored samples'
  platform::WaveHeader header;     // lpData: converted samples; dwBufferLength: their bytes (>= 1)
  char name[16] = {};              // label: first 15 bytes of the name, or "res#<number>"
};

// A store of sounds by name or number that stands in for a module's "WAVE" resources.
class SoundModule {
 public:
  void add(const std::string& name, std::vector<uint8_t> riffBytes);
  void add(uint16_t number, std::vector<uint8_t> riffBytes);
  // nameOrNumber is a NUL-terminated name, or a number when its value has no bits above the low 16.
  const std::vector<uint8_t>* find(const char* nameOrNumber) const;

 private:
  std::map<std::string, std::vector<uint8_t>> byName_;
  std::map<uint16_t, std::vector<uint8_t>> byNumber_;
};

// Makes a resource "name" out of a number, for WaveMixLoadWave with wfResource.
inline const char* MakeSoundNumber(uint16_t number) { return reinterpret_cast<const char*>(uintptr_t{number}); }

// A caller's description of a RIFF image in memory, for wfMemory.
struct MemoryFileInfo {
  const uint8_t* pchBuffer = nullptr;
  int32_t cchBuffer = 0;  // bytes
  uint32_t wErrorRet = 0;  // set when opening fails
};

// ---- Channels and play requests ----------------------------------------------------------------

constexpr int32_t ocSingle = 0;  // open the one channel given
constexpr int32_t ocAll = 1;     // open all eight channels
constexpr int32_t ocCount = 2;   // open channels 0 to count - 1

constexpr uint32_t fcAll = 0x1;      // flush or close every channel
constexpr uint32_t fcNoRemix = 0x2;  // leave blocks already at the device as they are

constexpr uint32_t pfClearQueue = 0x1;    // drop the channel's queue and put this request in its place
constexpr uint32_t pfLeastUsed = 0x2;     // choose the channel; written back into PlayRequest::channel
constexpr uint32_t pfHighPriority = 0x4;  // start at the play position instead of after queued audio
constexpr uint32_t pfWait = 0x8;          // hold the request until the next one without this flag

constexpr uint16_t kLoopForever = 0xFFFF;
constexpr int32_t kNever = 0x7FFFFFFF;

// Sent to PlayRequest::notifyWnd when a node has been heard to its end:
// wParam = channel, lParam = the LoadedWave*.
constexpr uint32_t MM_WOM_DONE = platform::MM_WOM_DONE;

struct PlayRequest {
  uint16_t size = sizeof(PlayRequest);  // not checked
  HMixSession hMixSession = nullptr;
  int32_t channel = 0;  // 0 to 7
  LoadedWave* wave = nullptr;
  platform::WindowHandle notifyWnd = 0;  // 0 sends no end-of-play message
  uint32_t flags = 0;
  uint16_t loops = 0;  // repetitions after the first pass; kLoopForever plays without end
};

// ---- The platform the mixer runs on ------------------------------------------------------------

struct MixerPlatform {
  platform::WaveOutBackend* waveOut = nullptr;  // none: "No wave output devices available"
  platform::MessageWindows* windows = nullptr;
  platform::Clock* clock = nullptr;  // none: the system clock
  std::string settingsFile;          // path of WAVEMIX.INI; empty: beside the executable
  std::function<void()> alarm;       // the playing queue's consistency alarm; none: a line on stderr
};

// Chooses the platform for sessions opened afterwards.
void WaveMixSetPlatform(const MixerPlatform& platform);

// ---- Operations ---------------------------------------------------------------------------------

HMixSession WaveMixInit();
HMixSession WaveMixInitWithConfig(const MixerConfig* config);  // null or a size other than 10: none
void WaveMixActivate(HMixSession hMixSession, bool activate);
// name: a file name (wfFile), a name or MakeSoundNumber() (wfResource), or a MemoryFileInfo*
// cast to const char* (wfMemory). module: used by wfResource only.
LoadedWave* WaveMixLoadWave(HMixSession hMixSession, const char* name, const SoundModule* module,
                            uint32_t source);
void WaveMixChannelOpen(HMixSession hMixSession, int32_t number, int32_t mode);
void WaveMixPlay(PlayRequest* params);
void WaveMixChannelFlush(HMixSession hMixSession, int32_t channel, uint32_t flags);
void WaveMixChannelClose(HMixSession hMixSession, int32_t channel, uint32_t flags);
void WaveMixUnloadWave(HMixSession hMixSession, LoadedWave* wave);
void WaveMixEndSession(HMixSession hMixSession);
