#include "platform/native_delay.h"

#include <gtest/gtest.h>

#include "tests/linux_timing.h"

namespace {

double DelayMs(std::int64_t interval) {
  LARGE_INTEGER value;
  value.QuadPart = interval;
  const double start = MonotonicMs();
  EXPECT_EQ(NtDelayExecution(FALSE, &value), STATUS_SUCCESS);
  return MonotonicMs() - start;
}

TEST(NativeDelayLinuxTest, ANegativeIntervalIsRelativeAndNeverEndsEarly) {
  const SignalEvery signals(7);
  const double delayed = DelayMs(-500000);  // 50 ms
  EXPECT_GE(delayed, 50);
  EXPECT_LT(delayed, 1000);
}

TEST(NativeDelayLinuxTest, APositiveIntervalIsAnAbsoluteSystemTime) {
  const double delayed = DelayMs(SystemTimeNow() + 500000);
  EXPECT_GE(delayed, 45);  // the system clock may be slewed a little against the monotonic one
  EXPECT_LT(delayed, 1000);
}

TEST(NativeDelayLinuxTest, APastSystemTimeEndsAtOnce) {
  EXPECT_LT(DelayMs(SystemTimeNow() - 10000000), 50);
  EXPECT_LT(DelayMs(0), 50);
}

}  // namespace
