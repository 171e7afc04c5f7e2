// The four fixed sweeps run whole on the simulated platform.
#include "sweep/fixed_sweep.h"

#include <gtest/gtest.h>

#include "tests/run_program.h"
#include "tests/scratch_directory.h"
#include "tests/sim_reads.h"

namespace {

const char kMillisecondIntro[] =
    "The program will generate a file containing the table of results of measurements of quantity of cycles of "
    "the processor in a millisecond. Time of measurement is chosen miscellaneous, intervals: 1, 10, 100, 1000, "
    "10000 ms. You will see distinctions of measurements. If an interval of measurement longer - results will be "
    "more exact.";
const char kMicrosecondIntro[] =
    "The program will generate a file containing the table of results of measurements of quantity of cycles of "
    "the processor in a mikrosecond. Time of measurement is chosen miscellaneous, intervals: 1, 10, 100, 1000, "
    "10000, 100000, 1000000, 10000000 mks. You will see distinctions of measurements. If an interval of "
    "measurement longer - results will be more exact.";
const char kHeader[] = "Delay :\tTest 1:\tTest 2:\tTest 3:\tTest 4:\tTest 5:\tAverage:";

// 3000 ticks per ms, every wait 500 µs late: a delay of d ms counts (d + 0.5) x 3000 ticks, and
// the figure is that over d, truncated; the µs probes likewise with d µs.
const char* const kMillisecondRows[] = {
    "1ms\t4500\t4500\t4500\t4500\t4500\t4500",
    "10ms\t3150\t3150\t3150\t3150\t3150\t3150",
    "100ms\t3015\t3015\t3015\t3015\t3015\t3015",
    "1000ms\t3001\t3001\t3001\t3001\t3001\t3001",
    "10000ms\t3000\t3000\t3000\t3000\t3000\t3000",
};
const char* const kMicrosecondRows[] = {
    "10^0mks\t1503000\t1503000\t1503000\t1503000\t1503000\t1503000",
    "10^1mks\t153000\t153000\t153000\t153000\t153000\t153000",
    "10^2mks\t18000\t18000\t18000\t18000\t18000\t18000",
    "10^3mks\t4500\t4500\t4500\t4500\t4500\t4500",
    "10^4mks\t3150\t3150\t3150\t3150\t3150\t3150",
    "10^5mks\t3015\t3015\t3015\t3015\t3015\t3015",
    "10^6mks\t3001\t3001\t3001\t3001\t3001\t3001",
    "10^7mks\t3000\t3000\t3000\t3000\t3000\t3000",
};

struct Member {
  const char* program;
  const char* intro;
  std::vector<std::string> rows;
  const char* file_name;
};

const Member kMembers[] = {
    {"sleep_sweep", kMillisecondIntro, {std::begin(kMillisecondRows), std::end(kMillisecondRows)}, "OVRIN.xls"},
    {"coarse_sleep_sweep", kMillisecondIntro, {std::begin(kMillisecondRows), std::end(kMillisecondRows)},
     "OVRIN_DEF.xls"},
    {"waitable_timer_sweep", kMicrosecondIntro, {std::begin(kMicrosecondRows), std::end(kMicrosecondRows)},
     "OVRIN_WFSO.xls"},
    {"native_delay_sweep", kMicrosecondIntro, {std::begin(kMicrosecondRows), std::end(kMicrosecondRows)},
     "OVRIN_NTAPI.xls"},
};

std::string Console(const Member& member, const std::vector<std::string>& rows) {
  std::string console = std::string(member.intro) + "\r\n\r\nExpected time of check - 1 minute. Press any key for start of the test...\r\n" +
                        kHeader + "\r\n";
  for (const std::string& row : rows) console += row + "\r\n";
  return console + "\r\nThe test is completed. The data are saved in a file " + member.file_name +
         ".\r\nPress any key for an exit...\r\n";
}

std::string Table(const std::vector<std::string>& rows) {
  std::string table = kHeader;
  for (const std::string& row : rows) table += "\r\n" + row;
  return table;
}

ProgramRun RunSweep(const std::string& program, const ScratchDirectory& directory,
                    std::vector<std::string> environment) {
  ProgramOptions options;
  options.environment = std::move(environment);
  options.working_directory = directory.path();
  return RunProgram(SimulatedProgram(program), options);
}

TEST(FixedSweepTest, EachMemberShowsItsRowsAndWritesThemToItsTable) {
  for (const Member& member : kMembers) {
    const ScratchDirectory directory;
    const ProgramRun run = RunSweep(member.program, directory, {"SIM_TICKS_PER_MS=3000", "SIM_READ_COST=40", "SIM_LATENESS_US=500"});
    EXPECT_EQ(run.exit_status, 0) << member.program;
    EXPECT_EQ(run.error, "");
    EXPECT_EQ(run.output, Console(member, member.rows));
    EXPECT_EQ(directory.Read(member.file_name), Table(member.rows));
    EXPECT_EQ(directory.Names(), std::set<std::string>{member.file_name});
  }
}

TEST(FixedSweepTest, AveragesAreTruncatedTowardZero) {
  // The first row's five tests, at a delay of 1, are scripted to give -7, 3, -2, -4, -2: the sum
  // -12 over 5 is -2 (flooring would give -3). The rows after it run on the virtual counter.
  std::vector<std::uint64_t> reads;
  for (const int net : {-7, 3, -2, -4, -2}) {
    const std::vector<std::uint64_t> test = WindowReads(1000, static_cast<std::uint64_t>(1000 + net), 0);
    reads.insert(reads.end(), test.begin(), test.end());
  }
  std::vector<std::string> rows(std::begin(kMillisecondRows), std::end(kMillisecondRows));
  rows[0] = "1ms\t-7\t3\t-2\t-4\t-2\t-2";
  const ScratchDirectory directory;
  const ProgramRun run = RunSweep("sleep_sweep", directory, {"SIM_TICKS_PER_MS=3000", "SIM_LATENESS_US=500", SimReadsSetting(reads)});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output, Console(kMembers[0], rows));
  EXPECT_EQ(directory.Read("OVRIN.xls"), Table(rows));
}

TEST(FixedSweepTest, ALongerEarlierTableIsReplacedWhole) {
  const ScratchDirectory directory;
  directory.Write("OVRIN_NTAPI.xls", std::string(100000, 'x'));
  const ProgramRun run = RunSweep("native_delay_sweep", directory, {"SIM_TICKS_PER_MS=3000", "SIM_LATENESS_US=500"});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(directory.Read("OVRIN_NTAPI.xls"), Table(kMembers[3].rows));
}

}  // namespace
