#include "core/sleep_probes.h"

#include "core/cycle_counter.h"
#include "platform/sleep.h"
#include "platform/timer_resolution.h"

namespace {

constexpr DWORD kSettleSleepMs = 20;

Cycles MeasureSleepAt(UINT resolution_ms, bool settle, std::uint32_t delay) {
  timeBeginPeriod(resolution_ms);
  if (settle) Sleep(kSettleSleepMs);
  const Cycles start = ReadCycleCounter();
  Sleep(delay);
  const Cycles stop = ReadCycleCounter();
  const Cycles elapsed = WrappingSubtract(stop, start);
  timeEndPeriod(resolution_ms);
  const Cycles overhead = CounterReadOverhead();
  // The delay is widened without sign, so every delay divides as a positive number.
  return WrappingSubtract(elapsed, overhead) / static_cast<Cycles>(delay);
}

}  // namespace

Cycles MeasureSleep(std::uint32_t delay) { return MeasureSleepAt(1, true, delay); }

Cycles MeasureSleepCoarse(std::uint32_t delay) { return MeasureSleepAt(10, false, delay); }

Cycles MeasureSleepDirect(std::uint32_t delay) { return MeasureSleepAt(1, false, delay); }
