// The decimal separator of every number text, taken once from the user's locale at start-up.
#pragma once

// Reads the locale's separator; a full stop when the locale gives none.
void ReadDecimalSeparator();

char DecimalSeparator();
