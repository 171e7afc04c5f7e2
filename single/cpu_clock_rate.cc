// cpu_clock_rate: counts counter ticks over a 10-second sleep and reports the rate in MHz.
#include "core/sleep_probes.h"
#include "support/console_output.h"
#include "support/program.h"
#include "support/real_text.h"
#include "support/wait_for_enter.h"

int main() {
  StartUp("cpu_clock_rate");

  WriteLine("The program will determine approximate frequency of your processor.");
  WriteLine("Expected time of check - 10 seconds. Press any key for start of the test...");
  WriteEmptyLine();
  WaitForEnter();

  const Cycles TickRate = MeasureSleepDirect(10000);
  // Ticks per millisecond over 1000 are ticks per microsecond: MHz. The quotient is taken in
  // extended precision and kept as a double, and the text is made from the double.
  const double Frequency = static_cast<double>(static_cast<long double>(TickRate) / 1000.0f);

  WriteLine("The test is completed. Frequency = " + RealText(Frequency) + " MHz.");
  WriteEmptyLine();
  WriteLine("Press any key for an exit...");
  WaitForEnter();
  return ShutDown();
}
