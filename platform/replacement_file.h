// A file written under a temporary name beside its final name and then renamed over it, so that
// the final name always holds either the earlier file, untouched, or the whole new one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct ReplacementFile {
  std::intptr_t handle = -1;   // while open
  std::string temporary_name;  // while it exists
};

// Creates a new, empty temporary file in the final name's directory. It is created exclusively,
// so it never follows or overwrites anything already there. Returns 0 or the OS error code.
int CreateReplacementFile(const std::string& final_name, ReplacementFile* file);

// Writes all `size` bytes. Returns 0 or the OS error code.
int WriteReplacementFile(ReplacementFile* file, const char* data, std::size_t size);

// Flushes the file to disk and closes it. Returns 0 or the OS error code.
int CloseReplacementFile(ReplacementFile* file);

// Renames the closed file over the final name. A symbolic link there is replaced, not followed.
// Returns 0 or the OS error code.
int PutReplacementFileInPlace(ReplacementFile* file, const std::string& final_name);

// After a failure: closes the file if it is open and removes it.
void DiscardReplacementFile(ReplacementFile* file);
