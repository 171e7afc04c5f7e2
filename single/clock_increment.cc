// clock_increment: the interval between two clock interrupts, in milliseconds.
#include <cstdint>

#include "platform/system_time_adjustment.h"
#include "support/console_output.h"
#include "support/fixed4.h"
#include "support/program.h"
#include "support/wait_for_enter.h"

int main() {
  StartUp("clock_increment");

  DWORD TimeAdjustment = 0;
  DWORD TimeIncrement = 0;
  BOOL AdjustmentDisabled = FALSE;
  GetSystemTimeAdjustment(&TimeAdjustment, &TimeIncrement, &AdjustmentDisabled);

  // 100 ns units over 10000 are milliseconds; widened without sign, never negative.
  const float kTenThousand = 10000.0f;
  const Fixed4 Figure = RealToFixed4(static_cast<long double>(std::uint64_t{TimeIncrement}) / kTenThousand);

  // The label says adjustment; the figure is the increment.
  WriteLine("System time adjustment: " + Fixed4Text(Figure) + " ms.");
  WriteEmptyLine();
  WriteLine("Press any key for an exit...");
  WaitForEnter();
  return ShutDown();
}
