// The standard streams as raw byte channels. Error results are the operating system's own codes.
#pragma once

#include <cstddef>

// Returned by OpenStandardOutput when the handle is of no type the run-time knows.
constexpr int kUnknownStreamType = -1;

// Finds out what standard output is connected to. Sets `shows_at_once` when it is a console,
// where every write must show at once. Returns 0, an OS error code or kUnknownStreamType.
int OpenStandardOutput(bool* shows_at_once);

// Writes all `size` bytes. Returns 0 or the OS error code.
int WriteStandardOutput(const char* data, std::size_t size);

// Reads what is available, at most `capacity` bytes. End of input, including a pipe whose
// writer has gone, is 0 with `*received` 0. Returns 0 or the OS error code.
int ReadStandardInput(char* buffer, std::size_t capacity, std::size_t* received);

// Best effort: there is nowhere left to report a failure of standard error.
void WriteStandardError(const char* data, std::size_t size);
