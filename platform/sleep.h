// Suspending the calling thread for a number of milliseconds.
#pragma once

#include "platform/win_types.h"

#ifndef _WIN32
void Sleep(DWORD milliseconds);
#endif
