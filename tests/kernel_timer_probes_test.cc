#include "core/kernel_timer_probes.h"

#include <gtest/gtest.h>

#include "platform/sim.h"
#include "tests/sim_reads.h"

namespace {

using Calls = std::vector<std::string>;

// TimerSetOverhead's calls when the first of its ten timers gets the handle `first_handle`.
Calls TimerSetOverheadCalls(int first_handle) {
  Calls calls{"rdtsc", "rdtsc"};
  for (int handle = first_handle; handle < first_handle + 10; ++handle) {
    const std::string h = std::to_string(handle);
    calls.insert(calls.end(), {"CreateWaitableTimerA -> " + h, "rdtsc", "SetWaitableTimer(" + h + ", 0, 0)",
                               "CloseHandle(" + h + ")", "rdtsc"});
  }
  return calls;
}

Calls Concatenated(Calls calls, const Calls& more) {
  calls.insert(calls.end(), more.begin(), more.end());
  return calls;
}

TEST(KernelTimerProbesTest, TimerSetOverheadArmsAndClosesTenTimersAndNeverWaits) {
  sim::Reset({});
  TimerSetOverhead();
  EXPECT_EQ(sim::Calls(), TimerSetOverheadCalls(1));
}

TEST(KernelTimerProbesTest, TimerSetOverheadTakesTheSmallestCost) {
  sim::Settings settings;
  settings.read_cost = 12;
  sim::Reset(settings);
  EXPECT_EQ(TimerSetOverhead(), 12);
}

TEST(KernelTimerProbesTest, MeasureWaitableTimerClosesItsOneTimerInsideTheWindow) {
  sim::Reset({});
  MeasureWaitableTimer(1);
  EXPECT_EQ(sim::Calls(),
            Concatenated({"CreateWaitableTimerA -> 1", "timeBeginPeriod(1)", "Sleep(20)", "rdtsc",
                          "SetWaitableTimer(1, -10, 0)", "WaitForSingleObjectEx(1, INFINITE, TRUE)",
                          "CloseHandle(1)", "rdtsc", "timeEndPeriod(1)"},
                         TimerSetOverheadCalls(2)));
}

TEST(KernelTimerProbesTest, MeasureNativeDelayTimesTheDelayAlone) {
  sim::Reset({});
  MeasureNativeDelay(10000000);
  Calls expected{"timeBeginPeriod(1)", "Sleep(20)", "rdtsc", "NtDelayExecution(FALSE, -100000000)", "rdtsc",
                 "timeEndPeriod(1)"};
  expected.insert(expected.end(), 22, "rdtsc");
  EXPECT_EQ(sim::Calls(), expected);
}

TEST(KernelTimerProbesTest, MeasureTickLengthDelaysTenSeconds) {
  sim::Reset({});
  MeasureTickLength();
  Calls expected{"timeBeginPeriod(1)", "Sleep(20)", "rdtsc", "NtDelayExecution(FALSE, -100000000)", "rdtsc",
                 "timeEndPeriod(1)"};
  expected.insert(expected.end(), 22, "rdtsc");
  EXPECT_EQ(sim::Calls(), expected);
}

TEST(KernelTimerProbesTest, TheMicrosecondProbesMultiplyBeforeTheyDivide) {
  const struct {
    std::uint64_t start, stop, overhead;
    std::int64_t delay;
    Cycles figure;
  } cases[] = {
      {0, 1234600, 33, 1000, 1234567},                 // not 1,234,000
      {0, 30000123456, 0, 10000000, 3000012},          // truncated
      {1000, 1003, 10, 1, -7000},                      // a negative net count
      {500, 500, 0, 7, 0},
  };
  for (const auto& c : cases) {
    sim::Settings settings;
    settings.reads = WindowReads(c.start, c.stop, c.overhead);
    for (Cycles (*probe)(std::int64_t) : {MeasureWaitableTimer, MeasureNativeDelay}) {
      sim::Reset(settings);
      EXPECT_EQ(probe(c.delay), c.figure) << "delay " << c.delay;
    }
  }
}

TEST(KernelTimerProbesTest, TheMicrosecondProbesShowLatenessPerMillisecond) {
  // 2000 ticks per ms and every wait 50 us late: a 100 us wait counts 150 us, 3000 ticks per ms.
  sim::Settings settings;
  settings.ticks_per_ms = 2000;
  settings.read_cost = 7;
  settings.lateness_us = 50;
  sim::Reset(settings);
  EXPECT_EQ(MeasureNativeDelay(100), 3000);
  EXPECT_EQ(MeasureWaitableTimer(100), 3000);
}

TEST(KernelTimerProbesTest, MeasureTickLengthRoundsToTheNearestTenThousandthEvenOnHalfway) {
  const struct {
    std::uint64_t net;
    std::int64_t count;
  } cases[] = {
      {30000000000, 3333},   // 0.33333... ns
      {10000000000, 10000},  // 1 ns
      {12800000000, 7812},   // 0.78125 ns, halfway
      {2560000000, 39062},   // 3.90625 ns, halfway
  };
  for (const auto& c : cases) {
    sim::Settings settings;
    settings.reads = WindowReads(1000, 1000 + c.net + 21, 21);
    sim::Reset(settings);
    EXPECT_EQ(MeasureTickLength().count, c.count) << "net " << c.net;
  }
}

}  // namespace
