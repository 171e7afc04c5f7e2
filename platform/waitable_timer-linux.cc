// A waitable timer is a timerfd on CLOCK_MONOTONIC; its handle carries the descriptor plus one,
// so that no timer is ever the null handle and nothing is allocated to make or close one.
#include "platform/waitable_timer.h"

#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

#include "platform/system_time-linux.h"

namespace {

HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(fd) + 1); }

int DescriptorOf(HANDLE handle) { return static_cast<int>(reinterpret_cast<std::intptr_t>(handle) - 1); }

// The relative time until an absolute system time; one that has passed becomes the shortest
// time the timer can take, since a zero time would disarm it.
timespec TimeUntil(std::int64_t system_time) {
  const timespec due = RealtimeOfSystemTime(system_time);
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::int64_t seconds = due.tv_sec - now.tv_sec;
  long nanoseconds = due.tv_nsec - now.tv_nsec;
  if (nanoseconds < 0) {
    nanoseconds += 1000000000;
    --seconds;
  }
  if (seconds < 0 || (seconds == 0 && nanoseconds == 0)) return timespec{0, 1};
  return timespec{static_cast<time_t>(seconds), nanoseconds};
}

}  // namespace

HANDLE CreateWaitableTimerA(LPSECURITY_ATTRIBUTES, BOOL manual_reset, LPCSTR name) {
  // Only what the suite makes: unnamed timers that reset when a wait has seen them.
  if (manual_reset || name != nullptr) return nullptr;
  const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC);
  return fd < 0 ? nullptr : HandleOf(fd);
}

BOOL SetWaitableTimer(HANDLE timer, const LARGE_INTEGER* due_time, LONG period_ms,
                      PTIMERAPCROUTINE completion_routine, LPVOID, BOOL) {
  if (completion_routine != nullptr || period_ms < 0) return FALSE;
  itimerspec setting{};
  setting.it_value = due_time->QuadPart < 0 ? TimespecOfRelativeInterval(due_time->QuadPart)
                                            : TimeUntil(due_time->QuadPart);
  setting.it_interval = timespec{period_ms / 1000, static_cast<long>(period_ms % 1000) * 1000000};
  return timerfd_settime(DescriptorOf(timer), 0, &setting, nullptr) == 0 ? TRUE : FALSE;
}

DWORD WaitForSingleObjectEx(HANDLE handle, DWORD milliseconds, BOOL) {
  if (milliseconds != INFINITE) return WAIT_FAILED;
  // The read blocks until the timer has expired and takes the expiry, which resets the timer.
  std::uint64_t expirations = 0;
  for (;;) {
    const ssize_t got = read(DescriptorOf(handle), &expirations, sizeof expirations);
    if (got == sizeof expirations) return WAIT_OBJECT_0;
    if (got < 0 && errno == EINTR) continue;
    return WAIT_FAILED;
  }
}

BOOL CloseHandle(HANDLE handle) { return close(DescriptorOf(handle)) == 0 ? TRUE : FALSE; }
