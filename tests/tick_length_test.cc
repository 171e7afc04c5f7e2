// tick_length run whole on the simulated platform.
#include <gtest/gtest.h>

#include "tests/run_program.h"
#include "tests/sim_reads.h"

namespace {

const char kBeforeMeasurement[] =
    "The program will show duration of one step of your processor.\r\n"
    "\r\n"
    "Expected time of check - 10 seconds. Press any key for start of the test...\r\n";

std::string Dialogue(const std::string& step, const std::string& light) {
  return std::string(kBeforeMeasurement) + "The test is completed. Duration of one processor's step = " + step +
         " nanoseconds.\r\n"
         "Light for this time has time to fly by " + light + " centimeters.\r\n"
         "Press any key for an exit...\r\n";
}

// A 10-second delay whose net count is `net` ticks, with a calibration of 0 ticks.
std::string ReadsForNet(long long start, long long net) {
  return SimReadsSetting(WindowReads(static_cast<std::uint64_t>(start), static_cast<std::uint64_t>(start + net), 0));
}

TEST(TickLengthTest, PrintsTheStepLengthAndTheLightDistance) {
  const struct {
    long long net;
    const char* step;
    const char* light;
  } cases[] = {
      {30000000000, "0.3333", "9.9921"},           // count 3333; 99920.83 rounds up
      {40000000000, "0.25", "7.4948"},             // count 2500
      {10000000000, "1", "29.9792"},               // 299792.458 rounds down
      {100000000000000, "0.0001", "0.003"},        // count 1; 29.98 gives 30
      {1000000000000000, "0", "0"},                // 0.00001 ns rounds to 0
      {-30000000000, "-0.3333", "-9.9921"},
  };
  for (const auto& c : cases) {
    ProgramOptions options;
    options.environment = {ReadsForNet(50000000000, c.net)};
    const ProgramRun run = RunProgram(SimulatedProgram("tick_length"), options);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.output, Dialogue(c.step, c.light));
    EXPECT_EQ(run.error, "");
  }
}

TEST(TickLengthTest, UsesTheLocalesSeparatorInBothFigures) {
  ProgramOptions options;
  options.environment = {"SIM_TICKS_PER_MS=3000000", "SIM_READ_COST=40", "SIM_DECIMAL_SEPARATOR=,"};
  const ProgramRun run = RunProgram(SimulatedProgram("tick_length"), options);
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output, Dialogue("0,3333", "9,9921"));
}

TEST(TickLengthTest, ACounterThatStandsStillEndsTheRunWithADivisionByZero) {
  ProgramOptions options;
  options.environment = {ReadsForNet(777, 0)};
  const ProgramRun run = RunProgram(SimulatedProgram("tick_length"), options);
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.output, kBeforeMeasurement);
  EXPECT_EQ(run.error, "tick_length: arithmetic fault: division by zero\r\n");
}

}  // namespace
