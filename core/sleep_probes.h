// The Sleep probes: one Sleep of `delay` ms timed against the counter, as counter ticks per
// requested millisecond with the cost of the counter reads taken out. The timer resolution is
// requested for the length of the probe only.
#pragma once

#include <cstdint>

#include "core/cycles.h"

// 1 ms resolution, with a 20 ms sleep to let it settle before the timed sleep.
Cycles MeasureSleep(std::uint32_t delay);

// 10 ms resolution, no settle sleep.
Cycles MeasureSleepCoarse(std::uint32_t delay);

// 1 ms resolution, no settle sleep.
Cycles MeasureSleepDirect(std::uint32_t delay);
