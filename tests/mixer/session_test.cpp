#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine.h"
#include "support/session_harness.h"

namespace {

using platform::MemoryDeviceDescription;

struct SettingsCase {
  const char* label;
  const char* settings;  // null: no file
  int devices;           // devices named "Device 0", "Device 1" ...; device 0 is mono when monoDevice is set
  bool monoDevice;
  MixerConfig config;
  bool nullConfig;
  // Expected session
  const char* deviceName;
  int32_t deviceId;
  uint16_t channels;
  uint32_t rate;
  int32_t blockLen;
  int32_t blockCount;
  bool deferNode;
  uint8_t goodWavePos;
};

constexpr MixerConfig kNoRequest{10, 0, 0, 0};

const SettingsCase kSettingsCases[] = {
    {"no file", nullptr, 1, false, kNoRequest, false, "Device 0", 0, 1, 11025, 2048, 3, false, 0},
    {"null config", nullptr, 1, false, {}, true, "Device 0", 0, 1, 11025, 2048, 3, false, 0},
    {"WaveBlocks 0", "[default]\nWaveBlocks=0\n", 1, false, kNoRequest, false, "Device 0", 0, 1, 11025, 2048,
     2, false, 0},
    {"WaveBlocks 1", "[default]\nWaveBlocks=1\n", 1, false, kNoRequest, false, "Device 0", 0, 1, 11025, 2048,
     2, false, 0},
    {"WaveBlocks 9", "[default]\nWaveBlocks=9\n", 1, false, kNoRequest, false, "Device 0", 0, 1, 11025, 2048,
     6, false, 0},
    {"default WaveBlockLen 1001", "[default]\nWaveBlockLen=1001\n", 1, false, kNoRequest, false, "Device 0",
     0, 1, 11025, 1000, 3, false, 0},
    {"default WaveBlockLen 3", "[default]\nWaveBlockLen=3\n", 1, false, kNoRequest, false, "Device 0", 0, 1,
     11025, 2048, 3, false, 0},
    // 66537 = 0x103E9: the low 16 bits rounded down to a multiple of 4 give 1000.
    {"default WaveBlockLen 66537", "[default]\nWaveBlockLen=66537\n", 1, false, kNoRequest, false, "Device 0",
     0, 1, 11025, 1000, 3, false, 0},
    // 70000 = 0x11170: 0x1170 = 4464, clamped to 4096.
    {"default WaveBlockLen 70000", "[default]\nWaveBlockLen=70000\n", 1, false, kNoRequest, false, "Device 0",
     0, 1, 11025, 4096, 3, false, 0},
    {"device WaveBlockLen 1001", "[device 0]\nWaveBlockLen=1001\n", 1, false, kNoRequest, false, "Device 0",
     0, 1, 11025, 1001, 3, false, 0},
    {"device WaveBlockLen 100", "[Device 0]\nWaveBlockLen=100\n[default]\nWaveBlockLen=3000\n", 1, false,
     kNoRequest, false, "Device 0", 0, 1, 11025, 512, 3, false, 0},
    {"SamplesPerSec 44", "[default]\nSamplesPerSec=44\n", 1, false, kNoRequest, false, "Device 0", 0, 1,
     44100, 4096, 3, false, 0},
    {"SamplesPerSec 22", "[Device 0]\nSamplesPerSec=22\n", 1, false, kNoRequest, false, "Device 0", 0, 1,
     22050, 4096, 3, false, 0},
    {"SamplesPerSec 16", "[default]\nSamplesPerSec=16\n", 1, false, kNoRequest, false, "Device 0", 0, 1,
     11025, 2048, 3, false, 0},
    {"WaveOutDevice 5 of 2", "[general]\nWaveOutDevice=5\n", 2, false, kNoRequest, false,
     "Memory Wave Mapper", -1, 1, 11025, 2048, 3, false, 0},
    {"WaveOutDevice 1 of 2", "[general]\nWaveOutDevice=1\n", 2, false, kNoRequest, false, "Device 1", 1, 1,
     11025, 2048, 3, false, 0},
    {"device section over default",
     "[default]\nRemix=2\nGoodWavePos=1\nWaveBlocks=5\n[device 0]\nWaveBlocks=4\n", 1, false, kNoRequest,
     false, "Device 0", 0, 1, 11025, 2048, 4, true, 1},
    {"device Remix 1 over default 2", "[default]\nRemix=2\n[device 0]\nRemix=1\n", 1, false, kNoRequest,
     false, "Device 0", 0, 1, 11025, 2048, 3, false, 0},
    {"GoodWavePos keeps its low byte", "[device 0]\nGoodWavePos=257\n", 1, false, kNoRequest, false,
     "Device 0", 0, 1, 11025, 2048, 3, false, 1},
    {"config size 12 ignored",
     nullptr,
     1,
     false,
     {12, cfChannels | cfSamplingRate, 2, 44},
     false,
     "Device 0",
     0,
     1,
     11025,
     2048,
     3,
     false,
     0},
    {"stereo asked, stereo device",
     nullptr,
     1,
     false,
     {10, cfChannels, 2, 0},
     false,
     "Device 0",
     0,
     2,
     11025,
     2048,
     3,
     false,
     0},
    {"stereo asked, mono device",
     nullptr,
     1,
     true,
     {10, cfChannels, 2, 0},
     false,
     "Device 0",
     0,
     1,
     11025,
     2048,
     3,
     false,
     0},
    {"stereo without the flag",
     nullptr,
     1,
     false,
     {10, 0, 2, 0},
     false,
     "Device 0",
     0,
     1,
     11025,
     2048,
     3,
     false,
     0},
    {"rate 48 leaves the file's rate",
     "[default]\nSamplesPerSec=22\n",
     1,
     false,
     {10, cfSamplingRate, 0, 48},
     false,
     "Device 0",
     0,
     1,
     22050,
     4096,
     3,
     false,
     0},
    {"rate 44 over the file's",
     "[default]\nSamplesPerSec=22\n",
     1,
     false,
     {10, cfSamplingRate, 0, 44},
     false,
     "Device 0",
     0,
     1,
     44100,
     4096,
     3,
     false,
     0},
    {"not compatible 0", "[not compatible]\nDevice 0=0\n", 1, false, kNoRequest, false, "Device 0", 0, 1,
     11025, 2048, 3, false, 0},
};

class SettingsTest : public testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsTest, SessionStartsWithTheResolvedSettings) {
  const SettingsCase& c = GetParam();
  SessionHarness harness;
  harness.backend.devices.clear();
  for (int i = 0; i < c.devices; ++i) {
    harness.backend.devices.push_back(
        MemoryDeviceDescription::named("Device " + std::to_string(i), i == 0 && c.monoDevice ? 1 : 2));
  }
  if (c.settings != nullptr) harness.WriteSettings(c.settings);

  HMixSession handle = WaveMixInitWithConfig(c.nullConfig ? nullptr : &c.config);
  ASSERT_EQ(handle, engine.currentSession);
  const MixerSession& session = *handle;
  EXPECT_STREQ(session.deviceName, c.deviceName);
  EXPECT_EQ(session.deviceId, c.deviceId);
  EXPECT_EQ(session.format.wFormatTag, platform::WAVE_FORMAT_PCM);
  EXPECT_EQ(session.format.nChannels, c.channels);
  EXPECT_EQ(session.format.nBlockAlign, c.channels);
  EXPECT_EQ(session.format.wBitsPerSample, 8);
  EXPECT_EQ(session.format.nSamplesPerSec, c.rate);
  EXPECT_EQ(session.format.nAvgBytesPerSec, c.rate * c.channels);
  EXPECT_EQ(session.blockLen, c.blockLen);
  EXPECT_EQ(session.blockCount, c.blockCount);
  EXPECT_EQ(session.remix, c.deferNode ? &DeferNode : &RemixBlocks);
  EXPECT_EQ(session.goodWavePos, c.goodWavePos);
  EXPECT_EQ(session.magic, kSessionMagic);
  EXPECT_EQ(session.magicEnd, kSessionMagic);
  for (MixerChannel head : session.channels) EXPECT_TRUE(IsClosed(head));
  EXPECT_EQ(session.openChannels, 0);
  EXPECT_EQ(session.mixPos, 0);
  EXPECT_EQ(session.active, 0);
  EXPECT_EQ(session.waveOut, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsTest, testing::ValuesIn(kSettingsCases),
                         [](const testing::TestParamInfo<SettingsCase>& info) {
                           std::string name = info.param.label;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

struct RefusalCase {
  const char* label;
  int devices;
  bool synchronous;
  bool capsFail;
  const char* settings;
  const char* message;
};

const RefusalCase kRefusals[] = {
    {"no device", 0, false, false, nullptr, "No wave output devices available"},
    {"synchronous", 1, true, false, nullptr,
     "Device 0 is a syncronous (blocking) wave output device.  This will not permit audio to play while "
     "other "
     "applications are running"},
    {"not compatible", 1, false, false, "[Not Compatible]\ndevice 0=1\n",
     "Device 0 is not compatible with the realtime wavemixer"},
    {"unknown device not compatible", 1, false, true, "[not compatible]\nUnknown Device=7\n",
     "Unknown Device is not compatible with the realtime wavemixer"},
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, NoSessionIsLeft) {
  const RefusalCase& c = GetParam();
  SessionHarness harness;
  harness.backend.devices.clear();
  for (int i = 0; i < c.devices; ++i) {
    harness.backend.devices.push_back(
        MemoryDeviceDescription::named("Device " + std::to_string(i), 2, c.synchronous));
    if (c.capsFail) harness.backend.devices.back().capsError = platform::WAVE_ERR_NOMEM;
  }
  if (c.settings != nullptr) harness.WriteSettings(c.settings);
  EXPECT_EQ(ErrorOf([] { WaveMixInit(); }), c.message);
  EXPECT_EQ(engine.currentSession, nullptr);
  // The next start succeeds once the cause is gone.
  harness.backend.devices = {MemoryDeviceDescription::named("Other")};
  EXPECT_NE(WaveMixInit(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, RefusalTest, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<RefusalCase>& info) {
                           std::string name = info.param.label;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(SessionTest, UnknownDeviceIsNamedSoAndPlaysMono) {
  SessionHarness harness;
  harness.backend.devices[0].capsError = platform::WAVE_ERR_NOMEM;
  MixerConfig stereo{10, cfChannels, 2, 0};
  HMixSession session = WaveMixInitWithConfig(&stereo);
  EXPECT_STREQ(session->deviceName, "Unknown Device");
  EXPECT_EQ(session->format.nChannels, 1);
}

TEST(SessionTest, WithoutAWaveOutputLayerThereIsNoDevice) {
  SessionHarness harness;
  MixerPlatform none;
  WaveMixSetPlatform(none);
  EXPECT_EQ(ErrorOf([] { WaveMixInit(); }), "No wave output devices available");
}

TEST(SessionTest, SecondStartLeavesTheFirstSessionAsItWas) {
  SessionHarness harness;
  HMixSession first = WaveMixInit();
  WaveMixChannelOpen(first, 0, ocSingle);
  PlayNode* node = TakeNode();
  first->channels[0] = node;
  EXPECT_EQ(ErrorOf([] { WaveMixInit(); }), "Session already initialized");
  EXPECT_EQ(engine.currentSession, first);
  EXPECT_EQ(first->channels[0], node);
  EXPECT_EQ(FreeNodeCount(), kNodeCount - 1);
  first->channels[0] = nullptr;
  GiveNode(node);
}

TEST(SessionTest, StartResetsThePoolToAllHundredNodesInOrder) {
  SessionHarness harness;
  engine.freeNodes = nullptr;
  WaveMixInit();
  PlayNode* node = engine.freeNodes;
  for (int k = 0; k < kNodeCount; ++k, node = node->next) ASSERT_EQ(node, &engine.nodePool[k]);
  EXPECT_EQ(node, nullptr);
}

TEST(SessionTest, TakeAndGiveUseThePoolAsAStack) {
  SessionHarness harness;
  WaveMixInit();
  PlayNode* taken[kNodeCount + 1];
  for (PlayNode*& node : taken) node = TakeNode();
  EXPECT_EQ(taken[0], &engine.nodePool[0]);
  EXPECT_EQ(taken[0]->next, nullptr);
  EXPECT_EQ(taken[kNodeCount], nullptr);
  GiveNode(nullptr);
  GiveNode(taken[5]);
  GiveNode(taken[7]);
  EXPECT_EQ(TakeNode(), taken[7]);
  EXPECT_EQ(TakeNode(), taken[5]);
  EXPECT_EQ(TakeNode(), nullptr);
  InitNodePool();
}

TEST(SessionTest, OnlyTheLiveSessionPassesTheHandleCheck) {
  SessionHarness harness;
  HMixSession live = WaveMixInit();
  EXPECT_EQ(&CheckSession(live), live);

  // A record that carries both guards but is not the session the engine opened.
  MixerSession foreign;
  foreign.magic = foreign.magicEnd = kSessionMagic;
  for (HMixSession bad : {HMixSession{nullptr}, &foreign}) {
    EXPECT_EQ(ErrorOf([bad] { WaveMixActivate(bad, true); }), "Invalid Session handle");
  }
  live->magicEnd = 0;
  EXPECT_EQ(ErrorOf([live] { WaveMixChannelOpen(live, 0, ocAll); }), "Invalid Session handle");
  live->magicEnd = kSessionMagic;

  WaveMixEndSession(live);
  EXPECT_EQ(engine.currentSession, nullptr);
  // The stale handle is refused without its freed record being read (AddressSanitizer would tell).
  EXPECT_EQ(ErrorOf([live] { WaveMixChannelOpen(live, 0, ocAll); }), "Invalid Session handle");
  EXPECT_EQ(ErrorOf([live] { WaveMixEndSession(live); }), "Invalid Session handle");
}

TEST(SessionTest, SettingsFileIsFoundBesideTheExecutable) {
  SessionHarness harness;
  if (std::getenv("ZERU_SETTINGS_CHILD") != nullptr) {
    // The copy of this program, run below: no settings file named, so WAVEMIX.INI beside it counts.
    MixerPlatform besideExecutable;
    besideExecutable.waveOut = &harness.backend;
    besideExecutable.windows = &harness.windows;
    WaveMixSetPlatform(besideExecutable);
    EXPECT_EQ(WaveMixInit()->blockCount, 5);
    return;
  }
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "wavemix_beside_executable";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file("/proc/self/exe", folder / "session_test");
  std::filesystem::permissions(folder / "session_test", std::filesystem::perms::owner_all);
  std::ofstream(folder / "WAVEMIX.INI") << "[default]\r\nWaveBlocks=5\r\n";
  std::string command = "ZERU_SETTINGS_CHILD=1 " + (folder / "session_test").string() +
                        " --gtest_filter=SessionTest.SettingsFileIsFoundBesideTheExecutable > /dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0);
  std::filesystem::remove_all(folder);
}

}  // namespace
