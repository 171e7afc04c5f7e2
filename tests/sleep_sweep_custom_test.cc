// sleep_sweep_custom run whole on the simulated platform: 3000 ticks per ms and every wait 500 µs
// late, so a test of d ms shows (d + 0.5) x 3000 / d, truncated: 4500 at 1 ms, 3150 at 10 ms,
// 3015 at 100 ms, 3001 at 1000 ms and 3000 from 10000 ms on.
#include <gtest/gtest.h>

#include "tests/run_program.h"
#include "tests/scratch_directory.h"

namespace {

const char kIntro[] =
    "The program will generate a file containing the table of results of measurements of quantity of cycles of "
    "the processor in a millisecond. Time of measurement is chosen miscellaneous, intervals: 1, 10, 100, 1000, "
    "10000 ms. You will see distinctions of measurements. If an interval of measurement longer - results will be "
    "more exact.\r\n\r\n";
const char kFirstQuestion[] = "Enter number of tests 1..255 (recommended - 5):\r\n";
const char kSecondQuestion[] = "Specify the maximal value of time of the test, ms (recommended - 10000):\r\n";
const char kEnding[] =
    "\r\n"
    "The test is completed. The data are saved in a file KALDE.xls.\r\n"
    "Press any key for an exit...\r\n";

struct CustomRun {
  ProgramRun run;
  std::string table;  // empty when no table was written
  std::set<std::string> names;
};

CustomRun RunCustom(const std::string& input) {
  const ScratchDirectory directory;
  ProgramOptions options;
  options.environment = {"SIM_TICKS_PER_MS=3000", "SIM_LATENESS_US=500"};
  options.working_directory = directory.path();
  options.input = input;
  CustomRun custom{RunProgram(SimulatedProgram("sleep_sweep_custom"), options), "", directory.Names()};
  if (custom.names.count("KALDE.xls")) custom.table = directory.Read("KALDE.xls");
  return custom;
}

std::string Dialogue(const std::string& total, const std::vector<std::string>& values) {
  std::string dialogue = std::string(kIntro) + kFirstQuestion + kSecondQuestion + "Total of tests: " + total +
                         ". Press any key for start of the test...\r\nTests are started.\r\n\r\n";
  for (std::size_t test = 0; test < values.size(); ++test) {
    dialogue += "Test #" + std::to_string(test + 1) + ": " + values[test] + "\r\n";
  }
  return dialogue + kEnding;
}

TEST(SleepSweepCustomTest, TheRecommendedAnswers) {
  const CustomRun custom = RunCustom("5\n10000\n\n\n");
  EXPECT_EQ(custom.run.exit_status, 0) << custom.run.error;
  std::vector<std::string> values;
  for (const char* value : {"4500", "3150", "3015", "3001", "3000"}) values.insert(values.end(), 5, value);
  EXPECT_EQ(custom.run.output, Dialogue("25", values));
  EXPECT_EQ(custom.table,
            "Delay :\tTest 1:\tTest 2:\tTest 3:\tTest 4:\tTest 5:\tAverage:\r\n"
            "1ms\t4500\t4500\t4500\t4500\t4500\t4500\r\n"
            "10ms\t3150\t3150\t3150\t3150\t3150\t3150\r\n"
            "100ms\t3015\t3015\t3015\t3015\t3015\t3015\r\n"
            "1000ms\t3001\t3001\t3001\t3001\t3001\t3001\r\n"
            "10000ms\t3000\t3000\t3000\t3000\t3000\t3000");
  EXPECT_EQ(custom.names, std::set<std::string>{"KALDE.xls"});
}

TEST(SleepSweepCustomTest, OneTestOfOneMillisecond) {
  const CustomRun custom = RunCustom("1\n1\n");
  EXPECT_EQ(custom.run.exit_status, 0);
  EXPECT_EQ(custom.run.output, Dialogue("1", {"4500"}));
  EXPECT_EQ(custom.table, "Delay :\tTest 1:\tAverage:\r\n1ms\t4500\t4500");
}

TEST(SleepSweepCustomTest, TestsAreNumberedAcrossDelays) {
  const CustomRun custom = RunCustom("3\n100\n\n\n");
  EXPECT_EQ(custom.run.output,
            Dialogue("9", {"4500", "4500", "4500", "3150", "3150", "3150", "3015", "3015", "3015"}));
  EXPECT_EQ(custom.table,
            "Delay :\tTest 1:\tTest 2:\tTest 3:\tAverage:\r\n"
            "1ms\t4500\t4500\t4500\t4500\r\n"
            "10ms\t3150\t3150\t3150\t3150\r\n"
            "100ms\t3015\t3015\t3015\t3015");
}

TEST(SleepSweepCustomTest, TwoHundredFiftyFiveColumns) {
  const CustomRun custom = RunCustom("255\n1\n");
  EXPECT_EQ(custom.run.exit_status, 0);
  std::string header = "Delay :\t";
  std::string row = "1ms\t";
  for (int column = 1; column <= 255; ++column) {
    header += "Test " + std::to_string(column) + ":\t";
    row += "4500\t";
  }
  EXPECT_EQ(custom.table, header + "Average:\r\n" + row + "4500");
  EXPECT_NE(custom.run.output.find("Total of tests: 255. "), std::string::npos);
  EXPECT_NE(custom.run.output.find("Test #255: 4500\r\n\r\nThe test is completed."), std::string::npos);
}

TEST(SleepSweepCustomTest, TheLargestDelayDecidesTheRows) {
  const struct {
    const char* max_delay;
    const char* total;
    std::vector<const char*> labels;
  } cases[] = {
      {"9", "2", {"1ms"}},
      {"10", "4", {"1ms", "10ms"}},
      {"99", "4", {"1ms", "10ms"}},
      {"100", "6", {"1ms", "10ms", "100ms"}},
      {"1000000000", "20",
       {"1ms", "10ms", "100ms", "1000ms", "10000ms", "100000ms", "1000000ms", "10000000ms", "100000000ms",
        "1000000000ms"}},
      // Past 10^9 the next power of ten wraps in 32 bits to 1,410,065,408, which ends the sweep.
      {"1410065407", "20",
       {"1ms", "10ms", "100ms", "1000ms", "10000ms", "100000ms", "1000000ms", "10000000ms", "100000000ms",
        "1000000000ms"}},
  };
  for (const auto& c : cases) {
    const CustomRun custom = RunCustom(std::string("2\n") + c.max_delay + "\n");
    EXPECT_EQ(custom.run.exit_status, 0) << c.max_delay;
    EXPECT_NE(custom.run.output.find(std::string("Total of tests: ") + c.total + ". "), std::string::npos)
        << c.max_delay;
    std::string labels;
    for (std::size_t start = 0; (start = custom.table.find("\r\n", start)) != std::string::npos; start += 2) {
      labels += custom.table.substr(start + 2, custom.table.find('\t', start) - start - 2) + " ";
    }
    std::string expected;
    for (const char* label : c.labels) expected += std::string(label) + " ";
    EXPECT_EQ(labels, expected) << c.max_delay;
  }
}

TEST(SleepSweepCustomTest, AnswerTextsAreReadAsTheyStand) {
  const struct {
    const char* input;
    const char* total;
  } cases[] = {
      {"   7\n1\n", "7"},
      {"\n\n\t 7\n1\n", "7"},              // empty lines do not repeat the question
      {"7 tests please\n1\n", "7"},        // the rest of the line is discarded
      {"$0A\n1\n", "10"},
      {"0x0b\r\n1\r\n", "11"},
      {"7\n   $3E8 ms\n", "28"},           // 1000 ms: four rows of seven tests
      {"7\x1a", ""},                       // Ctrl-Z after the number ends the input there
  };
  for (const auto& c : cases) {
    const CustomRun custom = RunCustom(c.input);
    if (*c.total == '\0') {
      EXPECT_EQ(custom.run.exit_status, 1) << c.input;
      continue;
    }
    EXPECT_EQ(custom.run.exit_status, 0) << c.input;
    EXPECT_NE(custom.run.output.find(std::string("Total of tests: ") + c.total + ". "), std::string::npos)
        << c.input;
  }
}

TEST(SleepSweepCustomTest, AnAnswerOutOfRangeIsRefusedAndAskedAgain) {
  const char kTestsRange[] = "The number of tests must be from 1 to 255.\r\n";
  const char kDelayRange[] = "The maximal time of the test must be from 1 to 1410065407 ms.\r\n";
  const CustomRun custom = RunCustom("0\n256\n-1\n4294967297\n0\n1410065408\n-5\n1\n");
  EXPECT_EQ(custom.run.exit_status, 0) << custom.run.error;
  // 4294967297 keeps its low 32 bits, 1, which is accepted.
  const std::string expected = std::string(kIntro) + kFirstQuestion + kTestsRange + kFirstQuestion + kTestsRange +
                               kFirstQuestion + kTestsRange + kFirstQuestion + kSecondQuestion + kDelayRange +
                               kSecondQuestion + kDelayRange + kSecondQuestion + kDelayRange + kSecondQuestion +
                               "Total of tests: 1. Press any key for start of the test...\r\n";
  EXPECT_EQ(custom.run.output.substr(0, expected.size()), expected);
  EXPECT_EQ(custom.table, "Delay :\tTest 1:\tAverage:\r\n1ms\t4500\t4500");
}

TEST(SleepSweepCustomTest, InputThatEndsBeforeAValidAnswerEndsTheProgram) {
  const struct {
    const char* input;
    const char* console_end;
    const char* error;
  } cases[] = {
      {"", kFirstQuestion, "sleep_sweep_custom: cannot read the number of tests: input ended before the answer\r\n"},
      {"\n  \n", kFirstQuestion,
       "sleep_sweep_custom: cannot read the number of tests: input ended before the answer\r\n"},
      {"300\n", "The number of tests must be from 1 to 255.\r\nEnter number of tests 1..255 (recommended - 5):\r\n",
       "sleep_sweep_custom: cannot read the number of tests: input ended before the answer\r\n"},
      {"5\n", kSecondQuestion,
       "sleep_sweep_custom: cannot read the maximal time of the test: input ended before the answer\r\n"},
      {"\x1a" "5\n10\n", kFirstQuestion,
       "sleep_sweep_custom: cannot read the number of tests: input ended before the answer\r\n"},
  };
  for (const auto& c : cases) {
    const CustomRun custom = RunCustom(c.input);
    EXPECT_EQ(custom.run.exit_status, 1);
    EXPECT_EQ(custom.run.error, c.error);
    const std::string end = c.console_end;
    ASSERT_GE(custom.run.output.size(), end.size());
    EXPECT_EQ(custom.run.output.substr(custom.run.output.size() - end.size()), end);
    EXPECT_TRUE(custom.names.empty());
  }
}

TEST(SleepSweepCustomTest, ATextThatIsNoNumberEndsTheProgram) {
  const struct {
    const char* input;
    const char* error;
  } cases[] = {
      {"7a\n1\n", "sleep_sweep_custom: cannot read the number of tests: \"7a\" is not a number (I/O result 106)\r\n"},
      {"five\n", "sleep_sweep_custom: cannot read the number of tests: \"five\" is not a number (I/O result 106)\r\n"},
      {"5\n1.5\n",
       "sleep_sweep_custom: cannot read the maximal time of the test: \"1.5\" is not a number (I/O result 106)\r\n"},
      // Only 32 characters make the text; the quote and bytes outside ASCII show as codes.
      {"\"\xff\x7f" "12345678901234567890123456789ABCDEF\n",
       "sleep_sweep_custom: cannot read the number of tests: \"\\x22\\xFF\\x7F12345678901234567890123456789\" is "
       "not a number (I/O result 106)\r\n"},
  };
  for (const auto& c : cases) {
    const CustomRun custom = RunCustom(c.input);
    EXPECT_EQ(custom.run.exit_status, 1);
    EXPECT_EQ(custom.run.error, c.error);
    EXPECT_EQ(custom.run.output.find("Total of tests"), std::string::npos);
    EXPECT_TRUE(custom.names.empty());
  }
}

}  // namespace
