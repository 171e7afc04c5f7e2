// Start-up: the floating-point unit and its traps, and the error stop they lead to.
#include "support/program.h"

#include <gtest/gtest.h>

#include "tests/run_program.h"

namespace {

ProgramRun RunArithmetic(const std::string& what) {
  ProgramOptions options;
  options.arguments = {what};
  return RunProgram(FixtureProgram("arithmetic_fixture"), options);
}

TEST(ProgramTest, ArithmeticRunsInExtendedPrecisionRoundingToNearest) {
  const ProgramRun precision = RunArithmetic("precision");
  EXPECT_EQ(precision.exit_status, 0);
  EXPECT_EQ(precision.output, "before\r\n1\r\n");
  const ProgramRun rounding = RunArithmetic("rounding");
  EXPECT_EQ(rounding.exit_status, 0);
  EXPECT_EQ(rounding.output, "before\r\n0\r\n");
}

TEST(ProgramTest, AnArithmeticTrapEndsTheRunThroughTheErrorStop) {
  const struct {
    const char* what;
    const char* error;
  } cases[] = {
      {"divide", "arithmetic_fixture: arithmetic fault: division by zero\r\n"},
      {"invalid", "arithmetic_fixture: arithmetic fault: invalid floating-point operation\r\n"},
      {"overflow", "arithmetic_fixture: arithmetic fault: floating-point overflow\r\n"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = RunArithmetic(c.what);
    EXPECT_TRUE(run.exited) << c.what << ": killed by signal " << run.signal;
    EXPECT_EQ(run.exit_status, 1) << c.what;
    // What was written before the fault reaches standard output; nothing after it.
    EXPECT_EQ(run.output, "before\r\n") << c.what;
    EXPECT_EQ(run.error, c.error);
  }
}

}  // namespace
