#include "tests/fuzz/memory_console.h"

#include <algorithm>
#include <cstring>

#include "platform/console.h"

namespace {
std::string input;
std::size_t read_position = 0;
std::size_t piece = 1;
}  // namespace

void SetMemoryInput(std::string text, std::size_t piece_size) {
  input = std::move(text);
  read_position = 0;
  piece = std::max<std::size_t>(piece_size, 1);
}

int OpenStandardOutput(bool* shows_at_once) {
  *shows_at_once = false;
  return 0;
}

int WriteStandardOutput(const char*, std::size_t) { return 0; }

int ReadStandardInput(char* buffer, std::size_t capacity, std::size_t* received) {
  *received = std::min({capacity, piece, input.size() - read_position});
  std::memcpy(buffer, input.data() + read_position, *received);
  read_position += *received;
  return 0;
}

void WriteStandardError(const char*, std::size_t) {}
