#include "platform/timer_resolution.h"

#include <gtest/gtest.h>
#include <sys/prctl.h>

namespace {

int TimerSlackNs() { return prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0); }

TEST(TimerResolutionLinuxTest, ARequestSetsTheSlackAndItsEndRestoresTheOneBefore) {
  const int before = TimerSlackNs();
  EXPECT_EQ(timeBeginPeriod(1), TIMERR_NOERROR);
  EXPECT_EQ(TimerSlackNs(), 1000000);
  EXPECT_EQ(timeBeginPeriod(10), TIMERR_NOERROR);
  EXPECT_EQ(TimerSlackNs(), 10000000);
  EXPECT_EQ(timeEndPeriod(10), TIMERR_NOERROR);
  EXPECT_EQ(TimerSlackNs(), 1000000);
  EXPECT_EQ(timeEndPeriod(1), TIMERR_NOERROR);
  EXPECT_EQ(TimerSlackNs(), before);
}

TEST(TimerResolutionLinuxTest, RefusesWhatDoesNotMatchARequest) {
  const int before = TimerSlackNs();
  EXPECT_EQ(timeEndPeriod(1), TIMERR_NOCANDO);
  EXPECT_EQ(timeBeginPeriod(0), TIMERR_NOCANDO);
  EXPECT_EQ(timeBeginPeriod(1), TIMERR_NOERROR);
  EXPECT_EQ(timeEndPeriod(10), TIMERR_NOCANDO);
  EXPECT_EQ(timeEndPeriod(1), TIMERR_NOERROR);
  EXPECT_EQ(TimerSlackNs(), before);
}

}  // namespace
