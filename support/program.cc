#include "support/program.h"

#include "platform/process_setup.h"
#include "support/console_output.h"
#include "support/decimal_separator.h"
#include "support/run_time_error.h"

namespace {

void OnArithmeticFault(const char* fault) { RunTimeErrorStop("arithmetic fault", fault); }

}  // namespace

void StartUp(const char* program_name) {
  SetProgramName(program_name);
  ReadDecimalSeparator();
  SetUpProcess(OnArithmeticFault);
}

int ShutDown() {
  TestIoResult(WriteOutStandardOutput(), "cannot write to standard output");
  return 0;
}
