#include "platform/sim.h"

#include <cstdlib>
#include <cstring>

#include "platform/decimal_separator.h"
#include "platform/sleep.h"
#include "platform/time_stamp_counter.h"
#include "platform/timer_resolution.h"

namespace sim {
namespace {

struct State {
  Settings settings;
  std::vector<std::string> calls;
  std::int64_t now_ns = 0;
  std::uint64_t reads_done = 0;
  std::size_t next_scripted = 0;
  std::vector<UINT> periods;
};

std::int64_t EnvironmentNumber(const char* name, std::int64_t fallback) {
  const char* text = std::getenv(name);
  return text != nullptr ? std::strtoll(text, nullptr, 10) : fallback;
}

// A simulated program is configured by its test through the environment:
// SIM_TICKS_PER_MS, SIM_READ_COST, SIM_LATENESS_US, SIM_COUNTER_START,
// SIM_READS (counter values separated by commas) and SIM_DECIMAL_SEPARATOR.
Settings SettingsFromEnvironment() {
  Settings settings;
  settings.ticks_per_ms = EnvironmentNumber("SIM_TICKS_PER_MS", settings.ticks_per_ms);
  settings.read_cost = EnvironmentNumber("SIM_READ_COST", settings.read_cost);
  settings.lateness_us = EnvironmentNumber("SIM_LATENESS_US", settings.lateness_us);
  settings.counter_start = static_cast<std::uint64_t>(
      EnvironmentNumber("SIM_COUNTER_START", static_cast<std::int64_t>(settings.counter_start)));
  if (const char* reads = std::getenv("SIM_READS")) {
    const std::string text = reads;
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t comma = text.find(',', start);
      settings.reads.push_back(std::stoull(text.substr(start, comma - start)));
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
  }
  if (const char* separator = std::getenv("SIM_DECIMAL_SEPARATOR")) {
    settings.decimal_separator = separator[0];
  }
  return settings;
}

State& TheState() {
  static State state{SettingsFromEnvironment(), {}, 0, 0, 0, {}};
  return state;
}

void Record(std::string call) { TheState().calls.push_back(std::move(call)); }

void Wait(std::int64_t ns) {
  State& state = TheState();
  state.now_ns += ns + state.settings.lateness_us * 1000;
}

}  // namespace

void Reset(const Settings& settings) { TheState() = State{settings, {}, 0, 0, 0, {}}; }

const std::vector<std::string>& Calls() { return TheState().calls; }

}  // namespace sim

using sim::Record;
using sim::TheState;

std::uint64_t ReadTimeStampCounter() {
  sim::State& state = TheState();
  Record("rdtsc");
  const std::uint64_t reads_before = state.reads_done++;
  if (state.next_scripted < state.settings.reads.size()) {
    return state.settings.reads[state.next_scripted++];
  }
  const __int128 ticks = static_cast<__int128>(state.now_ns) * state.settings.ticks_per_ms / 1000000;
  return state.settings.counter_start + static_cast<std::uint64_t>(ticks) +
         reads_before * static_cast<std::uint64_t>(state.settings.read_cost);
}

MMRESULT timeBeginPeriod(UINT period) {
  Record("timeBeginPeriod(" + std::to_string(period) + ")");
  TheState().periods.push_back(period);
  return TIMERR_NOERROR;
}

MMRESULT timeEndPeriod(UINT period) {
  Record("timeEndPeriod(" + std::to_string(period) + ")");
  std::vector<UINT>& periods = TheState().periods;
  if (periods.empty() || periods.back() != period) return TIMERR_NOCANDO;
  periods.pop_back();
  return TIMERR_NOERROR;
}

void Sleep(DWORD milliseconds) {
  Record("Sleep(" + std::to_string(milliseconds) + ")");
  sim::Wait(static_cast<std::int64_t>(milliseconds) * 1000000);
}

char LocaleDecimalSeparator() { return TheState().settings.decimal_separator; }
