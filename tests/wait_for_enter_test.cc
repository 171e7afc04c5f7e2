// The wait for Enter, seen from what it leaves unread.
#include "support/wait_for_enter.h"

#include <gtest/gtest.h>

#include "tests/run_program.h"

namespace {

TEST(WaitForEnterTest, DiscardsOneLineAndNothingMore) {
  const struct {
    std::string input;
    std::string left;
  } cases[] = {
      {"\n", ""},
      {"abc\ndef\n", "def\n"},
      {"abc\r\ndef", "def"},                    // CR LF is one line end
      {"a\rb\rc\nd", "d"},                      // a lone CR does not end the line
      {"\r\r\n\n", "\n"},
      {"abc", ""},                              // end of input ends the wait
      {"", ""},
      {"ab\x1a" "cd\nef\n", ""},                // Ctrl-Z is the end of input, for good
      {"ab\n\x1a" "cd\n", ""},
      {std::string("a\0b\n", 4) + "c", "c"},   // a NUL is an ordinary character
      {std::string(1 << 20, 'x') + "\nrest", "rest"},
  };
  for (const auto& c : cases) {
    ProgramOptions options;
    options.input = c.input;
    const ProgramRun run = RunProgram(FixtureProgram("wait_for_enter_fixture"), options);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.output, "left: [" + c.left + "]\r\n") << "input of " << c.input.size() << " bytes";
  }
}

TEST(WaitForEnterTest, AReadErrorIsAFailure) {
  ProgramOptions options;
  options.input_mode = InputMode::kClosed;
  const ProgramRun run = RunProgram(FixtureProgram("wait_for_enter_fixture"), options);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.error,
            "wait_for_enter_fixture: cannot read from standard input: Bad file descriptor (error 9)\r\n");
}

}  // namespace
