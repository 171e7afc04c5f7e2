// Fixed4: a fixed-point number held as a signed 64-bit count of ten-thousandths.
#pragma once

#include <cstdint>
#include <string>

#include "support/decimal_separator.h"

struct Fixed4 {
  std::int64_t count;
};

// The count `count` rounded to a whole number, to nearest with halfway cases to the even
// neighbour. A count that does not fit 64 bits is an invalid operation, which traps.
Fixed4 Fixed4FromCount(long double count);

// `value` times 10000 in extended precision, rounded as above: 0.78125 gives the count 7812.
Fixed4 RealToFixed4(long double value);

// The count loaded exactly and divided by 10000.
long double Fixed4ToReal(Fixed4 value);

// Exact, never in exponent form: "0"; else a minus sign when negative, the integer part, and
// only when the fraction is not zero the separator and its four digits less trailing zeros
// (156250 gives 15.625, 1 gives 0.0001).
std::string Fixed4Text(Fixed4 value, char separator = DecimalSeparator());
