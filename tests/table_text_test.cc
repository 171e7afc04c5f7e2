#include "sweep/table_text.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(TableTextTest, TheHeaderHasOneColumnPerTest) {
  EXPECT_EQ(TableHeader(5), "Delay :\tTest 1:\tTest 2:\tTest 3:\tTest 4:\tTest 5:\tAverage:");
  EXPECT_EQ(TableHeader(5).size(), 56u);
  EXPECT_EQ(TableHeader(1), "Delay :\tTest 1:\tAverage:");
  const std::string wide = TableHeader(255);
  EXPECT_EQ(wide.substr(wide.size() - 19), "\tTest 255:\tAverage:");
  EXPECT_EQ(std::count(wide.begin(), wide.end(), '\t'), 256);
}

TEST(TableTextTest, LabelsShowTheDelayInItsUnit) {
  const struct {
    std::int64_t delay;
    const char* milliseconds;
    const char* microseconds;
  } cases[] = {
      {1, "1ms", "10^0mks"},
      {10, "10ms", "10^1mks"},
      {10000, "10000ms", "10^4mks"},
      {10000000, "10000000ms", "10^7mks"},
      {1000000000, "1000000000ms", "10^9mks"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MillisecondLabel(c.delay), c.milliseconds);
    EXPECT_EQ(MicrosecondLabel(c.delay), c.microseconds);
  }
}

}  // namespace
