// native_delay_sweep: the native delay call over 1 µs to 10 s.
#include "core/kernel_timer_probes.h"
#include "sweep/fixed_sweep.h"
#include "sweep/sweep_texts.h"
#include "sweep/table_text.h"

int main() {
  return RunFixedSweep(FixedSweep{
      "native_delay_sweep",
      MeasureNativeDelay,
      10000000,
      MicrosecondLabel,
      kMicrosecondIntro,
      "OVRIN_NTAPI.xls",
      "The test is completed. The data are saved in a file OVRIN_NTAPI.xls.",
  });
}
