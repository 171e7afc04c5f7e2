// Suspending the calling thread for a number of milliseconds.
#pragma once

#include "platform/win_types.h"

#ifndef PLATFORM_IS_WINDOWS_API
void Sleep(DWORD milliseconds);
#endif
