#include "support/decimal_separator.h"

#include "platform/decimal_separator.h"

namespace {
char separator = '.';
}

void ReadDecimalSeparator() {
  const char locale_separator = LocaleDecimalSeparator();
  separator = locale_separator != '\0' ? locale_separator : '.';
}

char DecimalSeparator() { return separator; }
