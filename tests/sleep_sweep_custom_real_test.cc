// sleep_sweep_custom on this machine's clock, with small answers.
#include <gtest/gtest.h>
#include <regex>

#include "tests/run_program.h"
#include "tests/scratch_directory.h"

namespace {

TEST(SleepSweepCustomRealTest, TwoTestsUpToTenMilliseconds) {
  const ScratchDirectory directory;
  ProgramOptions options;
  options.working_directory = directory.path();
  options.input = "2\n10\n";
  const ProgramRun run = RunProgram(RealProgram("sleep_sweep_custom"), options);
  ASSERT_EQ(run.exit_status, 0) << run.error;
  const std::string number = "(-?[1-9][0-9]*|0)";
  EXPECT_TRUE(std::regex_search(run.output, std::regex("Total of tests: 4\\. Press any key for start of the test\\.\\.\\.\r\n"
                                                       "Tests are started\\.\r\n\r\n"
                                                       "Test #1: " + number + "\r\nTest #2: " + number +
                                                       "\r\nTest #3: " + number + "\r\nTest #4: " + number +
                                                       "\r\n\r\nThe test is completed\\. The data are saved in a "
                                                       "file KALDE\\.xls\\.\r\nPress any key for an exit\\.\\.\\.\r\n$")))
      << run.output;
  EXPECT_TRUE(std::regex_match(directory.Read("KALDE.xls"),
                               std::regex("Delay :\tTest 1:\tTest 2:\tAverage:\r\n1ms\t" + number + "\t" + number +
                                          "\t" + number + "\r\n10ms\t" + number + "\t" + number + "\t" + number)));
  // Four sleeps of 1 to 10 ms after their 20 ms settle sleeps.
  EXPECT_LT(run.seconds, 1.0);
}

}  // namespace
