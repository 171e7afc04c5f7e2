// The fault matrix: every fault that can reach a program, staged for real against the Linux
// programs, with the exit status, the standard-error line, the console up to the failing step
// and the table file afterwards. Table faults use sleep_sweep_custom with answers 1 and 1, which
// runs in a few tens of milliseconds. The README's fault table is checked against these rows.
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

#include "tests/mount_point.h"
#include "tests/run_program.h"
#include "tests/scratch_directory.h"

namespace {

const std::vector<std::string> kAllPrograms{"sleep_sweep",        "coarse_sleep_sweep", "waitable_timer_sweep",
                                            "native_delay_sweep", "sleep_sweep_custom", "cpu_clock_rate",
                                            "tick_length",        "clock_increment"};

// What each program writes before it first reads standard input.
std::string BeforeFirstRead(const std::string& program) {
  const std::string millisecond_intro =
      "The program will generate a file containing the table of results of measurements of quantity of cycles of "
      "the processor in a millisecond. Time of measurement is chosen miscellaneous, intervals: 1, 10, 100, 1000, "
      "10000 ms. You will see distinctions of measurements. If an interval of measurement longer - results will "
      "be more exact.\r\n\r\n";
  const std::string microsecond_intro =
      "The program will generate a file containing the table of results of measurements of quantity of cycles of "
      "the processor in a mikrosecond. Time of measurement is chosen miscellaneous, intervals: 1, 10, 100, 1000, "
      "10000, 100000, 1000000, 10000000 mks. You will see distinctions of measurements. If an interval of "
      "measurement longer - results will be more exact.\r\n\r\n";
  const std::string start = "Expected time of check - 1 minute. Press any key for start of the test...\r\n";
  if (program == "sleep_sweep" || program == "coarse_sleep_sweep") return millisecond_intro + start;
  if (program == "waitable_timer_sweep" || program == "native_delay_sweep") return microsecond_intro + start;
  if (program == "sleep_sweep_custom") return millisecond_intro + "Enter number of tests 1..255 (recommended - 5):\r\n";
  if (program == "cpu_clock_rate") {
    return "The program will determine approximate frequency of your processor.\r\n"
           "Expected time of check - 10 seconds. Press any key for start of the test...\r\n\r\n";
  }
  if (program == "tick_length") {
    return "The program will show duration of one step of your processor.\r\n\r\n"
           "Expected time of check - 10 seconds. Press any key for start of the test...\r\n";
  }
  return "System time adjustment: 4 ms.\r\n\r\nPress any key for an exit...\r\n";
}

struct Staged {
  ProgramRun run;
  std::set<std::string> names;  // the working directory afterwards
  std::string table;            // KALDE.xls afterwards, if there
};

// Runs a real program in a fresh directory; `prepare` may fill the directory or mount on it
// first, and returns false, with a reason, when the machine cannot stage the fault.
Staged Stage(const std::string& program, ProgramOptions options,
             const std::function<bool(const ScratchDirectory&, std::string*)>& prepare = {}) {
  const ScratchDirectory directory;
  std::string reason;
  if (prepare && !prepare(directory, &reason)) {
    Staged skipped;
    skipped.run.exit_status = -2;
    skipped.run.error = reason;
    return skipped;
  }
  options.working_directory = directory.path();
  Staged staged{RunProgram(RealProgram(program), options), directory.Names(), ""};
  if (staged.names.count("KALDE.xls") && !std::filesystem::is_directory(directory / "KALDE.xls")) {
    staged.table = directory.Read("KALDE.xls");
  }
  return staged;
}

#define SKIP_IF_NOT_STAGED(staged) \
  if ((staged).run.exit_status == -2) GTEST_SKIP() << "cannot stage the fault here: " << (staged).run.error

void ExpectStop(const Staged& staged, const std::string& console, const std::string& error) {
  EXPECT_TRUE(staged.run.exited) << "killed by signal " << staged.run.signal;
  EXPECT_EQ(staged.run.exit_status, 1);
  EXPECT_EQ(staged.run.output, console);
  EXPECT_EQ(staged.run.error, error);
  // Nothing was measured: every fault here strikes before the first measurement or after a
  // few milliseconds of it.
  EXPECT_LT(staged.run.seconds, 5);
}

const std::regex kCustomUpToTheTable(
    "[^]*Total of tests: 1\\. Press any key for start of the test\\.\\.\\.\r\nTests are started\\.\r\n\r\n"
    "Test #1: (-?[1-9][0-9]*|0)\r\n\r\n");

const char kEarlierTable[] = "Delay :\tTest 1:\tTest 2:\tAverage:\r\n1ms\t5\t7\t6\r\n10ms\t5\t7\t6";

// A table fault for sleep_sweep_custom answered 1 and 1: stopped after the sweep with `error`,
// the earlier table as it was, and nothing else in the directory but what `kept` names.
void ExpectTableFault(const Staged& staged, const std::string& error, const std::set<std::string>& kept) {
  EXPECT_TRUE(staged.run.exited) << "killed by signal " << staged.run.signal;
  EXPECT_EQ(staged.run.exit_status, 1);
  EXPECT_TRUE(std::regex_match(staged.run.output, kCustomUpToTheTable)) << staged.run.output;
  EXPECT_EQ(staged.run.error, error);
  EXPECT_EQ(staged.names, kept);
}

ProgramOptions WithInput(const std::string& input) {
  ProgramOptions options;
  options.input = input;
  return options;
}

ProgramOptions WithOutput(OutputMode mode) {
  ProgramOptions options;
  options.output_mode = mode;
  return options;
}

bool WriteEarlierTable(const ScratchDirectory& directory, std::string*) {
  directory.Write("KALDE.xls", kEarlierTable);
  return true;
}

// One row of the matrix: the fault, the programs it is staged against, what they do, and the
// test that stages it.
struct Fault {
  const char* fault;
  const char* programs;
  const char* outcome;
};

const Fault kFaults[] = {
    {"standard output on /dev/full", "all eight",
     "exit 1, `<program>: cannot write to standard output: No space left on device (error 28)`, before any measurement"},
    {"standard output closed", "all eight",
     "exit 1, `<program>: cannot write to standard output: Bad file descriptor (error 9)`"},
    {"standard output a pipe whose reader has gone", "all eight",
     "exit 1, `<program>: cannot write to standard output: Broken pipe (error 32)`; never death by SIGPIPE"},
    {"standard input closed", "all eight",
     "exit 1 at the first read, `<program>: cannot read from standard input: Bad file descriptor (error 9)` "
     "(`sleep_sweep_custom: cannot read the number of tests: ...`); what was written before it is shown"},
    {"standard input at end of file", "clock_increment, sleep_sweep_custom",
     "no failure: every wait for Enter returns at once (the measuring programs run through unattended, as the "
     "`real` and `slow` tests show); `sleep_sweep_custom` has no answer, exit 1, `... input ended before the answer`"},
    {"a Ctrl-Z (byte 26) in the input", "clock_increment, sleep_sweep_custom",
     "the end of input, as above"},
    {"lines ended by a carriage return alone", "clock_increment, sleep_sweep_custom",
     "a lone carriage return does not end a line: `2\\r10\\r` is one line, so the second question meets the end of "
     "input"},
    {"an input line of a megabyte", "clock_increment, sleep_sweep_custom",
     "read and discarded; `2 <megabyte>` answers 2"},
    {"binary junk at a number question", "sleep_sweep_custom",
     "exit 1, `sleep_sweep_custom: cannot read the number of tests: \"\\x80\\xFE\\xFF\" is not a number (I/O result 106)`"},
    {"answers out of range: 0, 256, -1 tests; 0, 1410065408, -1 ms", "sleep_sweep_custom",
     "one line naming the range and the question again, each time"},
    {"table directory read-only (bind mount)", "sleep_sweep_custom",
     "exit 1 after the sweep, `sleep_sweep_custom: cannot create KALDE.xls: Read-only file system (error 30)`; "
     "earlier table untouched"},
    {"disk full (tiny tmpfs)", "sleep_sweep_custom",
     "exit 1 after the sweep, `... cannot write KALDE.xls: No space left on device (error 28)`; earlier table "
     "untouched, no temporary file left"},
    {"a write cut short by the file size limit (RLIMIT_FSIZE)", "sleep_sweep_custom",
     "exit 1 after the sweep, `... cannot write KALDE.xls: File too large (error 27)`, never death by SIGXFSZ; "
     "earlier table untouched, no temporary file left"},
    {"a directory named like the table", "sleep_sweep_custom",
     "exit 1 after the sweep, `... cannot replace KALDE.xls: Is a directory (error 21)`; the directory untouched"},
    {"the table name a symbolic link", "sleep_sweep_custom",
     "exit 0; the link is replaced by the table, its target untouched"},
    {"a longer earlier table", "sleep_sweep_custom", "exit 0; replaced whole, no old bytes behind the new table"},
};

TEST(FaultMatrixTest, StandardOutputOnAFullDevice) {
  for (const std::string& program : kAllPrograms) {
    SCOPED_TRACE(program);
    ExpectStop(Stage(program, WithOutput(OutputMode::kDevFull)), "",
               program + ": cannot write to standard output: No space left on device (error 28)\r\n");
  }
}

TEST(FaultMatrixTest, StandardOutputClosed) {
  for (const std::string& program : kAllPrograms) {
    SCOPED_TRACE(program);
    ExpectStop(Stage(program, WithOutput(OutputMode::kClosed)), "",
               program + ": cannot write to standard output: Bad file descriptor (error 9)\r\n");
  }
}

TEST(FaultMatrixTest, StandardOutputAPipeWithoutReader) {
  for (const std::string& program : kAllPrograms) {
    SCOPED_TRACE(program);
    ExpectStop(Stage(program, WithOutput(OutputMode::kBrokenPipe)), "",
               program + ": cannot write to standard output: Broken pipe (error 32)\r\n");
  }
}

TEST(FaultMatrixTest, StandardInputClosed) {
  for (const std::string& program : kAllPrograms) {
    SCOPED_TRACE(program);
    ProgramOptions options;
    options.input_mode = InputMode::kClosed;
    const std::string step = program == "sleep_sweep_custom" ? "cannot read the number of tests"
                                                             : "cannot read from standard input";
    ExpectStop(Stage(program, options), BeforeFirstRead(program),
               program + ": " + step + ": Bad file descriptor (error 9)\r\n");
  }
}

const char kNoFirstAnswer[] = "sleep_sweep_custom: cannot read the number of tests: input ended before the answer\r\n";
const char kNoSecondAnswer[] =
    "sleep_sweep_custom: cannot read the maximal time of the test: input ended before the answer\r\n";
const char kSecondQuestion[] = "Specify the maximal value of time of the test, ms (recommended - 10000):\r\n";

TEST(FaultMatrixTest, StandardInputAtEndOfFileCtrlZAndLoneCarriageReturns) {
  for (const char* input : {"", "\x1a", "\r\r", "\x1a\n\n"}) {
    const Staged increment = Stage("clock_increment", WithInput(input));
    EXPECT_EQ(increment.run.exit_status, 0);
    EXPECT_EQ(increment.run.output, BeforeFirstRead("clock_increment"));
    ExpectStop(Stage("sleep_sweep_custom", WithInput(input)), BeforeFirstRead("sleep_sweep_custom"), kNoFirstAnswer);
  }
  // Ctrl-Z ends the input even where more follows it.
  ExpectStop(Stage("sleep_sweep_custom", WithInput("2\n\x1a" "10\n")),
             BeforeFirstRead("sleep_sweep_custom") + kSecondQuestion, kNoSecondAnswer);
  // "2\r10\r" is a single line: its first number answers, the rest goes with the line.
  ExpectStop(Stage("sleep_sweep_custom", WithInput("2\r10\r")), BeforeFirstRead("sleep_sweep_custom") + kSecondQuestion,
             kNoSecondAnswer);
}

TEST(FaultMatrixTest, AnInputLineOfAMegabyte) {
  const std::string megabyte(1 << 20, 'x');
  const Staged increment = Stage("clock_increment", WithInput(megabyte + "\n"));
  EXPECT_EQ(increment.run.exit_status, 0);
  const Staged custom = Stage("sleep_sweep_custom", WithInput("2 " + megabyte + "\n1\n"));
  EXPECT_EQ(custom.run.exit_status, 0) << custom.run.error;
  EXPECT_TRUE(std::regex_match(custom.table, std::regex("Delay :\tTest 1:\tTest 2:\tAverage:\r\n1ms\t[-0-9]+\t[-0-9]+\t[-0-9]+")));
}

TEST(FaultMatrixTest, BinaryJunkAtANumberQuestion) {
  ExpectStop(Stage("sleep_sweep_custom", WithInput("\x80\xfe\xff\n1\n")), BeforeFirstRead("sleep_sweep_custom"),
             "sleep_sweep_custom: cannot read the number of tests: \"\\x80\\xFE\\xFF\" is not a number (I/O result 106)\r\n");
  // Control characters, escape among them, are skipped like blanks before a number.
  ExpectStop(Stage("sleep_sweep_custom", WithInput("1\n\x01\x02\x1b[2J7\n")),
             BeforeFirstRead("sleep_sweep_custom") + kSecondQuestion,
             "sleep_sweep_custom: cannot read the maximal time of the test: \"[2J7\" is not a number (I/O result 106)\r\n");
}

TEST(FaultMatrixTest, AnswersOutOfRangeAreAskedAgain) {
  const Staged custom = Stage("sleep_sweep_custom", WithInput("0\n256\n-1\n1\n0\n1410065408\n-1\n1\n"));
  EXPECT_EQ(custom.run.exit_status, 0) << custom.run.error;
  const std::string first = "Enter number of tests 1..255 (recommended - 5):\r\n";
  const std::string first_range = "The number of tests must be from 1 to 255.\r\n";
  const std::string second_range = "The maximal time of the test must be from 1 to 1410065407 ms.\r\n";
  const std::string asked = BeforeFirstRead("sleep_sweep_custom") + first_range + first + first_range + first +
                            first_range + first + kSecondQuestion + second_range + kSecondQuestion + second_range +
                            kSecondQuestion + second_range + kSecondQuestion + "Total of tests: 1.";
  EXPECT_EQ(custom.run.output.substr(0, asked.size()), asked);
}

TEST(FaultMatrixTest, TableDirectoryReadOnly) {
  std::unique_ptr<MountPoint> mount;
  const Staged staged = Stage("sleep_sweep_custom", WithInput("1\n1\n"), [&](const ScratchDirectory& directory, std::string* reason) {
    WriteEarlierTable(directory, reason);
    mount = std::make_unique<MountPoint>(MountPoint::ReadOnlyBind(directory.path()));
    *reason = mount->failure();
    return mount->mounted();
  });
  SKIP_IF_NOT_STAGED(staged);
  ExpectTableFault(staged, "sleep_sweep_custom: cannot create KALDE.xls: Read-only file system (error 30)\r\n", {"KALDE.xls"});
  EXPECT_EQ(staged.table, kEarlierTable);
}

TEST(FaultMatrixTest, DiskFull) {
  std::unique_ptr<MountPoint> mount;
  const Staged staged = Stage("sleep_sweep_custom", WithInput("1\n1\n"), [&](const ScratchDirectory& directory, std::string* reason) {
    mount = std::make_unique<MountPoint>(MountPoint::Tmpfs(directory.path(), 8192));
    *reason = mount->failure();
    if (!mount->mounted()) return false;
    WriteEarlierTable(directory, reason);
    directory.Write("filler", std::string(8192, 'f'));
    return true;
  });
  SKIP_IF_NOT_STAGED(staged);
  ExpectTableFault(staged, "sleep_sweep_custom: cannot write KALDE.xls: No space left on device (error 28)\r\n",
                   {"KALDE.xls", "filler"});
  EXPECT_EQ(staged.table, kEarlierTable);
}

TEST(FaultMatrixTest, AWriteCutShortByTheFileSizeLimit) {
  ProgramOptions options = WithInput("1\n1\n");
  options.file_size_limit = 16;
  const Staged staged = Stage("sleep_sweep_custom", options, WriteEarlierTable);
  ExpectTableFault(staged, "sleep_sweep_custom: cannot write KALDE.xls: File too large (error 27)\r\n", {"KALDE.xls"});
  EXPECT_EQ(staged.table, kEarlierTable);
}

TEST(FaultMatrixTest, ADirectoryNamedLikeTheTable) {
  const Staged staged = Stage("sleep_sweep_custom", WithInput("1\n1\n"), [](const ScratchDirectory& directory, std::string*) {
    std::filesystem::create_directory(directory / "KALDE.xls");
    directory.Write("KALDE.xls/inside", "kept");
    return true;
  });
  ExpectTableFault(staged, "sleep_sweep_custom: cannot replace KALDE.xls: Is a directory (error 21)\r\n", {"KALDE.xls"});
}

TEST(FaultMatrixTest, TheTableNameASymbolicLink) {
  const ScratchDirectory elsewhere;
  elsewhere.Write("target", kEarlierTable);
  const Staged staged = Stage("sleep_sweep_custom", WithInput("1\n1\n"), [&](const ScratchDirectory& directory, std::string*) {
    std::filesystem::create_symlink(elsewhere / "target", directory / "KALDE.xls");
    return true;
  });
  EXPECT_EQ(staged.run.exit_status, 0) << staged.run.error;
  EXPECT_TRUE(std::regex_match(staged.table, std::regex("Delay :\tTest 1:\tAverage:\r\n1ms\t[-0-9]+\t[-0-9]+")));
  EXPECT_EQ(elsewhere.Read("target"), kEarlierTable);
  EXPECT_EQ(staged.names, std::set<std::string>{"KALDE.xls"});
}

TEST(FaultMatrixTest, ALongerEarlierTable) {
  const Staged staged = Stage("sleep_sweep_custom", WithInput("1\n1\n"), [](const ScratchDirectory& directory, std::string*) {
    directory.Write("KALDE.xls", std::string(100000, 'x'));
    return true;
  });
  EXPECT_EQ(staged.run.exit_status, 0) << staged.run.error;
  EXPECT_TRUE(std::regex_match(staged.table, std::regex("Delay :\tTest 1:\tAverage:\r\n1ms\t[-0-9]+\t[-0-9]+")));
}

// The README shows this matrix; it must say what these tests stage.
TEST(FaultMatrixTest, TheReadmeShowsThisMatrix) {
  std::string rendered = "| Fault | Staged against | What the program does |\n|---|---|---|\n";
  for (const Fault& fault : kFaults) {
    rendered += std::string("| ") + fault.fault + " | " + fault.programs + " | " + fault.outcome + " |\n";
  }
  std::ifstream file(README_PATH);
  std::stringstream readme;
  readme << file.rdbuf();
  const std::string text = readme.str();
  const std::string begin = "<!-- fault matrix: begin -->\n";
  const std::string end = "<!-- fault matrix: end -->";
  const std::size_t from = text.find(begin);
  const std::size_t to = text.find(end);
  ASSERT_NE(from, std::string::npos);
  ASSERT_NE(to, std::string::npos);
  EXPECT_EQ(text.substr(from + begin.size(), to - from - begin.size()), rendered)
      << "The README's fault table should read:\n" << rendered;
}

}  // namespace
