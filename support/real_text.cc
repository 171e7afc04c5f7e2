#include "support/real_text.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "support/decimal_text.h"

namespace {

constexpr std::uint32_t kLimbBase = 1000000000;

// A whole number in base 10^9, lowest limb first.
using Limbs = std::vector<std::uint32_t>;

void Multiply(Limbs& limbs, std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : limbs) {
    const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
    limb = static_cast<std::uint32_t>(product % kLimbBase);
    carry = product / kLimbBase;
  }
  for (; carry != 0; carry /= kLimbBase) limbs.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
}

std::string DigitsOf(const Limbs& limbs) {
  std::string digits = std::to_string(limbs.back());
  for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
    const std::string part = std::to_string(*limb);
    digits.append(9 - part.size(), '0').append(part);
  }
  return digits;
}

// The magnitude as 0.digits x 10^exponent.
struct Decimal {
  std::string digits;
  int exponent;
};

// Every finite real is a whole number times a power of two, so its decimal expansion is finite:
// m x 2^k for k >= 0, and m x 5^-k / 10^-k below. Computing it exactly makes every rounding
// below a rounding of the true value.
Decimal ExactDecimal(long double magnitude) {
  int binary_exponent = 0;
  const long double fraction = std::frexp(magnitude, &binary_exponent);
  std::uint64_t mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
  int shift = binary_exponent - 64;

  Limbs limbs;
  for (; mantissa != 0; mantissa /= kLimbBase) limbs.push_back(static_cast<std::uint32_t>(mantissa % kLimbBase));
  for (int twos = shift; twos > 0; twos -= 31) Multiply(limbs, std::uint32_t{1} << (twos < 31 ? twos : 31));
  constexpr std::uint32_t kPowersOfFive[] = {1,       5,        25,        125,       625,
                                             3125,    15625,    78125,     390625,    1953125,
                                             9765625, 48828125, 244140625, 1220703125};
  for (int fives = -shift; fives > 0; fives -= 13) Multiply(limbs, kPowersOfFive[fives < 13 ? fives : 13]);

  Decimal decimal{DigitsOf(limbs), 0};
  decimal.exponent = static_cast<int>(decimal.digits.size()) + (shift < 0 ? shift : 0);
  return decimal;
}

// Raises the last digit by one. A carry out of the first digit leaves the single digit 1.
void RaiseLastDigit(Decimal& decimal) {
  std::string& digits = decimal.digits;
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits = "1";
  ++decimal.exponent;
}

// The first rounding: to 18 significant digits, to nearest, halfway cases to the even neighbour.
void RoundTo18Digits(Decimal& decimal) {
  std::string& digits = decimal.digits;
  if (digits.size() <= 18) return;
  const char first_dropped = digits[18];
  const bool beyond_half = digits.find_first_not_of('0', 19) != std::string::npos;
  const bool odd = (digits[17] - '0') % 2 == 1;
  digits.resize(18);
  if (first_dropped > '5' || (first_dropped == '5' && (beyond_half || odd))) RaiseLastDigit(decimal);
}

// The second rounding: to 15 digits, the 16th digit deciding alone.
void RoundTo15Digits(Decimal& decimal) {
  std::string& digits = decimal.digits;
  if (digits.size() <= 15) return;
  const char sixteenth = digits[15];
  digits.resize(15);
  if (sixteenth >= '5') RaiseLastDigit(decimal);
}

std::string Layout(const Decimal& decimal, char separator) {
  const std::string& digits = decimal.digits;
  const int count = static_cast<int>(digits.size());
  const int exponent = decimal.exponent;
  std::string text;
  if (exponent >= 1 && exponent <= 15) {
    if (count <= exponent) {
      text = digits + std::string(static_cast<std::size_t>(exponent - count), '0');
    } else {
      text = digits.substr(0, exponent) + separator + digits.substr(exponent);
    }
  } else if (exponent >= -3 && exponent <= 0) {
    text = std::string("0") + separator + std::string(static_cast<std::size_t>(-exponent), '0') + digits;
  } else {
    text = digits.substr(0, 1);
    if (count > 1) text += separator + digits.substr(1);
    text += "E" + DecimalText(exponent - 1);
  }
  return text;
}

}  // namespace

std::string RealText(long double value, char separator) {
  // Only quiet tests before the NaN is known, or an unmasked invalid-operation trap would fire.
  if (std::isnan(value)) return "NAN";
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isinf(value)) return sign + "INF";
  if (value == 0) return "0";

  Decimal decimal = ExactDecimal(std::fabs(value));
  RoundTo18Digits(decimal);
  RoundTo15Digits(decimal);
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  return sign + Layout(decimal, separator);
}
