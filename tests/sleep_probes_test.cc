#include "core/sleep_probes.h"

#include <gtest/gtest.h>

#include "platform/sim.h"
#include "tests/sim_reads.h"

namespace {

using Calls = std::vector<std::string>;

// What follows every probe's stop read: the 22 reads of the read-overhead calibration.
Calls WithCalibration(Calls calls) {
  calls.insert(calls.end(), 22, "rdtsc");
  return calls;
}

TEST(SleepProbesTest, MeasureSleepSettlesAt1MsAndTimesOnlyTheSleep) {
  sim::Reset({});
  MeasureSleep(5);
  EXPECT_EQ(sim::Calls(), WithCalibration({"timeBeginPeriod(1)", "Sleep(20)", "rdtsc", "Sleep(5)",
                                           "rdtsc", "timeEndPeriod(1)"}));
}

TEST(SleepProbesTest, MeasureSleepCoarseUses10MsWithoutSettling) {
  sim::Reset({});
  MeasureSleepCoarse(5);
  EXPECT_EQ(sim::Calls(), WithCalibration({"timeBeginPeriod(10)", "rdtsc", "Sleep(5)", "rdtsc",
                                           "timeEndPeriod(10)"}));
}

TEST(SleepProbesTest, MeasureSleepDirectUses1MsWithoutSettling) {
  sim::Reset({});
  MeasureSleepDirect(10000);
  EXPECT_EQ(sim::Calls(), WithCalibration({"timeBeginPeriod(1)", "rdtsc", "Sleep(10000)", "rdtsc",
                                           "timeEndPeriod(1)"}));
}

TEST(SleepProbesTest, ReturnsTicksPerRequestedMillisecondWithTheReadsTakenOut) {
  // 3000 ticks per ms, each read 40 ticks, every wait 250 us late: the figure shows the lateness
  // and not the reads.
  sim::Settings settings;
  settings.ticks_per_ms = 3000;
  settings.read_cost = 40;
  settings.lateness_us = 250;
  sim::Reset(settings);
  EXPECT_EQ(MeasureSleep(10), 3075);
  EXPECT_EQ(MeasureSleepCoarse(10), 3075);
  EXPECT_EQ(MeasureSleepDirect(10), 3075);
}

TEST(SleepProbesTest, DividesTheNetCountWithTruncationTowardZero) {
  const struct {
    std::uint64_t start, stop, overhead;
    std::uint32_t delay;
    Cycles figure;
  } cases[] = {
      {0, 3000512, 38, 1, 3000474},          // delay 1: the whole net count
      {100, 30000137, 38, 10, 2999999},      // 29,999,999 / 10: the remainder dropped
      {1000, 1031, 38, 2, -3},               // -7 / 2: toward zero, not -4
      {0, 3ull << 31, 0, 1u << 31, 3},       // 2^31 stays a positive divisor
      {0, 2 * 4294967295ull, 0, 4294967295u, 2},
  };
  for (const auto& c : cases) {
    sim::Settings settings;
    settings.reads = WindowReads(c.start, c.stop, c.overhead);
    for (Cycles (*probe)(std::uint32_t) : {MeasureSleep, MeasureSleepCoarse, MeasureSleepDirect}) {
      sim::Reset(settings);
      EXPECT_EQ(probe(c.delay), c.figure) << "delay " << c.delay;
    }
  }
}

TEST(SleepProbesTest, AnElapsedCountThatWrapsIsTakenAsItComes) {
  // The counter passes 2^64 inside the window: stop - start is still the 100 ticks between.
  sim::Settings settings;
  settings.reads = WindowReads(0xFFFFFFFFFFFFFFCEu, 50, 0);
  sim::Reset(settings);
  EXPECT_EQ(MeasureSleepDirect(1), 100);
}

}  // namespace
