// The system timer resolution requests of the multimedia timer service.
#pragma once

#include "platform/win_types.h"

#ifdef PLATFORM_IS_WINDOWS_API
#include <mmsystem.h>
#else
// Requests a timer resolution of `period` milliseconds until the matching timeEndPeriod.
MMRESULT timeBeginPeriod(UINT period);
// Ends the latest request; `period` must be the value it was made with.
MMRESULT timeEndPeriod(UINT period);
#endif
