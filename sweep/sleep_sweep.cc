// sleep_sweep: Sleep at 1 ms timer resolution, after a settle sleep, over 1 ms to 10 s.
#include "core/sleep_probes.h"
#include "sweep/fixed_sweep.h"
#include "sweep/sweep_texts.h"
#include "sweep/table_text.h"

int main() {
  return RunFixedSweep(FixedSweep{
      "sleep_sweep",
      [](std::int64_t delay) { return MeasureSleep(static_cast<std::uint32_t>(delay)); },
      10000,
      MillisecondLabel,
      kMillisecondIntro,
      "OVRIN.xls",
      "The test is completed. The data are saved in a file OVRIN.xls.",
  });
}
