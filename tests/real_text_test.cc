#include "support/real_text.h"

#include <cfloat>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct RealTextCase {
  long double value;
  char separator;
  const char* text;
};

// Where a double is the input, the note gives its exact value, from which the text follows.
const RealTextCase kRealTextCases[] = {
    // 2992.54300000000012005...: the 16th digit is 0.
    {2992.543, '.', "2992.543"},
    {2992.543, ',', "2992,543"},
    {3000, '.', "3000"},
    {0.5, '.', "0.5"},
    {2992.5, '.', "2992.5"},
    {1, '.', "1"},
    // 0.00100000000000000002081...
    {0.001, '.', "0.001"},
    // 0.000100000000000000004792...: exponent -3, the last fixed form below 1.
    {0.0001, '.', "0.0001"},
    // 0.000123449999999999992031...: the 16th digit 9 carries up through the nines.
    {0.00012345, '.', "0.00012345"},
    // 0.0000100000000000000008180...: exponent -4 is written with E.
    {0.00001, '.', "1E-5"},
    {-0.00001, '.', "-1E-5"},
    {999999999999999.0L, '.', "999999999999999"},
    {123456789012345.0L, '.', "123456789012345"},
    {1e15L, '.', "1E15"},
    {1.5e20, '.', "1.5E20"},
    {1.5e20, ',', "1,5E20"},
    // -0.332999999999999985167...: 16th digit 9.
    {-0.3333, '.', "-0.3333"},
    {-0.005, '.', "-0.005"},
    {1.0L / 3, '.', "0.333333333333333"},
    {2.0L / 3, '.', "0.666666666666667"},
    // The 16th digit 5 raises the 15th; the carry runs out of the first digit.
    {9999999999999995.0L, '.', "1E16"},
    {9999999999999994.0L, '.', "9.99999999999999E15"},
    // Two roundings, not one: 18 digits give ...345500, and then the 16th digit 5 rounds up,
    // where rounding straight to 15 digits would give ...345.
    {static_cast<long double>(std::int64_t{1234567890123454999}), '.', "1.23456789012346E18"},
    // 18 digits, the first rounding: halfway rounds to the even neighbour, so the 16th digit
    // stays 0 here: 1000000000000000005 -> 100000000000000000.
    {static_cast<long double>(std::int64_t{1000000000000000005}), '.', "1E18"},
    {LDBL_MAX, '.', "1.18973149535723E4932"},
    {std::numeric_limits<long double>::denorm_min(), '.', "3.64519953188247E-4951"},
    {1e-4000L, '.', "1E-4000"},
    {0.0L, '.', "0"},
    {-0.0L, '.', "0"},
    {std::numeric_limits<long double>::infinity(), '.', "INF"},
    {-std::numeric_limits<long double>::infinity(), '.', "-INF"},
    {std::numeric_limits<long double>::quiet_NaN(), '.', "NAN"},
};

TEST(RealTextTest, FollowsTheRulesForEveryKindOfValue) {
  for (const RealTextCase& c : kRealTextCases) {
    EXPECT_EQ(RealText(c.value, c.separator), c.text) << "expected " << c.text;
  }
}

TEST(RealTextTest, UsesTheSeparatorReadAtStartUp) {
  // Nothing has read a locale in this process: the separator is the full stop.
  EXPECT_EQ(RealText(0.25L), "0.25");
}

}  // namespace
