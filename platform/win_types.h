// The Windows type and constant names that the programs use with the platform's calls.
// On Windows they come from the system's headers; elsewhere, and for the simulated platform,
// which replaces the system's calls with its own, this layer spells them itself.
#pragma once

#if defined(_WIN32) && !defined(SIMULATED_PLATFORM)
#define PLATFORM_IS_WINDOWS_API 1
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cstdint>

using BOOL = int;
using BOOLEAN = unsigned char;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using LONGLONG = std::int64_t;
using MMRESULT = UINT;
using NTSTATUS = LONG;
using HANDLE = void*;
using LPVOID = void*;
using LPCSTR = const char*;
using PDWORD = DWORD*;
using PBOOL = BOOL*;

union LARGE_INTEGER {
  LONGLONG QuadPart;
};
using PLARGE_INTEGER = LARGE_INTEGER*;

struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;
using PTIMERAPCROUTINE = void (*)(LPVOID, DWORD, DWORD);

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;
constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;
constexpr MMRESULT TIMERR_NOERROR = 0;
constexpr MMRESULT TIMERR_NOCANDO = 97;
constexpr NTSTATUS STATUS_SUCCESS = 0;
#endif
