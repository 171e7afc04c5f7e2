#include "support/decimal_text.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(DecimalTextTest, WritesSignAndDigitsOnly) {
  const struct {
    std::int64_t value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {7, "7"},
      {-7, "-7"},
      {1000000, "1000000"},
      {4294967295, "4294967295"},
      {std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
      {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecimalText(c.value), c.text);
}

}  // namespace
