// Probes of the kernel waits that take their interval in 100 ns units: a waitable timer with an
// alertable wait, and the native delay call.
#pragma once

#include <cstdint>

#include "core/cycles.h"
#include "support/fixed4.h"

// The smallest cost in ticks of arming a new timer with a due time of 0, closing it and one
// counter read, over ten tries: the waitable-timer probe's window less the wait.
Cycles TimerSetOverhead();

// One waitable-timer wait of `delay` µs at 1 ms resolution, as counter ticks per millisecond.
Cycles MeasureWaitableTimer(std::int64_t delay);

// One native delay of `delay` µs at 1 ms resolution, as counter ticks per millisecond.
Cycles MeasureNativeDelay(std::int64_t delay);

// The length of one counter tick in nanoseconds, from a native delay of 10 seconds.
Fixed4 MeasureTickLength();
