#pragma once

#include <QString>
#include <string_view>

// Game text (code page 932 bytes) as the screen shows it: a line break is the single character
// 13, and a typing frame may end with the first byte of a double-byte character, which is not
// drawn.
QString DisplayText(std::string_view cp932);
