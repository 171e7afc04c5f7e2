#include "sweep/table_text.h"

#include "support/decimal_text.h"

std::string TableHeader(int test_count) {
  std::string header = "Delay :\t";
  for (int column = 1; column <= test_count; ++column) header += "Test " + DecimalText(column) + ":\t";
  return header + "Average:";
}

std::string MillisecondLabel(std::int64_t delay) { return DecimalText(delay) + "ms"; }

std::string MicrosecondLabel(std::int64_t delay) {
  const std::int64_t exponent = static_cast<std::int64_t>(DecimalText(delay).size()) - 1;
  return "10^" + DecimalText(exponent) + "mks";
}
