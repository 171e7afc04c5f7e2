#include "platform/decimal_separator.h"

#include <windows.h>

char LocaleDecimalSeparator() {
  // Room for one character and the terminating zero: a longer separator does not fit, and the
  // call gives nothing.
  char separator[2] = {};
  if (GetLocaleInfoA(GetThreadLocale(), LOCALE_SDECIMAL, separator, sizeof separator) == 0) return '\0';
  return separator[0];
}
