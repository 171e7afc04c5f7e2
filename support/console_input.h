// Standard input, read character by character through a buffer. A Ctrl-Z character marks the
// end of input, as does the real end; from then on the input stays at its end.
#pragma once

#include "support/run_time_error.h"

// The next character (0 to 255) without taking it, or -1 at the end of input or on a read
// error, which is then left in `*error`.
int PeekInputChar(IoResult* error);

// Takes the character that PeekInputChar has just shown.
void SkipInputChar();

// Forgets what was read and that the input ended, as if standard input were new. A program has
// one input for its whole run and never needs this; the fuzz targets give it one input after
// another.
void RestartStandardInput();
