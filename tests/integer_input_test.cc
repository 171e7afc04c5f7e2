#include "support/integer_input.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

TEST(IntegerInputTest, ConvertsDecimalAndHexadecimalTexts) {
  const struct {
    const char* text;
    std::int64_t value;
  } cases[] = {
      {"7", 7},
      {"+7", 7},
      {"-7", -7},
      {"007", 7},
      {"0", 0},
      {"-0", 0},
      {"9223372036854775807", kMax},
      {"-9223372036854775808", kMin},
      {"$0A", 10},
      {"$ff", 255},
      {"x1F", 31},
      {"X1f", 31},
      {"0x10", 16},
      {"0X10", 16},
      {"-$10", -16},
      {"+0x10", 16},
      {"$FFFFFFFFFFFFFFFF", -1},                 // top bit set reads negative
      {"$8000000000000000", kMin},
      {"$00000000000000000001", 1},              // leading zeros are not significant
      {"4294967295", 4294967295},
      {"4294967296", 4294967296},
  };
  for (const auto& c : cases) {
    std::int64_t value = 12345;
    EXPECT_TRUE(ConvertIntegerText(c.text, &value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(IntegerInputTest, RefusesEverythingElse) {
  for (const char* text : {"", "+", "-", "$", "x", "0x", "-$", "7a", "a7", "5.0", "1e3", "--5", "+-5",
                           "9223372036854775808", "-9223372036854775809", "99999999999999999999",
                           "$10000000000000000", "$G", "0x1G", "00x1", "$-1", "7 "}) {
    std::int64_t value = 12345;
    EXPECT_FALSE(ConvertIntegerText(text, &value)) << '"' << text << '"';
    EXPECT_EQ(value, 12345) << text;
  }
}

TEST(IntegerInputTest, UsesOnlyTheCharactersItIsGiven) {
  // "12" followed by a 3 that is not part of the text.
  const char text[] = "123";
  std::int64_t value = 0;
  EXPECT_TRUE(ConvertIntegerText(std::string_view(text, 2), &value));
  EXPECT_EQ(value, 12);
}

}  // namespace
