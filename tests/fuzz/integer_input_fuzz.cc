// The integer text conversion against a slow reference written another way: the text's form
// checked by regular expressions, its value accumulated in 128 bits. The text is copied into a
// buffer of exactly its size, so a read past its end is caught.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <regex>
#include <string>

#include "support/integer_input.h"

namespace {

bool Reference(const std::string& text, std::int64_t* value) {
  static const std::regex decimal("[+-]?([0-9]+)");
  static const std::regex hexadecimal("[+-]?(?:\\$|[xX]|0[xX])([0-9A-Fa-f]+)");
  std::smatch digits;
  const bool negative = !text.empty() && text[0] == '-';
  if (std::regex_match(text, digits, decimal)) {
    unsigned __int128 magnitude = 0;
    for (const char c : digits[1].str()) {
      magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
      if (magnitude > (static_cast<unsigned __int128>(1) << 64)) return false;
    }
    const unsigned __int128 limit = negative ? (static_cast<unsigned __int128>(1) << 63) : (static_cast<unsigned __int128>(1) << 63) - 1;
    if (magnitude > limit) return false;
    *value = negative ? static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(magnitude)) : static_cast<std::int64_t>(magnitude);
    return true;
  }
  if (std::regex_match(text, digits, hexadecimal)) {
    std::string significant = digits[1].str();
    significant.erase(0, significant.find_first_not_of('0'));
    if (significant.size() > 16) return false;
    const std::uint64_t magnitude = significant.empty() ? 0 : std::stoull(significant, nullptr, 16);
    *value = static_cast<std::int64_t>(negative ? 0 - magnitude : magnitude);
    return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::unique_ptr<char[]> exact(new char[size == 0 ? 1 : size]);
  if (size != 0) std::memcpy(exact.get(), data, size);
  std::int64_t value = 0;
  const bool converted = ConvertIntegerText(std::string_view(exact.get(), size), &value);

  std::int64_t expected = 0;
  const bool valid = Reference(std::string(reinterpret_cast<const char*>(data), size), &expected);
  if (converted != valid || (valid && value != expected)) std::abort();
  return 0;
}
