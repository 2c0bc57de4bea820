// The mixer session: its start with the settings of WAVEMIX.INI, handle checks and the node pool.

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <string>

#include "engine.h"
#include "platform/profile.h"

Engine engine;

const char* const kNoMemoryMessage =
    "Unable to allocate memory for waveform data.  Try making more memory available by closing other "
    "applications.";

void RaiseMixerError(const std::string& message) { throw EWaveMixError(message); }

void WaveMixSetPlatform(const MixerPlatform& platform) { engine.platform = platform; }

namespace {

constexpr const char* kSettingsFileName = "WAVEMIX.INI";
constexpr const char* kDefaultSection = "default";

// 8-bit mono PCM at 11025 samples per second.
constexpr platform::PcmWaveFormat kDefaultFormat{platform::WAVE_FORMAT_PCM, 1, 11025, 11025, 1, 8};

// The folder of the running executable, found when the session starts; WAVEMIX.INI lives there.
std::string executableFolder;

std::string SettingsPath() {
  if (!engine.platform.settingsFile.empty()) return engine.platform.settingsFile;
  return executableFolder + "/" + kSettingsFileName;
}

int32_t Setting(const char* section, const char* key, int32_t defaultValue) {
  return platform::ReadProfileInt(SettingsPath(), section, key, defaultValue);
}

// Finds the executable's file name, as the session start always has. The callback window needs
// no class of its own here: it is a MessageWindows window made when the device opens.
void RegisterCallbackClass() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) RaiseMixerError("GetModuleFileName error #" + std::to_string(length < 0 ? errno : 0));
  std::string file(path, static_cast<std::size_t>(length));
  std::size_t slash = file.rfind('/');
  executableFolder = slash == std::string::npos ? "." : file.substr(0, slash);
  InitNodePool();
}

// Gives up a session that failed its device checks.
[[noreturn]] void RefuseSession(MixerSession* session, const std::string& message) {
  delete session;
  engine.currentSession = nullptr;
  RaiseMixerError(message);
}

}  // namespace

HMixSession WaveMixInit() {
  MixerConfig nothingRequested;
  return WaveMixInitWithConfig(&nothingRequested);
}

HMixSession WaveMixInitWithConfig(const MixerConfig* config) {
  if (engine.currentSession != nullptr) RaiseMixerError("Session already initialized");
  RegisterCallbackClass();
  if (config != nullptr && config->size != sizeof(MixerConfig)) config = nullptr;

  platform::WaveOutBackend* backend = engine.platform.waveOut;
  unsigned deviceCount = backend != nullptr ? backend->deviceCount() : 0;
  if (deviceCount == 0) RaiseMixerError("No wave output devices available");

  auto* session = new (std::nothrow) MixerSession{};
  if (session == nullptr) RaiseMixerError(kNoMemoryMessage);
  engine.currentSession = session;
  session->magic = kSessionMagic;
  session->magicEnd = kSessionMagic;
  std::fill(std::begin(session->channels), std::end(session->channels), kClosedChannel);
  session->format = kDefaultFormat;

  int32_t remix = Setting(kDefaultSection, "Remix", 1);
  int32_t goodWavePos = Setting(kDefaultSection, "GoodWavePos", 0);
  int32_t waveBlocks = Setting(kDefaultSection, "WaveBlocks", 3);
  int32_t defaultBlockLen = Setting(kDefaultSection, "WaveBlockLen", 0) & 0xFFFC;
  int32_t rateCode = Setting(kDefaultSection, "SamplesPerSec", 11);
  std::strcpy(session->deviceName, kDefaultSection);

  session->deviceId = Setting("general", "WaveOutDevice", 0);
  if (static_cast<int64_t>(session->deviceId) >= static_cast<int64_t>(deviceCount)) {
    session->deviceId = platform::WAVE_MAPPER;
  }

  platform::WaveOutCaps caps;
  if (backend->deviceCaps(session->deviceId, caps) != platform::WAVE_OK) {
    // A device that cannot describe itself counts as asynchronous and mono.
    caps = platform::WaveOutCaps{};
    std::strcpy(caps.szPname, "Unknown Device");
  }
  std::string productName(caps.szPname, strnlen(caps.szPname, sizeof caps.szPname - 1));

  if ((caps.dwSupport & platform::WAVECAPS_SYNC) != 0) {
    RefuseSession(session, productName + " is a syncronous (blocking) " +
                               "wave output device.  This will not permit audio to play while other " +
                               "applications are running");
  }
  if (Setting("not compatible", productName.c_str(), 0) != 0) {
    RefuseSession(session, productName + " is not compatible with " + "the realtime wavemixer");
  }

  std::strcpy(session->deviceName, productName.c_str());
  const char* section = session->deviceName;
  session->remix = Setting(section, "Remix", remix) == 2 ? DeferNode : RemixBlocks;
  session->goodWavePos = static_cast<uint8_t>(Setting(section, "GoodWavePos", goodWavePos));
  session->blockCount = std::clamp(Setting(section, "WaveBlocks", waveBlocks), 2, kBlockCount);

  if (config != nullptr && (config->flags & cfChannels) != 0 && config->channelCount > 1 &&
      caps.wChannels > 1) {
    session->format.nChannels = 2;
    session->format.nBlockAlign = 2;
  }

  rateCode = Setting(section, "SamplesPerSec", rateCode);
  if (config != nullptr && (config->flags & cfSamplingRate) != 0 &&
      (config->samplingRate == 11 || config->samplingRate == 22 || config->samplingRate == 44)) {
    rateCode = config->samplingRate;
  }
  session->format.nSamplesPerSec = rateCode == 22 ? 22050 : rateCode == 44 ? 44100 : 11025;
  session->format.nAvgBytesPerSec = session->format.nChannels * session->format.nSamplesPerSec;

  session->blockLen = ReadBlockLen(defaultBlockLen);
  return session;
}

int32_t ReadBlockLen(int32_t defaultBlockLen) {
  const MixerSession& session = *engine.currentSession;
  int32_t deviceBlockLen = Setting(session.deviceName, "WaveBlockLen", 0);
  if (deviceBlockLen != 0) return std::clamp(deviceBlockLen, 512, kBlockBytes);
  if (defaultBlockLen != 0) return std::clamp(defaultBlockLen, 512, kBlockBytes);
  // 2048 bytes at 11025 Hz (about 186 ms), 4096 at the higher rates.
  return std::min(static_cast<int32_t>(session.format.nSamplesPerSec / 11025) * 2048, kBlockBytes);
}

MixerSession& CheckSession(HMixSession hMixSession) {
  // Only the one live session passes, so a stale or foreign handle is refused without being read,
  // and the session checked is always the current one.
  if (hMixSession == nullptr || hMixSession != engine.currentSession || hMixSession->magic != kSessionMagic ||
      hMixSession->magicEnd != kSessionMagic) {
    RaiseMixerError("Invalid Session handle");
  }
  return *hMixSession;
}

void InitNodePool() {
  for (int k = 0; k + 1 < kNodeCount; ++k) engine.nodePool[k].next = &engine.nodePool[k + 1];
  engine.nodePool[kNodeCount - 1].next = nullptr;
  engine.freeNodes = &engine.nodePool[0];
}

PlayNode* TakeNode() {
  PlayNode* node = engine.freeNodes;
  if (node == nullptr) return nullptr;
  engine.freeNodes = node->next;
  node->next = nullptr;
  return node;
}

void GiveNode(PlayNode* node) {
  if (node == nullptr) return;
  node->next = engine.freeNodes;
  engine.freeNodes = node;
}

platform::Clock& MixerClock() {
  return engine.platform.clock != nullptr ? *engine.platform.clock : platform::systemClock();
}
