// Set at start-up and never read: lets a glance at the binary tell which mixer is inside.
extern const char* const kWaveMixVersion;
const char* const kWaveMixVersion =
    "zeru wave mixer 1.0: eight channels of 8-bit PCM mixed in software, written for zeru";
