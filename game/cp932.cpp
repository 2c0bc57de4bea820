#include "game/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace {

// One conversion descriptor per direction and thread, opened on first use and kept.
class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {
    if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::logic_error(std::string("no iconv conversion from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(descriptor_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of input. With replacement set, each byte that starts no valid sequence becomes
  // the replacement; without it, the first such byte ends the conversion with nullopt.
  std::optional<std::string> convert(std::string_view input, const std::string* replacement) {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    std::string output;
    char buffer[256];
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
      char* out = buffer;
      size_t outLeft = sizeof buffer;
      size_t result = iconv(descriptor_, &in, &inLeft, &out, &outLeft);
      output.append(buffer, out);
      if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
      if (replacement == nullptr) return std::nullopt;
      output += *replacement;
      ++in;
      --inLeft;
      iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
  }

 private:
  iconv_t descriptor_;
};

Converter& ToCp932() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

Converter& FromCp932() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

}  // namespace

std::string Sjis(std::string_view utf8) {
  std::optional<std::string> converted = ToCp932().convert(utf8, nullptr);
  if (!converted) throw std::logic_error("game text without a code page 932 form: " + std::string(utf8));
  return *converted;
}

std::optional<std::string> TryCp932FromUtf8(std::string_view utf8) {
  return ToCp932().convert(utf8, nullptr);
}

size_t WholeCharactersLength(std::string_view cp932) {
  size_t length = 0;
  while (length < cp932.size()) {
    const auto byte = static_cast<unsigned char>(cp932[length]);
    const bool leadByte = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    const size_t next = length + (leadByte ? 2 : 1);
    if (next > cp932.size()) break;
    length = next;
  }
  return length;
}

std::string Utf8FromCp932(std::string_view cp932) {
  static const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD
  return *FromCp932().convert(cp932, &kReplacement);
}
