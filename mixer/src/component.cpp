#include "wavemix/TWaveMix.h"

TWaveMix::TWaveMix() {
  session = WaveMixInit();
  playParams.size = sizeof(PlayRequest);
  playParams.hMixSession = session;
}

TWaveMix::~TWaveMix() {
  // A destructor cannot report; whatever fails here leaves the session to be ended below.
  try {
    SetChannels(0);
  } catch (const EWaveMixError&) {
  }
  try {
    SetActivated(false);
  } catch (const EWaveMixError&) {
  }
  if (session) {
    try {
      WaveMixEndSession(session);
    } catch (const EWaveMixError&) {
    }
  }
}

void TWaveMix::SetActivated(bool value) {
  if (value == isActivated) return;
  if (!designing) WaveMixActivate(session, value);
  isActivated = value;
}

void TWaveMix::SetChannels(uint8_t value) {
  if (value == channelMask) return;
  if (value == 255) {
    WaveMixChannelOpen(session, 0, ocAll);
  } else if (value == 0) {
    WaveMixChannelClose(session, 0, fcAll);
  } else {
    for (int channel = 0; channel < 8; ++channel) {
      const bool wanted = value & (1u << channel);
      if (wanted == bool(channelMask & (1u << channel))) continue;
      if (wanted) {
        WaveMixChannelOpen(session, channel, ocSingle);
      } else {
        WaveMixChannelClose(session, channel, 0);
      }
    }
  }
  channelMask = value;
}

LoadedWave* TWaveMix::LoadWave(const char* fileName) {
  return WaveMixLoadWave(session, fileName, nullptr, wfFile);
}

void TWaveMix::UnloadWave(LoadedWave* wave) { WaveMixUnloadWave(session, wave); }

void TWaveMix::Play(int32_t channel, LoadedWave* wave, NotifyControl* notify, uint32_t flags,
                    uint16_t loops) {
  playParams.channel = channel;
  playParams.wave = wave;
  playParams.flags = flags;
  playParams.notifyWnd = notify ? notify->Handle() : 0;
  playParams.loops = loops;
  WaveMixPlay(&playParams);
}
