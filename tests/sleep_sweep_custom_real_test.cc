// sleep_sweep_custom on this machine's clock, with small answers.
#include <gtest/gtest.h>

#include "tests/real_run_checks.h"
#include "tests/run_program.h"
#include "tests/scratch_directory.h"

namespace {

TEST(SleepSweepCustomRealTest, TwoTestsUpToTenMilliseconds) {
  const ScratchDirectory directory;
  ProgramOptions options;
  options.working_directory = directory.path();
  options.input = "2\n10\n";
  const ProgramRun run = RunProgram(RealProgram("sleep_sweep_custom"), options);
  ExpectSmallCustomRun(run, directory);
  // Four sleeps of 1 to 10 ms after their 20 ms settle sleeps.
  EXPECT_LT(run.seconds, 1.0);
}

}  // namespace
