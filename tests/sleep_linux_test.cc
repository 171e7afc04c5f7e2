#include "platform/sleep.h"

#include <gtest/gtest.h>

#include "tests/linux_timing.h"

namespace {

TEST(SleepLinuxTest, SleepsAtLeastTheRequestedTimeThroughSignals) {
  const SignalEvery signals(7);
  const double start = MonotonicMs();
  Sleep(100);
  const double slept = MonotonicMs() - start;
  EXPECT_GE(slept, 100);
  EXPECT_LT(slept, 1000);
}

}  // namespace
