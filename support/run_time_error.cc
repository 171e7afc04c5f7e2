#include "support/run_time_error.h"

#include <cstdlib>

#include "platform/console.h"
#include "platform/os_error_text.h"
#include "support/console_output.h"

namespace {

const char* program_name = "program";

const char* RunTimeCodeText(int code) {
  switch (static_cast<RunTimeCode>(code)) {
    case RunTimeCode::kFileNotOpenForOutput:
      return "file not open for output";
    case RunTimeCode::kInvalidNumericFormat:
      return "invalid numeric format";
  }
  return "unknown I/O result";
}

}  // namespace

std::string IoResultText(IoResult result) {
  if (result.from_run_time) {
    return std::string(RunTimeCodeText(result.code)) + " (I/O result " +
           std::to_string(result.code) + ")";
  }
  return OsErrorText(result.code) + " (error " + std::to_string(result.code) + ")";
}

void SetProgramName(const char* name) { program_name = name; }

void RunTimeErrorStop(std::string_view what, std::string_view reason) {
  WriteOutStandardOutputQuietly();
  std::string line = program_name;
  line.append(": ").append(what).append(": ").append(reason).append("\r\n");
  WriteStandardError(line.data(), line.size());
  std::_Exit(1);
}

void TestIoResult(IoResult result, std::string_view step) {
  if (result.Failed()) RunTimeErrorStop(step, IoResultText(result));
}
