// The counter's rate measured by the tests themselves, against the kernel's unadjusted clock.
#pragma once

#include <ctime>
#include <x86intrin.h>

inline double MonotonicRawSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC_RAW, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Counter ticks per millisecond over two seconds.
inline double ReferenceTicksPerMs() {
  const double before = MonotonicRawSeconds();
  const unsigned long long start = __rdtsc();
  const timespec two_seconds{2, 0};
  clock_nanosleep(CLOCK_MONOTONIC, 0, &two_seconds, nullptr);
  const double after = MonotonicRawSeconds();
  const unsigned long long stop = __rdtsc();
  return static_cast<double>(stop - start) / ((after - before) * 1000);
}
