// The wait behind every "Press any key" prompt.
#pragma once

#include "support/run_time_error.h"

// Reads and discards characters up to and including the next line feed. A carriage return
// before it belongs to the same line end; a lone carriage return does not end the line. End of
// input ends the wait and is no failure; a read error is returned.
IoResult DiscardRestOfLine();

// DiscardRestOfLine with its I/O result tested.
void WaitForEnter();
