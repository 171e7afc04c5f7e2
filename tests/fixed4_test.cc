#include "support/fixed4.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(Fixed4Test, TextIsExactAndNeverInExponentForm) {
  const struct {
    std::int64_t count;
    char separator;
    const char* text;
  } cases[] = {
      {156250, '.', "15.625"},
      {156250, ',', "15,625"},
      {1000000, '.', "100"},
      {5000, '.', "0.5"},
      {1, '.', "0.0001"},
      {-5000, '.', "-0.5"},
      {-1, '.', "-0.0001"},
      {0, '.', "0"},
      {100144, '.', "10.0144"},
      {30, '.', "0.003"},
      {4294967295, '.', "429496.7295"},
      {10000000000000000, '.', "1000000000000"},
      {std::numeric_limits<std::int64_t>::max(), '.', "922337203685477.5807"},
      {std::numeric_limits<std::int64_t>::min(), '.', "-922337203685477.5808"},
  };
  for (const auto& c : cases) EXPECT_EQ(Fixed4Text(Fixed4{c.count}, c.separator), c.text);
}

TEST(Fixed4Test, RoundsToNearestWithHalfwayCasesToEven) {
  const struct {
    long double count;
    std::int64_t rounded;
  } cases[] = {
      {0.5L, 0},   {1.5L, 2},   {2.5L, 2},   {3.5L, 4},     {-2.5L, -2},
      {-3.5L, -4}, {2.4999L, 2}, {2.5001L, 3}, {99920.83L, 99921}, {299792.458L, 299792},
  };
  for (const auto& c : cases) EXPECT_EQ(Fixed4FromCount(c.count).count, c.rounded) << "count " << static_cast<double>(c.count);
}

TEST(Fixed4Test, ConvertsRealsByTenThousand) {
  const struct {
    long double value;
    std::int64_t count;
  } cases[] = {
      {0.78125L, 7812},     // 7812.5 goes to the even neighbour
      {3.90625L, 39062},    // 39062.5 likewise
      {-0.78125L, -7812},
      {15.625L, 156250},
      {0.0L, 0},
      // Every 32-bit increment over 10000 comes back as itself.
      {4294967295.0L / 10000.0f, 4294967295},
      {100144.0L / 10000.0f, 100144},
  };
  for (const auto& c : cases) EXPECT_EQ(RealToFixed4(c.value).count, c.count);
}

TEST(Fixed4Test, ConvertsToARealExactly) {
  EXPECT_EQ(Fixed4ToReal(Fixed4{156250}), 15.625L);
  EXPECT_EQ(Fixed4ToReal(Fixed4{-5000}), -0.5L);
}

}  // namespace
