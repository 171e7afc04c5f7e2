// The main sequence shared by the four fixed sweeps: five tests of each delay from 1 up by
// factors of ten, one table row per delay on the console, and the whole table in a file.
#pragma once

#include <cstdint>
#include <string>

#include "core/cycles.h"

// What tells one fixed sweep from another.
struct FixedSweep {
  const char* program_name;
  Cycles (*probe)(std::int64_t delay);  // in the program's unit, ms or µs
  std::int64_t largest_delay;
  std::string (*row_label)(std::int64_t delay);
  const char* intro;
  const char* file_name;
  const char* completion_message;
};

// Runs the whole program; returns its exit status.
int RunFixedSweep(const FixedSweep& sweep);
