// The system clock's settings: the time added at each clock interrupt and the interval between
// two interrupts, both in 100 ns units, and whether the time adjustment is switched off.
#pragma once

#include "platform/win_types.h"

#ifndef PLATFORM_IS_WINDOWS_API
BOOL GetSystemTimeAdjustment(PDWORD time_adjustment, PDWORD time_increment,
                             PBOOL adjustment_disabled);
#endif
