// Start-up and normal end of every program.
#pragma once

// Before the main sequence: names the program for the error stop, takes the decimal separator
// from the locale and sets up the floating-point unit with its traps.
void StartUp(const char* program_name);

// After the main sequence: writes out standard output and returns exit status 0, or ends
// through the error stop when that write fails.
int ShutDown();
