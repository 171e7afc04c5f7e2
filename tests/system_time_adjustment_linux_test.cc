#include "platform/system_time_adjustment.h"

#include <ctime>
#include <gtest/gtest.h>

namespace {

TEST(SystemTimeAdjustmentLinuxTest, TheIncrementIsTheKernelsClockTick) {
  timespec tick{};
  clock_getres(CLOCK_REALTIME_COARSE, &tick);
  DWORD adjustment = 0, increment = 0;
  BOOL disabled = 7;
  EXPECT_EQ(GetSystemTimeAdjustment(&adjustment, &increment, &disabled), TRUE);
  EXPECT_EQ(increment, static_cast<DWORD>((tick.tv_sec * 1000000000LL + tick.tv_nsec) / 100));
  // The kernel corrects its frequency by at most 500 ppm.
  EXPECT_NEAR(static_cast<double>(adjustment), static_cast<double>(increment), increment * 0.0005 + 1);
  EXPECT_TRUE(disabled == TRUE || disabled == FALSE);
}

}  // namespace
