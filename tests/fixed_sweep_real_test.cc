// The four fixed sweeps on this machine's clock, end to end with standard input at end of file.
#include <cmath>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

#include "tests/reference_clock.h"
#include "tests/run_program.h"
#include "tests/scratch_directory.h"

namespace {

const char kHeader[] = "Delay :\tTest 1:\tTest 2:\tTest 3:\tTest 4:\tTest 5:\tAverage:";

struct Row {
  std::string label;
  std::vector<long long> values;  // the five tests, then the average
};

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + separator.size()) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// Runs a sweep and checks what every run must show: exit status 0, the table file made of the
// header and one row per label, each row with five values and their truncated average, and the
// console rows the same as the file's. Returns the rows.
std::vector<Row> RunAndCheck(const std::string& program, const std::string& file_name,
                             const std::vector<std::string>& labels) {
  const ScratchDirectory directory;
  ProgramOptions options;
  options.working_directory = directory.path();
  const ProgramRun run = RunProgram(RealProgram(program), options);
  EXPECT_EQ(run.exit_status, 0) << run.error;
  EXPECT_EQ(directory.Names(), std::set<std::string>{file_name});

  const std::vector<std::string> lines = Split(directory.Read(file_name), "\r\n");
  EXPECT_EQ(lines.size(), labels.size() + 1);
  if (lines.size() != labels.size() + 1) return {};
  EXPECT_EQ(lines[0], kHeader);
  std::string file_rows_on_console = std::string(kHeader) + "\r\n";
  std::vector<Row> rows;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const std::string& line = lines[i + 1];
    file_rows_on_console += line + "\r\n";
    const std::vector<std::string> cells = Split(line, "\t");
    EXPECT_EQ(cells.size(), 7u) << line;
    if (cells.size() != 7) return {};
    EXPECT_EQ(cells[0], labels[i]);
    Row row{cells[0], {}};
    long long sum = 0;
    for (std::size_t cell = 1; cell < 7; ++cell) {
      EXPECT_TRUE(std::regex_match(cells[cell], std::regex("-?[1-9][0-9]*|0"))) << cells[cell];
      row.values.push_back(std::stoll(cells[cell]));
      if (cell < 6) sum += row.values.back();
    }
    EXPECT_EQ(row.values[5], sum / 5) << line;
    rows.push_back(row);
  }
  EXPECT_NE(run.output.find(file_rows_on_console + "\r\n"), std::string::npos) << run.output;
  return rows;
}

const std::vector<std::string> kMillisecondLabels{"1ms", "10ms", "100ms", "1000ms", "10000ms"};
const std::vector<std::string> kMicrosecondLabels{"10^0mks", "10^1mks", "10^2mks", "10^3mks",
                                                  "10^4mks", "10^5mks", "10^6mks", "10^7mks"};

// Ten seconds of waiting show the counter's rate to well within 1%.
void ExpectLongestRowNearTheReference(const std::vector<Row>& rows, double reference) {
  ASSERT_FALSE(rows.empty());
  EXPECT_NEAR(static_cast<double>(rows.back().values[5]), reference, reference * 0.01) << rows.back().label;
}

TEST(FixedSweepRealTest, TheTenMillisecondResolutionShowsAgainstTheOneMillisecond) {
  const double reference = ReferenceTicksPerMs();
  const std::vector<Row> fine = RunAndCheck("sleep_sweep", "OVRIN.xls", kMillisecondLabels);
  const std::vector<Row> coarse = RunAndCheck("coarse_sleep_sweep", "OVRIN_DEF.xls", kMillisecondLabels);
  ExpectLongestRowNearTheReference(fine, reference);
  ExpectLongestRowNearTheReference(coarse, reference);
  ASSERT_FALSE(fine.empty() || coarse.empty());
  // A 1 ms sleep ends within about 1 ms of slack at the fine resolution, and up to 10 ms at the
  // coarse one.
  EXPECT_GT(coarse[0].values[5], 2 * fine[0].values[5]);
}

TEST(FixedSweepRealTest, WaitableTimerSweep) {
  const double reference = ReferenceTicksPerMs();
  ExpectLongestRowNearTheReference(RunAndCheck("waitable_timer_sweep", "OVRIN_WFSO.xls", kMicrosecondLabels),
                                   reference);
}

TEST(FixedSweepRealTest, NativeDelaySweep) {
  const double reference = ReferenceTicksPerMs();
  ExpectLongestRowNearTheReference(RunAndCheck("native_delay_sweep", "OVRIN_NTAPI.xls", kMicrosecondLabels),
                                   reference);
}

}  // namespace
