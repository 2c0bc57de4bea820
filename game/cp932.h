#pragma once

#include <optional>
#include <string>
#include <string_view>

// Game text is code page 932 bytes; Unicode appears only at the edges (source literals, the
// screen, file names).

// Converts a UTF-8 literal of the game. Every game literal is representable, so a failure is a
// programming error and throws std::logic_error.
std::string Sjis(std::string_view utf8);

// Converts user text; nullopt when some character has no code page 932 form.
std::optional<std::string> TryCp932FromUtf8(std::string_view utf8);

// For display. Invalid sequences become U+FFFD; never throws.
std::string Utf8FromCp932(std::string_view cp932);

// Length of the longest start of the text that ends on a whole character: a first byte of a
// double-byte character whose second byte is missing at the end is left out.
size_t WholeCharactersLength(std::string_view cp932);
