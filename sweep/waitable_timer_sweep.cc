// waitable_timer_sweep: a waitable timer and an alertable wait over 1 µs to 10 s.
#include "core/kernel_timer_probes.h"
#include "sweep/fixed_sweep.h"
#include "sweep/sweep_texts.h"
#include "sweep/table_text.h"

int main() {
  return RunFixedSweep(FixedSweep{
      "waitable_timer_sweep",
      MeasureWaitableTimer,
      10000000,
      MicrosecondLabel,
      kMicrosecondIntro,
      "OVRIN_WFSO.xls",
      "The test is completed. The data are saved in a file OVRIN_WFSO.xls.",
  });
}
