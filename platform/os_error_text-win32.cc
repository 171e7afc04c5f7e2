#include "platform/os_error_text.h"

#include <windows.h>

std::string OsErrorText(int code) {
  char buffer[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                static_cast<DWORD>(code), MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT), buffer,
                                sizeof buffer, nullptr);
  if (length == 0) return "unknown error";
  // The system's texts end in a full stop and a line end; the error line has its own.
  while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r' || buffer[length - 1] == ' ' ||
                        buffer[length - 1] == '.')) {
    --length;
  }
  return std::string(buffer, length);
}
