// tick_length on this machine's own clock.
#include <algorithm>
#include <gtest/gtest.h>
#include <regex>

#include "tests/reference_clock.h"
#include "tests/run_program.h"

namespace {

TEST(TickLengthRealTest, MeasuresTheTickLengthAtEndOfInput) {
  const double reference_ns = 1e6 / ReferenceTicksPerMs();
  const ProgramRun run = RunProgram(RealProgram("tick_length"), {});
  ASSERT_EQ(run.exit_status, 0) << run.error;
  const std::regex dialogue(
      "The program will show duration of one step of your processor\\.\r\n"
      "\r\n"
      "Expected time of check - 10 seconds\\. Press any key for start of the test\\.\\.\\.\r\n"
      "The test is completed\\. Duration of one processor's step = ([0-9]+(?:\\.[0-9]{1,4})?) nanoseconds\\.\r\n"
      "Light for this time has time to fly by ([0-9]+(?:\\.[0-9]{1,4})?) centimeters\\.\r\n"
      "Press any key for an exit\\.\\.\\.\r\n");
  std::smatch figures;
  ASSERT_TRUE(std::regex_match(run.output, figures, dialogue)) << run.output;
  const double step_ns = std::stod(figures[1]);
  EXPECT_NEAR(step_ns, reference_ns, std::max(reference_ns * 0.001, 0.0001)) << run.output;
  // Light covers 29.9792458 cm in a nanosecond; the figure is rounded to four decimals.
  EXPECT_NEAR(std::stod(figures[2]), step_ns * 29.9792458, 0.00015 * 29.9792458 + 0.0001);
  EXPECT_GT(run.seconds, 9.9);
  EXPECT_LT(run.seconds, 15);
}

}  // namespace
