// The table file under real faults, written by a fixed sweep on the simulated platform. Each
// failure stops the program after the sweep with one line on standard error; the earlier table
// stays exactly as it was and no temporary file is left behind.
#include "sweep/table_file.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/mount_point.h"
#include "tests/run_program.h"
#include "tests/scratch_directory.h"

namespace {

const char kEarlierTable[] = "Delay :\tTest 1:\tAverage:\r\n1ms\t7\t7";

ProgramRun RunSleepSweep(const ScratchDirectory& directory, long file_size_limit = -1) {
  ProgramOptions options;
  options.environment = {"SIM_TICKS_PER_MS=3000"};
  options.working_directory = directory.path();
  options.file_size_limit = file_size_limit;
  return RunProgram(SimulatedProgram("sleep_sweep"), options);
}

// A failed table ends the run after the empty line that follows the rows.
void ExpectStoppedAfterTheSweep(const ProgramRun& run, const std::string& error) {
  EXPECT_TRUE(run.exited) << "killed by signal " << run.signal;
  EXPECT_EQ(run.exit_status, 1);
  const std::string console_end = "10000ms\t3000\t3000\t3000\t3000\t3000\t3000\r\n\r\n";
  ASSERT_GE(run.output.size(), console_end.size());
  EXPECT_EQ(run.output.substr(run.output.size() - console_end.size()), console_end);
  EXPECT_EQ(run.output.find("The test is completed"), std::string::npos);
  EXPECT_EQ(run.error, error);
}

TEST(TableFileTest, AReadOnlyDirectoryLeavesTheEarlierTable) {
  const ScratchDirectory directory;
  directory.Write("OVRIN.xls", kEarlierTable);
  MountPoint read_only = MountPoint::ReadOnlyBind(directory.path());
  if (!read_only.mounted()) GTEST_SKIP() << "cannot bind-mount read-only here: " << read_only.failure();
  const ProgramRun run = RunSleepSweep(directory);
  read_only.Unmount();
  ExpectStoppedAfterTheSweep(run, "sleep_sweep: cannot create OVRIN.xls: Read-only file system (error 30)\r\n");
  EXPECT_EQ(directory.Names(), std::set<std::string>{"OVRIN.xls"});
  EXPECT_EQ(directory.Read("OVRIN.xls"), kEarlierTable);
}

TEST(TableFileTest, AFullDiskLeavesTheEarlierTable) {
  const ScratchDirectory directory;
  const MountPoint tiny = MountPoint::Tmpfs(directory.path(), 8192);
  if (!tiny.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here: " << tiny.failure();
  directory.Write("OVRIN.xls", kEarlierTable);
  directory.Write("filler", std::string(8192, 'f'));  // takes what is left and more
  const ProgramRun run = RunSleepSweep(directory);
  ExpectStoppedAfterTheSweep(run, "sleep_sweep: cannot write OVRIN.xls: No space left on device (error 28)\r\n");
  EXPECT_EQ(directory.Names(), (std::set<std::string>{"OVRIN.xls", "filler"}));
  EXPECT_EQ(directory.Read("OVRIN.xls"), kEarlierTable);
}

TEST(TableFileTest, AWriteCutShortByTheFileSizeLimitIsAnError) {
  const ScratchDirectory directory;
  directory.Write("OVRIN.xls", kEarlierTable);
  const ProgramRun run = RunSleepSweep(directory, 100);
  ExpectStoppedAfterTheSweep(run, "sleep_sweep: cannot write OVRIN.xls: File too large (error 27)\r\n");
  EXPECT_EQ(directory.Names(), std::set<std::string>{"OVRIN.xls"});
  EXPECT_EQ(directory.Read("OVRIN.xls"), kEarlierTable);
}

TEST(TableFileTest, ADirectoryInTheWayIsLeftAlone) {
  const ScratchDirectory directory;
  std::filesystem::create_directory(directory / "OVRIN.xls");
  directory.Write("OVRIN.xls/inside", "kept");
  const ProgramRun run = RunSleepSweep(directory);
  ExpectStoppedAfterTheSweep(run, "sleep_sweep: cannot replace OVRIN.xls: Is a directory (error 21)\r\n");
  EXPECT_EQ(directory.Names(), std::set<std::string>{"OVRIN.xls"});
  EXPECT_EQ(directory.Read("OVRIN.xls/inside"), "kept");
}

TEST(TableFileTest, ASymbolicLinkIsReplacedNotFollowed) {
  const ScratchDirectory directory;
  const ScratchDirectory elsewhere;
  elsewhere.Write("target", kEarlierTable);
  std::filesystem::create_symlink(elsewhere / "target", directory / "OVRIN.xls");
  const ProgramRun run = RunSleepSweep(directory);
  EXPECT_EQ(run.exit_status, 0) << run.error;
  EXPECT_FALSE(std::filesystem::is_symlink(directory / "OVRIN.xls"));
  EXPECT_EQ(directory.Read("OVRIN.xls").substr(0, 8), "Delay :\t");
  EXPECT_EQ(elsewhere.Read("target"), kEarlierTable);
  EXPECT_EQ(directory.Names(), std::set<std::string>{"OVRIN.xls"});
}

}  // namespace
