// Standard input from memory, for the fuzz targets: the console's platform calls served from a
// buffer in pieces of a chosen size, so that every way a line can be split across reads is tried.
#pragma once

#include <cstddef>
#include <string>

void SetMemoryInput(std::string input, std::size_t piece_size);
