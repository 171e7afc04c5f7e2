// cpu_clock_rate on this machine's own clock.
#include <clocale>
#include <gtest/gtest.h>
#include <regex>

#include "tests/reference_clock.h"
#include "tests/run_program.h"

namespace {

const std::regex kDialogue(
    "The program will determine approximate frequency of your processor\\.\r\n"
    "Expected time of check - 10 seconds\\. Press any key for start of the test\\.\\.\\.\r\n"
    "\r\n"
    "The test is completed\\. Frequency = ([0-9]+)(?:([.,])([0-9]+))? MHz\\.\r\n"
    "\r\n"
    "Press any key for an exit\\.\\.\\.\r\n");

TEST(CpuClockRateRealTest, MeasuresTheCounterRateAtEndOfInput) {
  const double reference_mhz = ReferenceTicksPerMs() / 1000;
  const ProgramRun run = RunProgram(RealProgram("cpu_clock_rate"), {});
  ASSERT_EQ(run.exit_status, 0) << run.error;
  std::smatch figure;
  ASSERT_TRUE(std::regex_match(run.output, figure, kDialogue)) << run.output;
  EXPECT_TRUE(figure[2] == "" || figure[2] == ".");
  const double mhz = std::stod(figure[1].str() + "." + (figure[3].length() ? figure[3].str() : "0"));
  EXPECT_NEAR(mhz, reference_mhz, reference_mhz * 0.001) << run.output;
  // The whole run is the 10-second sleep and not much more.
  EXPECT_GT(run.seconds, 9.9);
  EXPECT_LT(run.seconds, 15);
}

TEST(CpuClockRateRealTest, WritesTheFigureWithTheLocalesComma) {
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed";
  }
  std::setlocale(LC_NUMERIC, "C");
  ProgramOptions options;
  options.environment = {"LANG=de_DE.UTF-8"};
  const ProgramRun run = RunProgram(RealProgram("cpu_clock_rate"), options);
  ASSERT_EQ(run.exit_status, 0) << run.error;
  std::smatch figure;
  ASSERT_TRUE(std::regex_match(run.output, figure, kDialogue)) << run.output;
  // A rate in whole MHz, with no fraction to show, is one chance in a thousand.
  EXPECT_EQ(figure[2], ",") << run.output;
}

TEST(CpuClockRateRealTest, AFullDiskStopsTheRunBeforeTheMeasurement) {
  ProgramOptions options;
  options.output_mode = OutputMode::kDevFull;
  const ProgramRun run = RunProgram(RealProgram("cpu_clock_rate"), options);
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.error,
            "cpu_clock_rate: cannot write to standard output: No space left on device (error 28)\r\n");
  EXPECT_LT(run.seconds, 5);
}

}  // namespace
