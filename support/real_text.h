// The general text of an 80-bit real. The magnitude is rounded to 18 significant digits, then
// to at most 15 (a 16th digit of 5 or more raises the 15th), and trailing zeros are dropped.
// With the digits d1..dn and the exponent E such that the magnitude is 0.d1..dn x 10^E:
//   1 <= E <= 15:  the first E digits, then the separator and the rest if any (2992.543, 3000);
//  -3 <= E <= 0:   "0", the separator, -E zeros and the digits (0.5, 0.0001);
//   otherwise:     d1, the separator and d2..dn if any, "E" and E-1 (1E-5, 1E15, 1.5E20).
// A minus sign for negative values; zero is "0", infinities "INF" and "-INF", a NaN "NAN".
#pragma once

#include <string>

#include "support/decimal_separator.h"

std::string RealText(long double value, char separator = DecimalSeparator());
