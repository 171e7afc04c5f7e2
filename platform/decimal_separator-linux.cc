#include "platform/decimal_separator.h"

#include <clocale>
#include <langinfo.h>
#include <string>

char LocaleDecimalSeparator() {
  const char* current = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = current != nullptr ? current : "C";
  char separator = '\0';
  // The user's locale as LC_ALL, LC_NUMERIC and LANG name it.
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    const char* radix = nl_langinfo(RADIXCHAR);
    if (radix != nullptr && radix[0] != '\0' && radix[1] == '\0') separator = radix[0];
  }
  // Nothing else in the process is to format numbers by the user's locale.
  std::setlocale(LC_NUMERIC, saved.c_str());
  return separator;
}
