#include "game/point_text.h"

#include <gtest/gtest.h>

#include <climits>

#include "game/cp932.h"

namespace {

TEST(PointText, GroupsFourDigitsUnderOkuAndManKeepingInnerZeros) {
  struct Case {
    int32_t value;
    const char* text;
  };
  const Case cases[] = {
      {0, "0"},
      {523, "523"},
      {9999, "9999"},
      {10000, "1万0000"},
      {12345678, "1234万5678"},
      {100000000, "1億0000万0000"},
      {2147483647, "21億4748万3647"},
      // A negative value keeps its sign in front of its magnitude's groups.
      {-523, "-523"},
      {-5000, "-5000"},
      {-12345, "-1万2345"},
      {-50000000, "-5000万0000"},
      {INT_MIN, "-21億4748万3648"},
  };
  for (const Case& c : cases) EXPECT_EQ(Sjis(c.text), point_text(c.value)) << c.value;
}

}  // namespace
