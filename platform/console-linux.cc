#include "platform/console.h"

#include <cerrno>
#include <unistd.h>

#include "platform/write_all-linux.h"

int OpenStandardOutput(bool* shows_at_once) {
  *shows_at_once = isatty(STDOUT_FILENO) == 1;
  return 0;
}

int WriteStandardOutput(const char* data, std::size_t size) { return WriteAll(STDOUT_FILENO, data, size); }

int ReadStandardInput(char* buffer, std::size_t capacity, std::size_t* received) {
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, buffer, capacity);
    if (got >= 0) {
      *received = static_cast<std::size_t>(got);
      return 0;
    }
    if (errno != EINTR) {
      *received = 0;
      return errno;
    }
  }
}

void WriteStandardError(const char* data, std::size_t size) { WriteAll(STDERR_FILENO, data, size); }
