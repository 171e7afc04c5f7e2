// sleep_sweep_custom: Sleep at 1 ms timer resolution, as many tests per delay and up to as long
// a delay as the user asks for, every test shown as it finishes.
#include <cstdint>
#include <string>

#include "core/sleep_probes.h"
#include "support/console_output.h"
#include "support/decimal_text.h"
#include "support/integer_input.h"
#include "support/program.h"
#include "support/wait_for_enter.h"
#include "sweep/sweep_texts.h"
#include "sweep/table_file.h"
#include "sweep/table_text.h"

namespace {

// The number's text as it can safely stand in a line: printable ASCII, the rest as \xHH.
std::string Quoted(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > ' ' && byte < 127 && c != '"' && c != '\\') {
      quoted += c;
    } else {
      quoted += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
    }
  }
  return quoted + "\"";
}

// Asks `question` until the answer lies within `lowest` to `highest`; an answer outside gets
// `range_line` and the question again. The variable takes the answer's low 32 bits, so a
// negative answer arrives as a large number and is refused with the others. A text that is not
// a number, or input that ends before a valid answer, ends the program.
std::uint32_t AskNumber(const char* question, const char* subject, std::uint32_t lowest, std::uint32_t highest,
                        const char* range_line) {
  for (;;) {
    WriteLine(question);
    const IntegerAnswer answer = ReadInteger();
    // One test covers the number and the rest of its line, which is discarded first.
    const IoResult discarded = DiscardRestOfLine();
    const IoResult result = answer.result.Failed() ? answer.result : discarded;
    const std::string what = std::string("cannot read ") + subject;
    if (result.from_run_time && result.code == static_cast<int>(RunTimeCode::kInvalidNumericFormat)) {
      RunTimeErrorStop(what, Quoted(answer.text) + " is not a number (I/O result 106)");
    }
    TestIoResult(result, what);
    if (answer.end_of_input) RunTimeErrorStop(what, "input ended before the answer");
    const auto value = static_cast<std::uint32_t>(answer.value);
    if (value >= lowest && value <= highest) return value;
    WriteLine(range_line);
  }
}

}  // namespace

int main() {
  StartUp("sleep_sweep_custom");

  WriteLine(kMillisecondIntro);
  WriteEmptyLine();
  const std::uint32_t TestCount = AskNumber("Enter number of tests 1..255 (recommended - 5):", "the number of tests",
                                            1, 255, "The number of tests must be from 1 to 255.");
  // Up to 1,410,065,407 ms the largest delay is 10^9 ms, after which the next power of ten wraps
  // in 32 bits to 1,410,065,408 and ends the sweep.
  const std::uint32_t MaxDelay =
      AskNumber("Specify the maximal value of time of the test, ms (recommended - 10000):",
                "the maximal time of the test", 1, 1410065407,
                "The maximal time of the test must be from 1 to 1410065407 ms.");

  // One row per digit of the largest delay.
  const std::int64_t Total = static_cast<std::int64_t>(TestCount) * static_cast<std::int64_t>(DecimalText(MaxDelay).size());
  WriteLine("Total of tests: " + DecimalText(Total) + ". Press any key for start of the test...");
  WaitForEnter();
  WriteLine("Tests are started.");
  WriteEmptyLine();

  std::string ResultTable = TableHeader(static_cast<int>(TestCount));
  std::uint32_t TestNumber = 0;
  for (std::uint32_t Delay = 1; Delay <= MaxDelay; Delay *= 10) {
    std::string RowText = MillisecondLabel(Delay) + "\t";
    Cycles TestSum = 0;
    for (std::uint32_t test = 0; test < TestCount; ++test) {
      const Cycles TestValue = MeasureSleep(Delay);
      ++TestNumber;
      TestSum = WrappingAdd(TestSum, TestValue);
      RowText += DecimalText(TestValue) + "\t";
      WriteLine("Test #" + DecimalText(TestNumber) + ": " + DecimalText(TestValue));
    }
    ResultTable += "\r\n" + RowText + DecimalText(TestSum / static_cast<Cycles>(TestCount));
  }
  WriteEmptyLine();

  WriteTableFile("KALDE.xls", ResultTable);
  WriteLine("The test is completed. The data are saved in a file KALDE.xls.");
  WriteLine(kExitPrompt);
  WaitForEnter();
  return ShutDown();
}
