#include "support/integer_input.h"

#include "support/console_input.h"

namespace {

constexpr std::size_t kLongestText = 32;

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool ConvertIntegerText(std::string_view text, std::int64_t* value) {
  std::size_t at = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++at;

  bool hexadecimal = false;
  if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
    hexadecimal = true;
    at += 1;
  } else if (at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
    hexadecimal = true;
    at += 2;
  }
  if (at == text.size()) return false;

  std::uint64_t magnitude = 0;
  if (hexadecimal) {
    int significant_digits = 0;
    for (; at < text.size(); ++at) {
      const int digit = HexDigitValue(text[at]);
      if (digit < 0) return false;
      if (magnitude != 0 || digit != 0) ++significant_digits;
      if (significant_digits > 16) return false;
      magnitude = magnitude * 16 + static_cast<std::uint64_t>(digit);
    }
  } else {
    const std::uint64_t largest = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    for (; at < text.size(); ++at) {
      if (text[at] < '0' || text[at] > '9') return false;
      const std::uint64_t digit = static_cast<std::uint64_t>(text[at] - '0');
      if (magnitude > (largest - digit) / 10) return false;
      magnitude = magnitude * 10 + digit;
    }
  }
  *value = static_cast<std::int64_t>(negative ? 0 - magnitude : magnitude);
  return true;
}

IntegerAnswer ReadInteger() {
  IntegerAnswer answer;
  int c;
  while ((c = PeekInputChar(&answer.result)) >= 0 && c <= ' ') SkipInputChar();
  if (c < 0) {
    answer.end_of_input = !answer.result.Failed();
    return answer;
  }
  while (answer.text.size() < kLongestText && (c = PeekInputChar(&answer.result)) > ' ') {
    answer.text += static_cast<char>(c);
    SkipInputChar();
  }
  if (answer.result.Failed()) return answer;
  if (!ConvertIntegerText(answer.text, &answer.value)) {
    answer.result = RunTimeResult(RunTimeCode::kInvalidNumericFormat);
  }
  return answer;
}
