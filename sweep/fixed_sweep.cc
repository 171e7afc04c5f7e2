#include "sweep/fixed_sweep.h"

#include "support/console_output.h"
#include "support/decimal_text.h"
#include "support/program.h"
#include "support/wait_for_enter.h"
#include "sweep/sweep_texts.h"
#include "sweep/table_file.h"
#include "sweep/table_text.h"

namespace {
constexpr int kTestsPerDelay = 5;
}  // namespace

int RunFixedSweep(const FixedSweep& sweep) {
  StartUp(sweep.program_name);

  WriteLine(sweep.intro);
  WriteEmptyLine();
  WriteLine("Expected time of check - 1 minute. Press any key for start of the test...");
  WaitForEnter();

  std::string ResultTable = TableHeader(kTestsPerDelay);
  WriteLine(ResultTable);
  for (std::int64_t Delay = 1; Delay <= sweep.largest_delay; Delay *= 10) {
    std::string RowText = sweep.row_label(Delay) + "\t";
    Cycles TestSum = 0;
    for (int test = 0; test < kTestsPerDelay; ++test) {
      const Cycles TestValue = sweep.probe(Delay);
      TestSum = WrappingAdd(TestSum, TestValue);
      RowText += DecimalText(TestValue) + "\t";
    }
    RowText += DecimalText(TestSum / kTestsPerDelay);
    WriteLine(RowText);
    ResultTable += "\r\n" + RowText;
  }
  WriteEmptyLine();

  WriteTableFile(sweep.file_name, ResultTable);
  WriteLine(sweep.completion_message);
  WriteLine(kExitPrompt);
  WaitForEnter();
  return ShutDown();
}
