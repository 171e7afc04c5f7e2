// cpu_clock_rate run whole on the simulated platform.
#include <gtest/gtest.h>

#include "tests/run_program.h"
#include "tests/sim_reads.h"

namespace {

const char kBeforeMeasurement[] =
    "The program will determine approximate frequency of your processor.\r\n"
    "Expected time of check - 10 seconds. Press any key for start of the test...\r\n"
    "\r\n";

std::string Dialogue(const std::string& figure) {
  return std::string(kBeforeMeasurement) + "The test is completed. Frequency = " + figure +
         " MHz.\r\n"
         "\r\n"
         "Press any key for an exit...\r\n";
}

ProgramRun RunWith(std::vector<std::string> environment, ProgramOptions options = {}) {
  options.environment = std::move(environment);
  return RunProgram(SimulatedProgram("cpu_clock_rate"), options);
}

TEST(CpuClockRateTest, PrintsTheTickRateInMegahertz) {
  const struct {
    const char* ticks_per_ms;
    const char* separator;
    const char* figure;
  } cases[] = {
      {"2992543", ".", "2992.543"}, {"2992500", ".", "2992.5"}, {"3000000", ".", "3000"},
      {"1000", ".", "1"},           {"1", ".", "0.001"},        {"0", ".", "0"},
      {"2992543", ",", "2992,543"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = RunWith({std::string("SIM_TICKS_PER_MS=") + c.ticks_per_ms,
                                    "SIM_READ_COST=41", std::string("SIM_DECIMAL_SEPARATOR=") + c.separator});
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.output, Dialogue(c.figure));
    EXPECT_EQ(run.error, "");
  }
}

TEST(CpuClockRateTest, ANegativeRateIsPrintedAsItComes) {
  // Start 100000, stop 50000, no read overhead: -50000 ticks over 10000 ms.
  const ProgramRun run = RunWith({SimReadsSetting(WindowReads(100000, 50000, 0))});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output, Dialogue("-0.005"));
}

TEST(CpuClockRateTest, ALateWakeUpShowsInTheFigure) {
  // 10 s plus 1 ms of lateness at 3,000,000 ticks per ms: 3,000,300 ticks per requested ms.
  const ProgramRun run = RunWith({"SIM_TICKS_PER_MS=3000000", "SIM_LATENESS_US=1000"});
  EXPECT_EQ(run.output, Dialogue("3000.3"));
}

TEST(CpuClockRateTest, BothWaitsConsumeOneLineEach) {
  ProgramOptions options;
  options.input = "first\r\nsecond\n third line is never read";
  const ProgramRun run = RunWith({"SIM_TICKS_PER_MS=3000000"}, options);
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output, Dialogue("3000"));
}

TEST(CpuClockRateTest, AFailingStandardStreamEndsTheRunWithOneLine) {
  const struct {
    InputMode input;
    OutputMode output;
    const char* console;
    const char* error;
  } cases[] = {
      // The buffer fills at the second line, before the measurement.
      {InputMode::kBytes, OutputMode::kDevFull, "",
       "cpu_clock_rate: cannot write to standard output: No space left on device (error 28)\r\n"},
      {InputMode::kBytes, OutputMode::kClosed, "",
       "cpu_clock_rate: cannot write to standard output: Bad file descriptor (error 9)\r\n"},
      {InputMode::kBytes, OutputMode::kBrokenPipe, "",
       "cpu_clock_rate: cannot write to standard output: Broken pipe (error 32)\r\n"},
      // What was buffered before the failed read is written out first.
      {InputMode::kClosed, OutputMode::kCapture, kBeforeMeasurement,
       "cpu_clock_rate: cannot read from standard input: Bad file descriptor (error 9)\r\n"},
  };
  for (const auto& c : cases) {
    ProgramOptions options;
    options.input_mode = c.input;
    options.output_mode = c.output;
    const ProgramRun run = RunWith({}, options);
    EXPECT_TRUE(run.exited) << "killed by signal " << run.signal;
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.output, c.console);
    EXPECT_EQ(run.error, c.error);
  }
}

}  // namespace
