#include "platform/native_delay.h"

#include <cerrno>

#include "platform/system_time-linux.h"

NTSTATUS NtDelayExecution(BOOLEAN, PLARGE_INTEGER interval) {
  if (interval->QuadPart < 0) {
    timespec remaining = TimespecOfRelativeInterval(interval->QuadPart);
    // Cut short by a signal, the delay goes on with the time still left.
    while (clock_nanosleep(CLOCK_MONOTONIC, 0, &remaining, &remaining) == EINTR) {
    }
  } else {
    const timespec due = RealtimeOfSystemTime(interval->QuadPart);
    if (due.tv_sec < 0) return STATUS_SUCCESS;  // before 1970: long past
    while (clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &due, nullptr) == EINTR) {
    }
  }
  return STATUS_SUCCESS;
}
