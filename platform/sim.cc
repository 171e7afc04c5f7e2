#include "platform/sim.h"

#include <cstdlib>

#include "platform/decimal_separator.h"
#include "platform/native_delay.h"
#include "platform/sleep.h"
#include "platform/system_time_adjustment.h"
#include "platform/time_stamp_counter.h"
#include "platform/timer_resolution.h"
#include "platform/waitable_timer.h"

namespace sim {
namespace {

struct Timer {
  bool open = true;
  bool armed = false;
  std::int64_t due_ns = 0;
};

struct State {
  Settings settings;
  std::vector<std::string> calls;
  std::int64_t now_ns = 0;
  std::uint64_t reads_done = 0;
  std::size_t next_scripted = 0;
  std::vector<UINT> periods;
  std::vector<Timer> timers;  // by handle - 1
};

std::int64_t EnvironmentNumber(const char* name, std::int64_t fallback) {
  const char* text = std::getenv(name);
  return text != nullptr ? std::strtoll(text, nullptr, 10) : fallback;
}

// A simulated program is configured by its test through the environment:
// SIM_TICKS_PER_MS, SIM_READ_COST, SIM_LATENESS_US,
// SIM_READS (counter values separated by commas), SIM_DECIMAL_SEPARATOR, SIM_TIME_INCREMENT
// and SIM_TIME_ADJUSTMENT.
Settings SettingsFromEnvironment() {
  Settings settings;
  settings.ticks_per_ms = EnvironmentNumber("SIM_TICKS_PER_MS", settings.ticks_per_ms);
  settings.read_cost = EnvironmentNumber("SIM_READ_COST", settings.read_cost);
  settings.lateness_us = EnvironmentNumber("SIM_LATENESS_US", settings.lateness_us);
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
  settings.time_increment = static_cast<std::uint32_t>(
      EnvironmentNumber("SIM_TIME_INCREMENT", settings.time_increment));
  settings.time_adjustment = static_cast<std::uint32_t>(
      EnvironmentNumber("SIM_TIME_ADJUSTMENT", settings.time_adjustment));
  return settings;
}

State& TheState() {
  static State state{SettingsFromEnvironment(), {}, 0, 0, 0, {}, {}};
  return state;
}

void Record(std::string call) { TheState().calls.push_back(std::move(call)); }

void Wait(std::int64_t ns) {
  State& state = TheState();
  state.now_ns += ns + state.settings.lateness_us * 1000;
}

// The virtual time of a due time or interval: relative when negative, else a system time.
std::int64_t VirtualTimeOf(std::int64_t due) {
  if (due < 0) return TheState().now_ns + (0 - due) * 100;
  // A system time from before the simulation began, such as 0, is long past.
  if (due <= kSystemTimeAtStart) return 0;
  return (due - kSystemTimeAtStart) * 100;
}

void WaitUntil(std::int64_t due_ns) {
  const std::int64_t now = TheState().now_ns;
  Wait(due_ns > now ? due_ns - now : 0);
}

std::string HandleText(HANDLE handle) { return std::to_string(reinterpret_cast<std::intptr_t>(handle)); }

// The open timer of a handle, or nullptr.
Timer* OpenTimer(HANDLE handle) {
  const std::intptr_t index = reinterpret_cast<std::intptr_t>(handle) - 1;
  std::vector<Timer>& timers = TheState().timers;
  if (index < 0 || index >= static_cast<std::intptr_t>(timers.size())) return nullptr;
  return timers[index].open ? &timers[index] : nullptr;
}

}  // namespace

void Reset(const Settings& settings) { TheState() = State{settings, {}, 0, 0, 0, {}, {}}; }

const std::vector<std::string>& Calls() { return TheState().calls; }

}  // namespace sim

using sim::HandleText;
using sim::Record;
using sim::TheState;
using sim::OpenTimer;

std::uint64_t ReadTimeStampCounter() {
  sim::State& state = TheState();
  Record("rdtsc");
  const std::uint64_t reads_before = state.reads_done++;
  if (state.next_scripted < state.settings.reads.size()) {
    return state.settings.reads[state.next_scripted++];
  }
  // now_ns x ticks_per_ms / 10^6, without an intermediate product that could overflow.
  const std::int64_t rate = state.settings.ticks_per_ms;
  const std::int64_t ticks = state.now_ns / 1000000 * rate + state.now_ns % 1000000 * rate / 1000000;
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

HANDLE CreateWaitableTimerA(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR) {
  std::vector<sim::Timer>& timers = TheState().timers;
  timers.emplace_back();
  const HANDLE handle = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(timers.size()));
  Record("CreateWaitableTimerA -> " + HandleText(handle));
  return handle;
}

BOOL SetWaitableTimer(HANDLE timer, const LARGE_INTEGER* due_time, LONG period_ms, PTIMERAPCROUTINE,
                      LPVOID, BOOL) {
  Record("SetWaitableTimer(" + HandleText(timer) + ", " + std::to_string(due_time->QuadPart) + ", " +
         std::to_string(period_ms) + ")");
  sim::Timer* armed = OpenTimer(timer);
  if (armed == nullptr) return FALSE;
  armed->armed = true;
  armed->due_ns = sim::VirtualTimeOf(due_time->QuadPart);
  return TRUE;
}

DWORD WaitForSingleObjectEx(HANDLE handle, DWORD milliseconds, BOOL alertable) {
  Record("WaitForSingleObjectEx(" + HandleText(handle) + ", " +
         (milliseconds == INFINITE ? std::string("INFINITE") : std::to_string(milliseconds)) + ", " +
         (alertable ? "TRUE" : "FALSE") + ")");
  sim::Timer* timer = OpenTimer(handle);
  if (timer == nullptr || !timer->armed) return WAIT_FAILED;
  sim::WaitUntil(timer->due_ns);
  timer->armed = false;  // auto-reset: the wait takes the signal
  return WAIT_OBJECT_0;
}

BOOL CloseHandle(HANDLE handle) {
  Record("CloseHandle(" + HandleText(handle) + ")");
  sim::Timer* timer = OpenTimer(handle);
  if (timer == nullptr) return FALSE;
  timer->open = false;
  return TRUE;
}

NTSTATUS NtDelayExecution(BOOLEAN alertable, PLARGE_INTEGER interval) {
  Record(std::string("NtDelayExecution(") + (alertable ? "TRUE" : "FALSE") + ", " +
         std::to_string(interval->QuadPart) + ")");
  sim::WaitUntil(sim::VirtualTimeOf(interval->QuadPart));
  return STATUS_SUCCESS;
}

BOOL GetSystemTimeAdjustment(PDWORD time_adjustment, PDWORD time_increment, PBOOL adjustment_disabled) {
  Record("GetSystemTimeAdjustment");
  const sim::Settings& settings = TheState().settings;
  *time_adjustment = settings.time_adjustment;
  *time_increment = settings.time_increment;
  *adjustment_disabled = FALSE;
  return TRUE;
}
