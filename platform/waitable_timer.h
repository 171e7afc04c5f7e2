// Waitable timers: an unnamed auto-reset timer is armed once with a due time in 100 ns units,
// negative for a time relative to the call, otherwise an absolute system time (100 ns units
// since 1601-01-01 UTC, signalled at once when it has passed). A wait returns once the timer has
// signalled and consumes the signal.
#pragma once

#include "platform/win_types.h"

#ifndef PLATFORM_IS_WINDOWS_API
// Returns nullptr when no timer can be made.
HANDLE CreateWaitableTimerA(LPSECURITY_ATTRIBUTES attributes, BOOL manual_reset, LPCSTR name);
BOOL SetWaitableTimer(HANDLE timer, const LARGE_INTEGER* due_time, LONG period_ms,
                      PTIMERAPCROUTINE completion_routine, LPVOID completion_argument, BOOL resume);
// Waits without a time-out only (`milliseconds` INFINITE); anything else is WAIT_FAILED.
DWORD WaitForSingleObjectEx(HANDLE handle, DWORD milliseconds, BOOL alertable);
BOOL CloseHandle(HANDLE handle);
#endif
