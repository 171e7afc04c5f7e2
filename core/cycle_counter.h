// The time-stamp counter as the probes read it, and the cost of reading it.
#pragma once

#include "core/cycles.h"
#include "platform/time_stamp_counter.h"

// The counter's 64 bits, unchanged. Inline, so that a probe's window holds the bare read.
inline Cycles ReadCycleCounter() { return static_cast<Cycles>(ReadTimeStampCounter()); }

// The smallest number of ticks that two back-to-back reads took, over ten tries after two
// warm-up reads; measured afresh on every call.
Cycles CounterReadOverhead();
