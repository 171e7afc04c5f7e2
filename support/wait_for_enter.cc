#include "support/wait_for_enter.h"

#include "support/console_input.h"

IoResult DiscardRestOfLine() {
  for (;;) {
    IoResult error;
    const int c = PeekInputChar(&error);
    if (c < 0) return error;
    SkipInputChar();
    if (c == '\n') return {};
  }
}

void WaitForEnter() { TestIoResult(DiscardRestOfLine(), "cannot read from standard input"); }
