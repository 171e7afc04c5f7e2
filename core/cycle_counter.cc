#include "core/cycle_counter.h"

Cycles CounterReadOverhead() {
  ReadCycleCounter();
  ReadCycleCounter();
  Cycles smallest = 0;
  for (int attempt = 0; attempt < 10; ++attempt) {
    const Cycles first = ReadCycleCounter();
    const Cycles second = ReadCycleCounter();
    const Cycles difference = WrappingSubtract(second, first);
    if (attempt == 0 || difference < smallest) smallest = difference;
  }
  return smallest;
}
