#include "platform/waitable_timer.h"

#include <gtest/gtest.h>

#include "tests/linux_timing.h"

namespace {

// Arms a new timer with `due`, waits for it and closes it; the milliseconds from arming to the
// end of the wait.
double ArmAndWaitMs(std::int64_t due_time) {
  const HANDLE timer = CreateWaitableTimerA(nullptr, FALSE, nullptr);
  EXPECT_NE(timer, nullptr);
  LARGE_INTEGER due;
  due.QuadPart = due_time;
  const double start = MonotonicMs();
  EXPECT_EQ(SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE), TRUE);
  EXPECT_EQ(WaitForSingleObjectEx(timer, INFINITE, TRUE), WAIT_OBJECT_0);
  const double waited = MonotonicMs() - start;
  EXPECT_EQ(CloseHandle(timer), TRUE);
  return waited;
}

TEST(WaitableTimerLinuxTest, ANegativeDueTimeIsRelativeAndTheWaitNeverEndsEarly) {
  const SignalEvery signals(7);
  const double waited = ArmAndWaitMs(-400000);  // 40 ms
  EXPECT_GE(waited, 40);
  EXPECT_LT(waited, 1000);
}

TEST(WaitableTimerLinuxTest, APositiveDueTimeIsAnAbsoluteSystemTime) {
  const double waited = ArmAndWaitMs(SystemTimeNow() + 400000);
  EXPECT_GE(waited, 35);  // the system clock may be slewed a little against the monotonic one
  EXPECT_LT(waited, 1000);
}

TEST(WaitableTimerLinuxTest, ADueTimeThatHasPassedSignalsAtOnce) {
  EXPECT_LT(ArmAndWaitMs(0), 50);
  EXPECT_LT(ArmAndWaitMs(SystemTimeNow() - 10000000), 50);
}

TEST(WaitableTimerLinuxTest, TimersAreMadeAndClosedWithoutLeavingDescriptors) {
  const HANDLE first = CreateWaitableTimerA(nullptr, FALSE, nullptr);
  CloseHandle(first);
  for (int timer = 0; timer < 2000; ++timer) CloseHandle(CreateWaitableTimerA(nullptr, FALSE, nullptr));
  const HANDLE last = CreateWaitableTimerA(nullptr, FALSE, nullptr);
  EXPECT_EQ(last, first);
  CloseHandle(last);
}

TEST(WaitableTimerLinuxTest, RefusesWhatItDoesNotProvide) {
  EXPECT_EQ(CreateWaitableTimerA(nullptr, TRUE, nullptr), nullptr);
  EXPECT_EQ(CreateWaitableTimerA(nullptr, FALSE, "named"), nullptr);
  const HANDLE timer = CreateWaitableTimerA(nullptr, FALSE, nullptr);
  EXPECT_EQ(WaitForSingleObjectEx(timer, 100, TRUE), WAIT_FAILED);
  CloseHandle(timer);
}

}  // namespace
