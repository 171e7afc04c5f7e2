// Console lines on standard output. On a console every line shows at once; written to a file or
// a pipe, output collects in a 128-byte buffer that goes out whenever it fills and at the end.
#pragma once

#include <string_view>

#include "support/run_time_error.h"

// Writes `text` and a carriage return and line feed, then tests the I/O result.
void WriteLine(std::string_view text);

// The line end alone.
void WriteEmptyLine();

// Writes out what the buffer holds; the caller tests the result.
IoResult WriteOutStandardOutput();

// For the error stop: writes out what is still buffered, if standard output has not failed.
void WriteOutStandardOutputQuietly();
