// Windows system times (100 ns units since 1601-01-01 UTC) as Linux CLOCK_REALTIME times.
#pragma once

#include <cstdint>
#include <ctime>

// Seconds from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;

inline timespec RealtimeOfSystemTime(std::int64_t system_time) {
  return timespec{static_cast<time_t>(system_time / 10000000 - kSecondsFrom1601To1970),
                  static_cast<long>(system_time % 10000000) * 100};
}

// A relative interval of -`interval` 100 ns units; the magnitude is taken without overflow.
inline timespec TimespecOfRelativeInterval(std::int64_t interval) {
  const std::uint64_t units = 0 - static_cast<std::uint64_t>(interval);
  return timespec{static_cast<time_t>(units / 10000000), static_cast<long>(units % 10000000) * 100};
}
