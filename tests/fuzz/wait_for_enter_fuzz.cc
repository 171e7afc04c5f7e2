// The wait for Enter and the reading of a number over arbitrary bytes, against what a plain scan
// of the same bytes says they must consume and leave unread.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/console_input.h"
#include "support/integer_input.h"
#include "support/wait_for_enter.h"
#include "tests/fuzz/memory_console.h"

namespace {

// The input as the program sees it: everything before the first Ctrl-Z.
std::string BeforeCtrlZ(const std::string& bytes) { return bytes.substr(0, bytes.find('\x1a')); }

std::string RestOfInput() {
  std::string rest;
  IoResult error;
  for (int c; (c = PeekInputChar(&error)) >= 0; SkipInputChar()) rest += static_cast<char>(c);
  return rest;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const bool read_number = data[0] & 1;
  const std::string bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::string visible = BeforeCtrlZ(bytes);
  RestartStandardInput();
  SetMemoryInput(bytes, data[1] % 200 + 1);

  if (!read_number) {
    Check(!DiscardRestOfLine().Failed());
    const std::size_t line_feed = visible.find('\n');
    Check(RestOfInput() == (line_feed == std::string::npos ? "" : visible.substr(line_feed + 1)));
    return 0;
  }

  const IntegerAnswer answer = ReadInteger();
  const std::size_t start = visible.find_first_not_of(std::string("\0\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b"
                                                                  "\x0c\x0d\x0e\x0f\x10\x11\x12\x13\x14\x15\x16\x17"
                                                                  "\x18\x19\x1a\x1b\x1c\x1d\x1e\x1f\x20",
                                                                  33));
  if (start == std::string::npos) {
    Check(answer.end_of_input && !answer.result.Failed() && answer.value == 0);
    return 0;
  }
  std::size_t end = start;
  while (end < visible.size() && end - start < 32 && static_cast<unsigned char>(visible[end]) > 32) ++end;
  Check(!answer.end_of_input);
  Check(answer.text == visible.substr(start, end - start));
  std::int64_t value = 0;
  const bool number = ConvertIntegerText(answer.text, &value);
  Check(answer.result.Failed() == !number);
  Check(!number || answer.value == value);
  Check(RestOfInput() == visible.substr(end));
  return 0;
}
