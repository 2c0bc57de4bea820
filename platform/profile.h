#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Reads an integer setting from an INI-style settings file:
//
//   [section]
//   key=value        ; lines starting with ';' are comments
//
// Sections and keys are compared without regard to ASCII case, surrounding blanks ignored; the
// first matching section and the first matching key in it count. The value is its leading decimal
// integer with an optional sign (0 when it starts with anything else; digits beyond 32 bits wrap).
// Returns defaultValue when the file, the section or the key is missing.
int32_t ReadProfileInt(const std::string& path, const std::string& section, const std::string& key,
                       int32_t defaultValue);

}  // namespace platform
