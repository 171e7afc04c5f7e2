#include "support/console_output.h"

#include <cstring>

#include "platform/console.h"

namespace {

constexpr std::size_t kBufferSize = 128;

char buffer[kBufferSize];
std::size_t buffered = 0;
bool opened = false;
bool shows_at_once = false;
// Once a write has failed, the stream takes nothing more: the program is stopping.
bool failed = false;

IoResult Open() {
  if (opened) return {};
  opened = true;
  const int result = OpenStandardOutput(&shows_at_once);
  if (result == kUnknownStreamType) return RunTimeResult(RunTimeCode::kFileNotOpenForOutput);
  return OsResult(result);
}

IoResult Flush() {
  const std::size_t size = buffered;
  buffered = 0;
  if (size == 0) return {};
  const IoResult result = OsResult(WriteStandardOutput(buffer, size));
  if (result.Failed()) failed = true;
  return result;
}

IoResult Put(std::string_view text) {
  if (IoResult result = Open(); result.Failed()) {
    failed = true;
    return result;
  }
  while (!text.empty()) {
    const std::size_t room = kBufferSize - buffered;
    const std::size_t part = text.size() < room ? text.size() : room;
    std::memcpy(buffer + buffered, text.data(), part);
    buffered += part;
    text.remove_prefix(part);
    if (buffered == kBufferSize) {
      if (IoResult result = Flush(); result.Failed()) return result;
    }
  }
  return {};
}

}  // namespace

void WriteLine(std::string_view text) {
  IoResult result = Put(text);
  if (!result.Failed()) result = Put("\r\n");
  if (!result.Failed() && shows_at_once) result = Flush();
  TestIoResult(result, "cannot write to standard output");
}

void WriteEmptyLine() { WriteLine({}); }

IoResult WriteOutStandardOutput() { return Flush(); }

void WriteOutStandardOutputQuietly() {
  if (!failed) Flush();
}
