#pragma once

#include <cstdint>
#include <string>

// A score in groups of four digits with the units 億 and 万 (code page 932), e.g. 21億4748万3647.
// Inner zeros stay: 10000 gives 1万0000. A negative value is its magnitude's text after "-".
std::string point_text(int32_t value);
