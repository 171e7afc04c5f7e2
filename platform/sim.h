// The simulated platform: the counter, the timer resolution service, the waits, the waitable
// timers, the native delay, the clock settings and the locale, over virtual time. Every wait advances the virtual clock by its requested time plus a chosen
// lateness; the counter runs at a chosen rate and each read costs a chosen number of ticks, or
// it follows a script of read values. Every call is recorded, so that a test can see exactly
// what a probe did and in which order.
//
// A program built against it takes its settings from SIM_* environment variables, read at the
// first call (see sim.cc); unit tests call Reset instead.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct Settings {
  std::int64_t ticks_per_ms = 3000000;    // counter rate
  std::int64_t read_cost = 0;             // ticks that one counter read takes
  std::int64_t lateness_us = 0;           // added to every wait
  std::uint64_t counter_start = 1000000;  // the counter's value at virtual time zero
  std::vector<std::uint64_t> reads;       // counter values returned first, in order
  char decimal_separator = '.';
  std::uint32_t time_increment = 156250;  // 100 ns units
  std::uint32_t time_adjustment = 156250;
};

// The virtual system time at virtual time zero, in 100 ns units since 1601.
constexpr std::int64_t kSystemTimeAtStart = 134000000000000000;

// Starts afresh: virtual time zero, nothing recorded, `settings` in force.
void Reset(const Settings& settings);

// The calls made since the last Reset, such as "timeBeginPeriod(1)", "Sleep(20)", "rdtsc",
// "CreateWaitableTimerA -> 1", "SetWaitableTimer(1, -10, 0)", "CloseHandle(1)".
const std::vector<std::string>& Calls();

}  // namespace sim
