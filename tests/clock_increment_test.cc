// clock_increment run whole on the simulated platform.
#include <gtest/gtest.h>

#include "tests/run_program.h"

namespace {

TEST(ClockIncrementTest, PrintsTheIncrementInMilliseconds) {
  const struct {
    const char* increment;
    const char* separator;
    const char* figure;
  } cases[] = {
      {"156250", ".", "15.625"}, {"100144", ".", "10.0144"}, {"100000", ".", "10"},
      {"10000", ".", "1"},       {"5000", ".", "0.5"},       {"1", ".", "0.0001"},
      {"0", ".", "0"},           {"4294967295", ".", "429496.7295"},
      {"156250", ",", "15,625"},
  };
  for (const auto& c : cases) {
    ProgramOptions options;
    options.environment = {std::string("SIM_TIME_INCREMENT=") + c.increment, "SIM_TIME_ADJUSTMENT=1",
                           std::string("SIM_DECIMAL_SEPARATOR=") + c.separator};
    const ProgramRun run = RunProgram(SimulatedProgram("clock_increment"), options);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.output, std::string("System time adjustment: ") + c.figure +
                              " ms.\r\n"
                              "\r\n"
                              "Press any key for an exit...\r\n");
    EXPECT_EQ(run.error, "");
  }
}

TEST(ClockIncrementTest, AFailedWriteEndsTheRun) {
  ProgramOptions options;
  options.output_mode = OutputMode::kDevFull;
  const ProgramRun run = RunProgram(SimulatedProgram("clock_increment"), options);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.error, "clock_increment: cannot write to standard output: No space left on device (error 28)\r\n");
}

}  // namespace
