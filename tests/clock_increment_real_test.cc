// clock_increment on this machine's kernel.
#include <ctime>
#include <gtest/gtest.h>
#include <regex>

#include "tests/run_program.h"

namespace {

TEST(ClockIncrementRealTest, PrintsTheKernelsClockTick) {
  timespec tick{};
  ASSERT_EQ(clock_getres(CLOCK_REALTIME_COARSE, &tick), 0);
  const double tick_ms = static_cast<double>(tick.tv_sec) * 1e3 + static_cast<double>(tick.tv_nsec) / 1e6;

  const ProgramRun run = RunProgram(RealProgram("clock_increment"), {});
  ASSERT_EQ(run.exit_status, 0) << run.error;
  const std::regex dialogue(
      "System time adjustment: ([0-9]+(?:\\.[0-9]{1,4})?) ms\\.\r\n"
      "\r\n"
      "Press any key for an exit\\.\\.\\.\r\n");
  std::smatch figure;
  ASSERT_TRUE(std::regex_match(run.output, figure, dialogue)) << run.output;
  // The increment is in 100 ns units, so the figure is exact to its four decimals.
  EXPECT_NEAR(std::stod(figure[1]), tick_ms, 1e-9);
}

}  // namespace
