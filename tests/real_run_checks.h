// What a run of a real program must show on any platform it runs on: natively on Linux, or as a
// Windows program under Wine. The figures are checked against references with wide margins.
#pragma once

#include <algorithm>
#include <gtest/gtest.h>
#include <regex>
#include <string>

#include "tests/run_program.h"
#include "tests/scratch_directory.h"

const std::regex kCpuClockRateDialogue(
    "The program will determine approximate frequency of your processor\\.\r\n"
    "Expected time of check - 10 seconds\\. Press any key for start of the test\\.\\.\\.\r\n"
    "\r\n"
    "The test is completed\\. Frequency = ([0-9]+)(?:([.,])([0-9]+))? MHz\\.\r\n"
    "\r\n"
    "Press any key for an exit\\.\\.\\.\r\n");

// cpu_clock_rate at end of input: the exact dialogue and a run of about ten seconds. The figure
// counts the ticks of a 10-second sleep that may end late but never early, so it lies between
// 0.1% below the reference and the reference stretched by the whole run's length over those ten
// seconds. Returns the figure in MHz and, in `separator`, the separator it used, if any.
inline double ExpectCpuClockRateRun(const ProgramRun& run, double reference_mhz, std::string* separator = nullptr) {
  EXPECT_EQ(run.exit_status, 0) << run.error;
  std::smatch figure;
  if (!std::regex_match(run.output, figure, kCpuClockRateDialogue)) {
    ADD_FAILURE() << run.output;
    return 0;
  }
  const double mhz = std::stod(figure[1].str() + "." + (figure[3].length() ? figure[3].str() : "0"));
  EXPECT_GE(mhz, reference_mhz * 0.999) << run.output;
  EXPECT_LE(mhz, reference_mhz * run.seconds / 10 * 1.001) << run.output << run.seconds << " s";
  EXPECT_GT(run.seconds, 9.9);
  EXPECT_LT(run.seconds, 20);
  if (separator != nullptr) *separator = figure[2];
  return mhz;
}

// tick_length at end of input: the exact dialogue, and the distance light travels in the step
// length. The step length divides ten seconds by the ticks of a delay that may end late but never
// early: it lies between the reference shrunk by the whole run's length over ten seconds and 0.1%
// above the reference, give or take the last of its four decimals. Returns the step length.
inline double ExpectTickLengthRun(const ProgramRun& run, double reference_ns) {
  EXPECT_EQ(run.exit_status, 0) << run.error;
  const std::regex dialogue(
      "The program will show duration of one step of your processor\\.\r\n"
      "\r\n"
      "Expected time of check - 10 seconds\\. Press any key for start of the test\\.\\.\\.\r\n"
      "The test is completed\\. Duration of one processor's step = ([0-9]+(?:\\.[0-9]{1,4})?) nanoseconds\\.\r\n"
      "Light for this time has time to fly by ([0-9]+(?:\\.[0-9]{1,4})?) centimeters\\.\r\n"
      "Press any key for an exit\\.\\.\\.\r\n");
  std::smatch figures;
  if (!std::regex_match(run.output, figures, dialogue)) {
    ADD_FAILURE() << run.output;
    return 0;
  }
  const double step_ns = std::stod(figures[1]);
  EXPECT_LE(step_ns, reference_ns * 1.001 + 0.00005) << run.output;
  EXPECT_GE(step_ns, reference_ns * 10 / run.seconds * 0.999 - 0.00005) << run.output << run.seconds << " s";
  // Light covers 29.9792458 cm in a nanosecond; both figures are rounded to four decimals.
  EXPECT_NEAR(std::stod(figures[2]), step_ns * 29.9792458, 0.00015 * 29.9792458 + 0.0001);
  EXPECT_GT(run.seconds, 9.9);
  EXPECT_LT(run.seconds, 20);
  return step_ns;
}

// sleep_sweep_custom answered 2 and 10: four tests in two rows, shown and tabulated, in well
// under a second of waits.
inline void ExpectSmallCustomRun(const ProgramRun& run, const ScratchDirectory& directory) {
  EXPECT_EQ(run.exit_status, 0) << run.error;
  const std::string number = "(-?[1-9][0-9]*|0)";
  EXPECT_TRUE(std::regex_search(
      run.output, std::regex("Total of tests: 4\\. Press any key for start of the test\\.\\.\\.\r\n"
                             "Tests are started\\.\r\n\r\n"
                             "Test #1: " + number + "\r\nTest #2: " + number + "\r\nTest #3: " + number +
                             "\r\nTest #4: " + number +
                             "\r\n\r\nThe test is completed\\. The data are saved in a file KALDE\\.xls\\.\r\n"
                             "Press any key for an exit\\.\\.\\.\r\n$")))
      << run.output;
  EXPECT_TRUE(std::regex_match(directory.Read("KALDE.xls"),
                               std::regex("Delay :\tTest 1:\tTest 2:\tAverage:\r\n1ms\t" + number + "\t" + number +
                                          "\t" + number + "\r\n10ms\t" + number + "\t" + number + "\t" + number)));
  EXPECT_EQ(directory.Names(), std::set<std::string>{"KALDE.xls"});
}

// A failed write to standard output: exit status 1 and one line naming the program and the step.
inline void ExpectFailedOutput(const ProgramRun& run, const std::string& program) {
  EXPECT_TRUE(run.exited) << "killed by signal " << run.signal;
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_TRUE(std::regex_match(run.error, std::regex(program + ": cannot write to standard output: [^\r\n]+ \\((error|I/O result) [0-9]+\\)\r\n")))
      << run.error;
}
