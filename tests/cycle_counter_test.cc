#include "core/cycle_counter.h"

#include <gtest/gtest.h>

#include "platform/sim.h"

namespace {

sim::Settings ScriptedReads(std::vector<std::uint64_t> reads) {
  sim::Settings settings;
  settings.reads = std::move(reads);
  return settings;
}

TEST(CounterReadOverheadTest, TakesTheSmallestOfTenTries) {
  // Differences 41, 38, 40, 38, 52, 39, 38, 44, 40, 39.
  sim::Reset(ScriptedReads({0, 0,                                      //
                            100, 141, 200, 238, 300, 340, 400, 438,    //
                            500, 552, 600, 639, 700, 738, 800, 844,    //
                            900, 940, 1000, 1039}));
  EXPECT_EQ(CounterReadOverhead(), 38);
}

TEST(CounterReadOverheadTest, IgnoresTheWarmUpReads) {
  // A warm-up gap of 5 ticks would be the smallest if it counted.
  sim::Reset(ScriptedReads({10, 15,                                    //
                            100, 150, 200, 250, 300, 350, 400, 450,    //
                            500, 550, 600, 650, 700, 750, 800, 850,    //
                            900, 950, 1000, 1050}));
  EXPECT_EQ(CounterReadOverhead(), 50);
}

TEST(CounterReadOverheadTest, ANegativeDifferenceWins) {
  sim::Reset(ScriptedReads({0, 0,                                      //
                            100, 140, 200, 240, 300, 340, 400, 440,    //
                            500, 400, 600, 640, 700, 740, 800, 840,    //
                            900, 940, 1000, 1040}));
  EXPECT_EQ(CounterReadOverhead(), -100);
}

TEST(CounterReadOverheadTest, ComparesAsSigned) {
  // 0 followed by 2^63 is the most negative difference, not the largest.
  sim::Reset(ScriptedReads({0, 0,                                      //
                            0, 0x8000000000000000u, 200, 240, 300, 340, 400, 440,  //
                            500, 540, 600, 640, 700, 740, 800, 840,    //
                            900, 940, 1000, 1040}));
  EXPECT_EQ(CounterReadOverhead(), INT64_MIN);
}

TEST(CounterReadOverheadTest, MakesTwentyTwoReadsAndNothingElse) {
  sim::Settings settings;
  settings.read_cost = 33;
  sim::Reset(settings);
  EXPECT_EQ(CounterReadOverhead(), 33);
  EXPECT_EQ(sim::Calls(), std::vector<std::string>(22, "rdtsc"));
}

}  // namespace
