#include "support/console_input.h"

#include "platform/console.h"

namespace {

constexpr char kCtrlZ = '\x1a';

char buffer[128];
std::size_t position = 0;
std::size_t filled = 0;
bool at_end = false;

}  // namespace

int PeekInputChar(IoResult* error) {
  *error = {};
  if (at_end) return -1;
  if (position == filled) {
    std::size_t received = 0;
    *error = OsResult(ReadStandardInput(buffer, sizeof buffer, &received));
    position = 0;
    filled = received;
    if (error->Failed()) return -1;
    if (received == 0) {
      at_end = true;
      return -1;
    }
  }
  if (buffer[position] == kCtrlZ) {
    at_end = true;
    return -1;
  }
  return static_cast<unsigned char>(buffer[position]);
}

void SkipInputChar() { ++position; }

void RestartStandardInput() {
  position = 0;
  filled = 0;
  at_end = false;
}
