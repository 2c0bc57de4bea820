// Checks a recording of what the game played (SDL's disk driver) against the game's waves:
//   sound_stream_check STREAM FIRST SECOND [CUE...]
// FIRST and SECOND must be heard in full, in that order, with nothing but silence between them;
// after SECOND, every sound that starts must be one of the CUEs heard in full (the recording may
// end inside the last one). Each wave is converted by the mixer's own loader to the game's
// output format, 8-bit mono at 11025 Hz; a wave's last byte is never heard.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/offline_conversion.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint8_t kSilence = 128;

struct Cue {
  std::string name;
  Bytes heard;
};

Cue Convert(OfflineConversion& mixer, const std::string& path) {
  Bytes samples = mixer.Convert(path);
  samples.pop_back();
  return Cue{path.substr(path.find_last_of('/') + 1), samples};
}

// Where the cue lies if the sound that starts at `at` is this cue, or npos.
size_t MatchAt(const Bytes& stream, size_t at, const Cue& cue, bool allowCut) {
  auto lead = std::find_if(cue.heard.begin(), cue.heard.end(), [](uint8_t b) { return b != kSilence; });
  size_t skip = static_cast<size_t>(lead - cue.heard.begin());
  if (skip > at) return std::string::npos;
  size_t start = at - skip;
  size_t available = std::min(cue.heard.size(), stream.size() - start);
  if (available < cue.heard.size() && !allowCut) return std::string::npos;
  return std::equal(cue.heard.begin(), cue.heard.begin() + static_cast<std::ptrdiff_t>(available),
                    stream.begin() + static_cast<std::ptrdiff_t>(start))
             ? start
             : std::string::npos;
}

size_t NextSound(const Bytes& stream, size_t from) {
  while (from < stream.size() && stream[from] == kSilence) ++from;
  return from;
}

int Fail(const std::string& why) {
  std::fprintf(stderr, "FAIL: %s\n", why.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return Fail("usage: sound_stream_check STREAM FIRST SECOND [CUE...]");
  std::ifstream in(argv[1], std::ios::binary);
  Bytes stream((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

  OfflineConversion mixer;
  Cue first = Convert(mixer, argv[2]);
  Cue second = Convert(mixer, argv[3]);
  std::vector<Cue> cues;
  for (int i = 4; i < argc; ++i) cues.push_back(Convert(mixer, argv[i]));

  size_t at = NextSound(stream, 0);
  if (MatchAt(stream, at, first, false) == std::string::npos) {
    return Fail("the first sound at byte " + std::to_string(at) + " is not " + first.name + " in full");
  }
  at = NextSound(stream, MatchAt(stream, at, first, false) + first.heard.size());
  if (MatchAt(stream, at, second, false) == std::string::npos) {
    return Fail("the sound at byte " + std::to_string(at) + " is not " + second.name + " in full");
  }
  std::printf("%s then %s heard in full\n", first.name.c_str(), second.name.c_str());
  at = NextSound(stream, MatchAt(stream, at, second, false) + second.heard.size());

  int heard = 0;
  while (!cues.empty() && at < stream.size()) {
    auto cue = std::find_if(cues.begin(), cues.end(),
                            [&](const Cue& c) { return MatchAt(stream, at, c, true) != std::string::npos; });
    if (cue == cues.end()) return Fail("a sound breaks up or is unknown at byte " + std::to_string(at));
    size_t start = MatchAt(stream, at, *cue, true);
    bool whole = start + cue->heard.size() <= stream.size();
    std::printf("%s heard %s from byte %zu\n", cue->name.c_str(), whole ? "in full" : "until the end", start);
    heard += whole;
    at = NextSound(stream, start + cue->heard.size());
  }
  if (!cues.empty() && heard == 0) return Fail("no cue of the turns was heard in full");
  return 0;
}
