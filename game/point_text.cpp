#include "game/point_text.h"

#include "game/cp932.h"

namespace {

std::string last_four(int64_t value) {
  std::string text = std::to_string(value);
  return text.size() > 4 ? text.substr(text.size() - 4) : text;
}

std::string grouped(int64_t magnitude) {
  const std::string low = last_four(magnitude);
  const std::string middle = last_four(magnitude / 10000);
  const std::string high = last_four(magnitude / 100000000);
  if (high != "0") return high + Sjis("億") + middle + Sjis("万") + low;
  if (middle != "0") return middle + Sjis("万") + low;
  return low;
}

}  // namespace

std::string point_text(int32_t value) {
  // Grouping the magnitude keeps the sign that cutting "-5000" to its last four characters would lose.
  if (value < 0) return "-" + grouped(-int64_t{value});
  return grouped(value);
}
