// The simulated platform: the counter, the timer resolution service, the waits and the locale,
// over virtual time. Every wait advances the virtual clock by its requested time plus a chosen
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
};

// Starts afresh: virtual time zero, nothing recorded, `settings` in force.
void Reset(const Settings& settings);

// The calls made since the last Reset, such as "timeBeginPeriod(1)", "Sleep(20)", "rdtsc".
const std::vector<std::string>& Calls();

}  // namespace sim
