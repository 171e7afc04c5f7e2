// The Windows type and constant names that the programs use with the platform's calls.
// On Windows they come from the system's headers; elsewhere this layer spells them itself.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using LONGLONG = std::int64_t;
using MMRESULT = UINT;

constexpr MMRESULT TIMERR_NOERROR = 0;
constexpr MMRESULT TIMERR_NOCANDO = 97;
#endif
