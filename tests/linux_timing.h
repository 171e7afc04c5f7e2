// Helpers for the tests of the Linux layer's waits.
#pragma once

#include <csignal>
#include <cstdint>
#include <ctime>
#include <sys/time.h>

inline double MonotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The current system time in 100 ns units since 1601-01-01.
inline std::int64_t SystemTimeNow() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return (static_cast<std::int64_t>(now.tv_sec) + 11644473600) * 10000000 + now.tv_nsec / 100;
}

// Interrupts the thread with a signal every `ms` milliseconds while it lives, with a handler
// that does not restart the interrupted call.
class SignalEvery {
 public:
  explicit SignalEvery(int ms) {
    struct sigaction action {};
    action.sa_handler = [](int) {};
    sigemptyset(&action.sa_mask);
    sigaction(SIGALRM, &action, &previous_);
    const itimerval every{{0, ms * 1000}, {0, ms * 1000}};
    setitimer(ITIMER_REAL, &every, nullptr);
  }
  ~SignalEvery() {
    const itimerval off{};
    setitimer(ITIMER_REAL, &off, nullptr);
    sigaction(SIGALRM, &previous_, nullptr);
  }

 private:
  struct sigaction previous_ {};
};
