#include "support/decimal_text.h"

std::string DecimalText(std::int64_t value) {
  // Digits of the magnitude taken in unsigned arithmetic, so the most negative value has one.
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value)
                                      : static_cast<std::uint64_t>(value);
  char digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::string text = value < 0 ? "-" : "";
  while (count > 0) text += digits[--count];
  return text;
}
