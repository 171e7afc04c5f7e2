// Integer input: one whole number read from standard input.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "support/run_time_error.h"

// Converts the whole of `text` as a signed 64-bit integer: an optional "+" or "-", then decimal
// digits within the signed 64-bit range, or a hexadecimal prefix ("$", "x", "X", "0x", "0X")
// and up to 16 significant hexadecimal digits, where a top bit set reads as negative. False when
// the text is anything else or holds no digit.
bool ConvertIntegerText(std::string_view text, std::int64_t* value);

struct IntegerAnswer {
  std::int64_t value = 0;
  bool end_of_input = false;  // nothing but blanks and line ends before the end
  std::string text;           // the number's text as read
  IoResult result;            // a read error, or invalid numeric format
};

// Skips every character with a code of 0 to 32, across lines. At the end of input the value is
// 0, which is no failure. Otherwise the number's text is the run of characters above 32 that
// follows, at most 32 of them; what ends the run stays unread.
IntegerAnswer ReadInteger();
