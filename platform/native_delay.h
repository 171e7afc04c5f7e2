// The native delay call: suspends the thread for an interval in 100 ns units, negative for a
// time relative to the call, otherwise an absolute system time (100 ns units since 1601-01-01
// UTC).
#pragma once

#include "platform/win_types.h"

#ifdef _WIN32
extern "C" NTSTATUS NTAPI NtDelayExecution(BOOLEAN alertable, PLARGE_INTEGER interval);
#else
NTSTATUS NtDelayExecution(BOOLEAN alertable, PLARGE_INTEGER interval);
#endif
