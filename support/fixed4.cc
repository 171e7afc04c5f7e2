#include "support/fixed4.h"

#include <cmath>

#include "support/decimal_text.h"

namespace {
// Held as a 32-bit real, like every constant without a width of its own.
constexpr float kTenThousand = 10000.0f;
}  // namespace

// The conversion rounds by the current mode, which start-up sets to nearest, ties to even; out
// of range or not a number, it raises the invalid-operation trap.
Fixed4 Fixed4FromCount(long double count) { return Fixed4{std::llrint(count)}; }

Fixed4 RealToFixed4(long double value) { return Fixed4FromCount(value * kTenThousand); }

long double Fixed4ToReal(Fixed4 value) { return static_cast<long double>(value.count) / kTenThousand; }

std::string Fixed4Text(Fixed4 value, char separator) {
  const std::uint64_t magnitude =
      value.count < 0 ? 0 - static_cast<std::uint64_t>(value.count) : static_cast<std::uint64_t>(value.count);
  std::string text = value.count < 0 ? "-" : "";
  text += DecimalText(static_cast<std::int64_t>(magnitude / 10000));
  const std::uint64_t fraction = magnitude % 10000;
  if (fraction != 0) {
    std::string digits = std::to_string(10000 + fraction).substr(1);
    digits.erase(digits.find_last_not_of('0') + 1);
    text += separator + digits;
  }
  return text;
}
