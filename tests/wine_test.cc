// The 64-bit Windows programs under Wine, with the expectations of the Linux programs.
#include <gtest/gtest.h>

#include "tests/real_run_checks.h"
#include "tests/reference_clock.h"
#include "tests/run_program.h"
#include "tests/scratch_directory.h"
#include "tests/sim_reads.h"

namespace {

ProgramRun RunUnderWine(const std::string& executable, ProgramOptions options = {}) {
  options.arguments.insert(options.arguments.begin(), executable);
  options.environment.insert(options.environment.end(),
                             {std::string("WINEPREFIX=") + WINE_PREFIX, "WINEDEBUG=-all",
                              "WINEDLLOVERRIDES=mscoree,mshtml=", std::string("HOME=") + WINE_PREFIX});
  return RunProgram(WINE_LOADER, options);
}

std::string Program(const std::string& name) { return std::string(WINDOWS_X64_DIR) + "/bin/" + name + ".exe"; }

std::string SimulatedWindowsProgram(const std::string& name) {
  return std::string(WINDOWS_X64_DIR) + "/sim/" + name + ".exe";
}

TEST(WineTest, ClockIncrementShowsWinesClockTick) {
  const ProgramRun run = RunUnderWine(Program("clock_increment"));
  EXPECT_EQ(run.exit_status, 0) << run.error;
  EXPECT_EQ(run.output, "System time adjustment: 15.625 ms.\r\n\r\nPress any key for an exit...\r\n");
}

TEST(WineTest, CpuClockRate) {
  const double reference_mhz = ReferenceTicksPerMs() / 1000;
  ExpectCpuClockRateRun(RunUnderWine(Program("cpu_clock_rate")), reference_mhz);
}

TEST(WineTest, TickLength) {
  const double reference_ns = 1e6 / ReferenceTicksPerMs();
  ExpectTickLengthRun(RunUnderWine(Program("tick_length")), reference_ns);
}

TEST(WineTest, SleepSweepCustomWithSmallAnswers) {
  const ScratchDirectory directory;
  ProgramOptions options;
  options.working_directory = directory.path();
  options.input = "2\r\n10\r\n";
  ExpectSmallCustomRun(RunUnderWine(Program("sleep_sweep_custom"), options), directory);
}

TEST(WineTest, SleepSweepCustomWithAnAnswerThatIsNoNumber) {
  const ScratchDirectory directory;
  ProgramOptions options;
  options.working_directory = directory.path();
  options.input = "7a\r\n";
  const ProgramRun run = RunUnderWine(Program("sleep_sweep_custom"), options);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.error, "sleep_sweep_custom: cannot read the number of tests: \"7a\" is not a number (I/O result 106)\r\n");
  EXPECT_TRUE(directory.Names().empty());
}

TEST(WineTest, AFailingStandardOutputEndsTheRunWithOneLine) {
  for (const OutputMode mode : {OutputMode::kDevFull, OutputMode::kBrokenPipe, OutputMode::kClosed}) {
    ProgramOptions options;
    options.output_mode = mode;
    const ProgramRun run = RunUnderWine(Program("cpu_clock_rate"), options);
    ExpectFailedOutput(run, "cpu_clock_rate");
    EXPECT_LT(run.seconds, 8);  // before the measurement
  }
  ProgramOptions full;
  full.output_mode = OutputMode::kDevFull;
  EXPECT_EQ(RunUnderWine(Program("clock_increment"), full).error,
            "clock_increment: cannot write to standard output: Disk full (error 112)\r\n");
}

TEST(WineTest, TheFloatingPointTrapsFire) {
  // tick_length on the simulated platform with a counter that stands still: net count 0.
  ProgramOptions options;
  options.environment = {SimReadsSetting(WindowReads(777, 777, 0))};
  const ProgramRun run = RunUnderWine(SimulatedWindowsProgram("tick_length"), options);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.output,
            "The program will show duration of one step of your processor.\r\n\r\n"
            "Expected time of check - 10 seconds. Press any key for start of the test...\r\n");
  EXPECT_EQ(run.error, "tick_length: arithmetic fault: division by zero\r\n");
}

}  // namespace
