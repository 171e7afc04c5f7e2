// The decimal separator of the user's locale.
#pragma once

// The locale's decimal character, or '\0' when the locale gives none or one that is not a
// single byte.
char LocaleDecimalSeparator();
