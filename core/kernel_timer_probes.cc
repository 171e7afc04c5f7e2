#include "core/kernel_timer_probes.h"

#include "core/cycle_counter.h"
#include "platform/native_delay.h"
#include "platform/sleep.h"
#include "platform/timer_resolution.h"
#include "platform/waitable_timer.h"

namespace {

constexpr UINT kResolutionMs = 1;
constexpr DWORD kSettleSleepMs = 20;

// A delay in µs as a due time or interval: relative, in 100 ns units.
LARGE_INTEGER RelativeInterval(std::int64_t delay_us) {
  LARGE_INTEGER interval;
  interval.QuadPart = WrappingMultiply(-10, delay_us);
  return interval;
}

// Ticks per millisecond of a µs delay: the multiplication comes first, so nothing of the net
// count is lost before the division.
Cycles TicksPerMillisecond(Cycles net, std::int64_t delay_us) { return WrappingMultiply(net, 1000) / delay_us; }

}  // namespace

Cycles TimerSetOverhead() {
  ReadCycleCounter();
  ReadCycleCounter();
  Cycles smallest = 0;
  for (int attempt = 0; attempt < 10; ++attempt) {
    const HANDLE timer = CreateWaitableTimerA(nullptr, FALSE, nullptr);
    LARGE_INTEGER due;
    due.QuadPart = 0;
    const Cycles start = ReadCycleCounter();
    SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE);
    CloseHandle(timer);
    const Cycles stop = ReadCycleCounter();
    const Cycles cost = WrappingSubtract(stop, start);
    if (attempt == 0 || cost < smallest) smallest = cost;
  }
  return smallest;
}

Cycles MeasureWaitableTimer(std::int64_t delay) {
  const HANDLE timer = CreateWaitableTimerA(nullptr, FALSE, nullptr);
  const LARGE_INTEGER due = RelativeInterval(delay);
  timeBeginPeriod(kResolutionMs);
  Sleep(kSettleSleepMs);
  const Cycles start = ReadCycleCounter();
  SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE);
  WaitForSingleObjectEx(timer, INFINITE, TRUE);
  CloseHandle(timer);
  const Cycles stop = ReadCycleCounter();
  const Cycles elapsed = WrappingSubtract(stop, start);
  timeEndPeriod(kResolutionMs);
  const Cycles overhead = TimerSetOverhead();
  return TicksPerMillisecond(WrappingSubtract(elapsed, overhead), delay);
}

Cycles MeasureNativeDelay(std::int64_t delay) {
  timeBeginPeriod(kResolutionMs);
  Sleep(kSettleSleepMs);
  LARGE_INTEGER interval = RelativeInterval(delay);
  const Cycles start = ReadCycleCounter();
  NtDelayExecution(FALSE, &interval);
  const Cycles stop = ReadCycleCounter();
  const Cycles elapsed = WrappingSubtract(stop, start);
  timeEndPeriod(kResolutionMs);
  const Cycles overhead = CounterReadOverhead();
  return TicksPerMillisecond(WrappingSubtract(elapsed, overhead), delay);
}

Fixed4 MeasureTickLength() {
  timeBeginPeriod(kResolutionMs);
  Sleep(kSettleSleepMs);
  LARGE_INTEGER interval;
  interval.QuadPart = -100000000;  // 10 seconds
  const Cycles start = ReadCycleCounter();
  NtDelayExecution(FALSE, &interval);
  const Cycles stop = ReadCycleCounter();
  const Cycles elapsed = WrappingSubtract(stop, start);
  timeEndPeriod(kResolutionMs);
  const Cycles net = WrappingSubtract(elapsed, CounterReadOverhead());
  // The nanoseconds in 10 seconds over the net ticks. A counter that stood still gives a net
  // count of 0, and the division by zero traps.
  return RealToFixed4(10000000000.0L / static_cast<long double>(net));
}
