// cpu_clock_rate on this machine's own clock.
#include <clocale>
#include <gtest/gtest.h>

#include "tests/real_run_checks.h"
#include "tests/reference_clock.h"
#include "tests/run_program.h"

namespace {

TEST(CpuClockRateRealTest, MeasuresTheCounterRateAtEndOfInput) {
  const double reference_mhz = ReferenceTicksPerMs() / 1000;
  const ProgramRun run = RunProgram(RealProgram("cpu_clock_rate"), {});
  std::string separator;
  // Linux ends the sleep within its 1 ms slack: the figure is within 0.1% of the reference.
  EXPECT_NEAR(ExpectCpuClockRateRun(run, reference_mhz, &separator), reference_mhz, reference_mhz * 0.001);
  EXPECT_TRUE(separator == "" || separator == ".");
}

TEST(CpuClockRateRealTest, WritesTheFigureWithTheLocalesComma) {
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed";
  }
  std::setlocale(LC_NUMERIC, "C");
  const double reference_mhz = ReferenceTicksPerMs() / 1000;
  ProgramOptions options;
  options.environment = {"LANG=de_DE.UTF-8"};
  const ProgramRun run = RunProgram(RealProgram("cpu_clock_rate"), options);
  std::string separator;
  ExpectCpuClockRateRun(run, reference_mhz, &separator);
  // A rate in whole MHz, with no fraction to show, is one chance in a thousand.
  EXPECT_EQ(separator, ",") << run.output;
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
