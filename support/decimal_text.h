// Decimal text of an integer: a minus sign when negative, then the digits; no plus sign, no
// leading zeros, no blanks, no grouping.
#pragma once

#include <cstdint>
#include <string>

std::string DecimalText(std::int64_t value);
