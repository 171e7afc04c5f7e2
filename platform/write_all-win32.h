// Writing a whole buffer to a file handle, through partial writes.
#pragma once

#include <cstddef>
#include <windows.h>

// Returns 0, or the error code of the write that failed.
inline int WriteAll(HANDLE handle, const char* data, std::size_t size) {
  while (size > 0) {
    DWORD written = 0;
    const DWORD part = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!WriteFile(handle, data, part, &written, nullptr)) return static_cast<int>(GetLastError());
    data += written;
    size -= written;
  }
  return 0;
}
