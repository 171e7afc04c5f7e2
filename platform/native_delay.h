// The native delay call: suspends the thread for an interval in 100 ns units, negative for a
// time relative to the call, otherwise an absolute system time (100 ns units since 1601-01-01
// UTC).
#pragma once

#include "platform/win_types.h"

#ifdef PLATFORM_IS_WINDOWS_API
#include <winternl.h>
// Exported by ntdll and bound by name when the program loads.
extern "C" NTSTATUS NTAPI NtDelayExecution(BOOLEAN alertable, PLARGE_INTEGER interval);
#else
NTSTATUS NtDelayExecution(BOOLEAN alertable, PLARGE_INTEGER interval);
#endif
