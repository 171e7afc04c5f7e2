#include "platform/os_error_text.h"

#include <cstring>

std::string OsErrorText(int code) {
  char buffer[256];
  // The GNU strerror_r returns the text, which need not be in the buffer.
  return strerror_r(code, buffer, sizeof buffer);
}
