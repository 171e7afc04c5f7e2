// coarse_sleep_sweep: Sleep at 10 ms timer resolution over 1 ms to 10 s.
#include "core/sleep_probes.h"
#include "sweep/fixed_sweep.h"
#include "sweep/sweep_texts.h"
#include "sweep/table_text.h"

int main() {
  return RunFixedSweep(FixedSweep{
      "coarse_sleep_sweep",
      [](std::int64_t delay) { return MeasureSleepCoarse(static_cast<std::uint32_t>(delay)); },
      10000,
      MillisecondLabel,
      kMillisecondIntro,
      "OVRIN_DEF.xls",
      "The test is completed. The data are saved in a file OVRIN_DEF.xls.",
  });
}
