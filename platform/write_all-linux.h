// Writing a whole buffer to a descriptor, through short writes and interrupted calls.
#pragma once

#include <cerrno>
#include <cstddef>
#include <unistd.h>

// Returns 0, or the error code of the write that failed.
inline int WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return 0;
}
