// The I/O result test and the run-time error stop.
#pragma once

#include <string>
#include <string_view>

// The run-time's own I/O results that can arise here, beside the operating system's error codes:
// a standard handle of no known type, and a number read from text that is not one.
enum class RunTimeCode {
  kFileNotOpenForOutput = 105,
  kInvalidNumericFormat = 106,
};

// The pending I/O result of a step: 0 for success, else an OS error code or a run-time code.
struct IoResult {
  int code = 0;
  bool from_run_time = false;

  bool Failed() const { return code != 0; }
};

inline IoResult OsResult(int os_error) { return IoResult{os_error, false}; }
inline IoResult RunTimeResult(RunTimeCode code) { return IoResult{static_cast<int>(code), true}; }

// "No space left on device (error 28)", "invalid numeric format (I/O result 106)".
std::string IoResultText(IoResult result);

// Names the program in the line of the error stop.
void SetProgramName(const char* name);

// Ends the program at once: what standard output still holds is written out, then one line
// "<program>: <what>: <reason>" goes to standard error, and the exit status is 1.
[[noreturn]] void RunTimeErrorStop(std::string_view what, std::string_view reason);

// The test that follows every console and table-file step. `step` says what failed, as in
// "cannot write to standard output".
void TestIoResult(IoResult result, std::string_view step);
