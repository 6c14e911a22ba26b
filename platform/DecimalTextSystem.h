#pragma once

// The C library's strtod under the C locale, on a number that ReadDecimal
// has already bounded: DecimalTextPosix.cpp and DecimalTextWindows.cpp.
double SystemReadDecimal(const char* number);
