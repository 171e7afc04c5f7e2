// tick_length: the length of one counter tick in nanoseconds, and how far light travels in it.
#include "core/kernel_timer_probes.h"
#include "support/console_output.h"
#include "support/fixed4.h"
#include "support/program.h"
#include "support/real_text.h"
#include "support/wait_for_enter.h"

int main() {
  StartUp("tick_length");

  WriteLine("The program will show duration of one step of your processor.");
  WriteEmptyLine();
  WriteLine("Expected time of check - 10 seconds. Press any key for start of the test...");
  WaitForEnter();

  const Fixed4 StepLength = MeasureTickLength();
  WriteLine("The test is completed. Duration of one processor's step = " +
            RealText(Fixed4ToReal(StepLength)) + " nanoseconds.");

  // 0.299792458 x 100 cm per ns applied to a count of ten-thousandths of a nanosecond is
  // directly the count of ten-thousandths of a centimetre.
  const long double kLightFactor = 0.299792458L;
  const float kHundred = 100.0f;
  const Fixed4 LightDistance =
      Fixed4FromCount(static_cast<long double>(StepLength.count) * kLightFactor * kHundred);
  WriteLine("Light for this time has time to fly by " + Fixed4Text(LightDistance) + " centimeters.");
  WriteLine("Press any key for an exit...");
  WaitForEnter();
  return ShutDown();
}
