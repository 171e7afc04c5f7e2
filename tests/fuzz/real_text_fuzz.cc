// The general real text against a reference made another way: the C library's exact conversion
// to 18 significant digits, then the raise of the 15th digit by hand. The text is read back into
// digits and exponent and must say the same, in the form its exponent calls for.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

#include "support/real_text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

struct Digits {
  std::string digits;  // no trailing zeros
  int exponent;        // the value is 0.digits x 10^exponent
};

Digits Reference(long double magnitude) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17Le", magnitude);  // d.ddddddddddddddddde+X: 18 digits
  std::string digits = std::string(1, text[0]) + std::string(text + 2, 17);
  int exponent = std::atoi(std::strchr(text, 'e') + 1) + 1;
  const bool raise = digits[15] >= '5';
  digits.resize(15);
  if (raise) {
    int i = 14;
    for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
    if (i < 0) {
      digits = "1";
      ++exponent;
    } else {
      ++digits[i];
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);
  return {digits, exponent};
}

Digits ReadBack(const std::string& text) {
  static const std::regex exponent_form("([1-9])(?:\\.([0-9]*[1-9]))?E(-?[1-9][0-9]*|0)");
  static const std::regex small_form("0\\.(0*)([1-9][0-9]*)");
  static const std::regex plain_form("([1-9][0-9]*)(?:\\.([0-9]*[1-9]))?");
  std::smatch parts;
  if (std::regex_match(text, parts, exponent_form)) {
    const int exponent = std::stoi(parts[3]) + 1;
    Check(exponent < -2 || exponent > 15);  // the fixed forms cover the others
    return {parts[1].str() + parts[2].str(), exponent};
  }
  if (std::regex_match(text, parts, small_form)) {
    const int exponent = -static_cast<int>(parts[1].length());
    Check(exponent >= -3);
    std::string digits = parts[2];
    Check(digits.back() != '0');
    return {digits, exponent};
  }
  Check(std::regex_match(text, parts, plain_form));
  const int exponent = static_cast<int>(parts[1].length());
  Check(exponent <= 15);
  std::string digits = parts[1].str() + parts[2].str();
  digits.erase(digits.find_last_not_of('0') + 1);
  return {digits, exponent};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 10) return 0;
  // An 80-bit real from the bytes, with its integer bit as a valid encoding has it.
  std::uint64_t mantissa = 0;
  std::uint16_t sign_exponent = 0;
  std::memcpy(&mantissa, data, 8);
  std::memcpy(&sign_exponent, data + 8, 2);
  if ((sign_exponent & 0x7FFF) == 0x7FFF) return 0;  // infinities and NaNs have their own texts
  mantissa = (sign_exponent & 0x7FFF) == 0 ? mantissa & ~(std::uint64_t{1} << 63) : mantissa | (std::uint64_t{1} << 63);
  long double value = 0;
  std::memcpy(&value, &mantissa, 8);
  std::memcpy(reinterpret_cast<char*>(&value) + 8, &sign_exponent, 2);

  const std::string text = RealText(value, '.');
  if (value == 0) {
    Check(text == "0");
    return 0;
  }
  const bool negative = std::signbit(value);
  Check((text[0] == '-') == negative);
  const Digits read = ReadBack(negative ? text.substr(1) : text);
  const Digits expected = Reference(std::fabs(value));
  Check(read.digits == expected.digits && read.exponent == expected.exponent);
  Check(RealText(value, ',') == std::regex_replace(text, std::regex("\\."), ","));
  return 0;
}
