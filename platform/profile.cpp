#include "platform/profile.h"

#include <fstream>
#include <optional>
#include <string_view>

namespace platform {

namespace {

std::string_view Trim(std::string_view text) {
  constexpr std::string_view blanks = " \t\r\v\f";
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

int32_t LeadingInteger(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  // Unsigned arithmetic, so that an overlong number wraps instead of overflowing.
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<uint32_t>(text[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

std::optional<std::string> FindValue(std::istream& in, std::string_view section, std::string_view key) {
  std::string line;
  bool inSection = false;
  bool firstLine = true;
  while (std::getline(in, line)) {
    std::string_view text = line;
    if (firstLine && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    firstLine = false;
    text = Trim(text);
    if (text.empty() || text.front() == ';') continue;
    if (text.front() == '[') {
      std::size_t close = text.find(']');
      std::string_view name =
          Trim(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
      // Only the first section of a name counts.
      if (inSection) return std::nullopt;
      inSection = SameIgnoringCase(name, section);
      continue;
    }
    if (!inSection) continue;
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) continue;
    if (SameIgnoringCase(Trim(text.substr(0, equals)), key))
      return std::string(Trim(text.substr(equals + 1)));
  }
  return std::nullopt;
}

}  // namespace

int32_t ReadProfileInt(const std::string& path, const std::string& section, const std::string& key,
                       int32_t defaultValue) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return defaultValue;
  std::optional<std::string> value = FindValue(in, section, key);
  return value ? LeadingInteger(*value) : defaultValue;
}

}  // namespace platform
