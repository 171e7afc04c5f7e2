// The Fixed4 text read back as a decimal must give the count exactly, in its one allowed form.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

#include "support/fixed4.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 8) return 0;
  std::int64_t count = 0;
  std::memcpy(&count, data, 8);
  const std::string text = Fixed4Text(Fixed4{count}, '.');
  static const std::regex form("(-?)(0|[1-9][0-9]*)(?:\\.([0-9]{0,3}[1-9]))?");
  std::smatch parts;
  Check(std::regex_match(text, parts, form));
  Check(text != "-0");
  std::string fraction = parts[3].str();
  fraction.append(4 - fraction.size(), '0');
  const __int128 magnitude = static_cast<__int128>(std::stoull(parts[2])) * 10000 + std::stoi(fraction);
  Check((parts[1].length() ? -magnitude : magnitude) == count);
  Check(Fixed4Text(Fixed4{count}, ',') == std::regex_replace(text, std::regex("\\."), ","));
  return 0;
}
