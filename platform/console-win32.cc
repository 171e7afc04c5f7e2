#include "platform/console.h"

#include <windows.h>

#include "platform/write_all-win32.h"

int OpenStandardOutput(bool* shows_at_once) {
  switch (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE))) {
    case FILE_TYPE_CHAR:
      *shows_at_once = true;
      return 0;
    case FILE_TYPE_DISK:
    case FILE_TYPE_PIPE:
      *shows_at_once = false;
      return 0;
    default:
      return kUnknownStreamType;
  }
}

int WriteStandardOutput(const char* data, std::size_t size) {
  return WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), data, size);
}

int ReadStandardInput(char* buffer, std::size_t capacity, std::size_t* received) {
  DWORD got = 0;
  *received = 0;
  if (!ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, static_cast<DWORD>(capacity), &got, nullptr)) {
    const DWORD error = GetLastError();
    // A pipe whose writer has gone is the end of input.
    return error == ERROR_BROKEN_PIPE ? 0 : static_cast<int>(error);
  }
  *received = got;
  return 0;
}

void WriteStandardError(const char* data, std::size_t size) { WriteAll(GetStdHandle(STD_ERROR_HANDLE), data, size); }
