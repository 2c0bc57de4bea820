// WaveMixLoadWave: reads one PCM sound from a RIFF file, a memory image or a named sound and
// converts it once to the session's output format. Whatever a failed load acquired is released on
// the way out, exactly once: the stream closes with its reader, the record and the sample block
// are owned by smart pointers until the load succeeds.

#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "engine.h"
#include "platform/riff_reader.h"

namespace {

bool IsSoundNumber(const char* nameOrNumber) {
  return (reinterpret_cast<uintptr_t>(nameOrNumber) >> 16) == 0;
}

uint16_t SoundNumber(const char* nameOrNumber) { return uint16_t(reinterpret_cast<uintptr_t>(nameOrNumber)); }

}  // namespace

void SoundModule::add(const std::string& name, std::vector<uint8_t> riffBytes) {
  byName_[name] = std::move(riffBytes);
}

void SoundModule::add(uint16_t number, std::vector<uint8_t> riffBytes) {
  byNumber_[number] = std::move(riffBytes);
}

const std::vector<uint8_t>* SoundModule::find(const char* nameOrNumber) const {
  if (IsSoundNumber(nameOrNumber)) {
    auto found = byNumber_.find(SoundNumber(nameOrNumber));
    return found != byNumber_.end() ? &found->second : nullptr;
  }
  auto found = byName_.find(nameOrNumber);
  return found != byName_.end() ? &found->second : nullptr;
}

namespace {

std::string SoundNameOrNumber(const char* nameOrNumber) {
  return IsSoundNumber(nameOrNumber) ? std::to_string(SoundNumber(nameOrNumber)) : std::string(nameOrNumber);
}

uint16_t Read16(const uint8_t* bytes) { return uint16_t(bytes[0] | bytes[1] << 8); }
uint32_t Read32(const uint8_t* bytes) { return uint32_t(Read16(bytes)) | uint32_t(Read16(bytes + 2)) << 16; }

platform::PcmWaveFormat DecodeFormat(const uint8_t (&bytes)[16]) {
  platform::PcmWaveFormat format;
  format.wFormatTag = Read16(bytes);
  format.nChannels = Read16(bytes + 2);
  format.nSamplesPerSec = Read32(bytes + 4);
  format.nAvgBytesPerSec = Read32(bytes + 8);
  format.nBlockAlign = Read16(bytes + 12);
  format.wBitsPerSample = Read16(bytes + 14);
  return format;
}

// Opens the source as a RIFF stream and returns the label of the loaded wave.
std::string OpenSource(platform::RiffReader& reader, const char* name, const SoundModule* module,
                       uint32_t source) {
  if (source & wfResource) {
    const std::vector<uint8_t>* bytes = module != nullptr ? module->find(name) : nullptr;
    if (bytes == nullptr) RaiseMixerError("Failed to open \"WAVE\" resource " + SoundNameOrNumber(name));
    if (!reader.openMemory(bytes->data(), int64_t(bytes->size())))
      RaiseMixerError("Failed to open resource, mmioOpen error= " + std::to_string(reader.errorCode()) +
                      ".\rMay need to make sure resource is marked read-write");
    // A sound given by number is labelled "res#<number>"; one given by name keeps its name.
    return IsSoundNumber(name) ? "res#" + SoundNameOrNumber(name) : std::string(name);
  }
  if (source & wfMemory) {
    MemoryFileInfo info;
    if (name != nullptr) info = *reinterpret_cast<const MemoryFileInfo*>(name);
    bool opened = name != nullptr && reader.openMemory(info.pchBuffer, info.cchBuffer);
    if (!opened) {
      info.wErrorRet = name != nullptr ? reader.errorCode() : platform::RIFF_ERR_CANNOTOPEN;
      RaiseMixerError("Failed to open memory file, mmioOpen error=" + std::to_string(info.wErrorRet) +
                      ".\rMay need to make sure memory is read-write");
    }
    // The descriptor has no text of its own, so memory sounds carry an empty label.
    return std::string();
  }
  if (!reader.openFile(name)) RaiseMixerError(std::string("Failed to open wave file ") + (name ? name : ""));
  return name;
}

}  // namespace

LoadedWave* WaveMixLoadWave(HMixSession hMixSession, const char* name, const SoundModule* module,
                            uint32_t source) {
  MixerSession& session = CheckSession(hMixSession);

  // Asked about the output format, not the source's: a device that refuses it fails every load.
  platform::WaveOutBackend* waveOut = engine.platform.waveOut;
  if (waveOut == nullptr || waveOut->queryFormat(session.deviceId, session.format) != platform::WAVE_OK)
    RaiseMixerError("The waveform device can\xB4t play this format");

  std::unique_ptr<LoadedWave> wave(new (std::nothrow) LoadedWave{});
  if (!wave) RaiseMixerError(kNoMemoryMessage);

  platform::RiffReader reader;
  std::string label = OpenSource(reader, name, module, source);

  platform::RiffChunk riff, formatChunk, dataChunk;
  if (!reader.descendRiff(riff, platform::MakeFourCC('W', 'A', 'V', 'E')))
    RaiseMixerError("This is not a WAVE file");
  if (!reader.findChunk(formatChunk, riff, platform::MakeFourCC('f', 'm', 't', ' ')))
    RaiseMixerError("WAVE file is corrupted");
  // Only the format chunk's own bytes count, never those of the chunk after it.
  uint8_t formatBytes[16];
  if (formatChunk.cksize < sizeof formatBytes ||
      reader.read(formatBytes, sizeof formatBytes) != sizeof formatBytes)
    RaiseMixerError("Failed to read format chunk");
  wave->format = DecodeFormat(formatBytes);
  if (wave->format.wFormatTag != platform::WAVE_FORMAT_PCM) RaiseMixerError("The file is not a PCM file");
  reader.ascend(formatChunk);

  if (!reader.findChunk(dataChunk, riff, platform::MakeFourCC('d', 'a', 't', 'a')))
    RaiseMixerError("WAVE file has no data chunk");
  if (dataChunk.cksize == 0) RaiseMixerError("The data chunk has no data");
  // A size claiming more than the stream holds is refused before anything that large is allocated.
  if (dataChunk.cksize > reader.bytesAvailable(dataChunk)) RaiseMixerError("Failed to read data chunk");
  if (dataChunk.cksize > uint32_t(INT32_MAX)) RaiseMixerError(kNoMemoryMessage);
  int32_t bytes = int32_t(dataChunk.cksize);
  std::unique_ptr<uint8_t[]> samples(new (std::nothrow) uint8_t[size_t(bytes)]);
  if (!samples) RaiseMixerError(kNoMemoryMessage);
  if (reader.read(samples.get(), size_t(bytes)) != size_t(bytes))
    RaiseMixerError("Failed to read data chunk");

  uint8_t* converted = ConvertWave(session.format, wave->format, samples.release(), bytes);
  reader.close();

  wave->header.lpData = converted;
  wave->header.dwBufferLength = uint32_t(bytes);
  wave->header.dwUser = 0;
  wave->header.dwFlags = 0;
  wave->header.dwLoops = 0;
  std::strncpy(wave->name, label.c_str(), sizeof wave->name - 1);
  return wave.release();
}
