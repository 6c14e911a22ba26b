#pragma once

#include <cstddef>
#include <string>

// A measured value with its unit as an OPM or ORL record holds it: "%.2f"
// followed by the unit, e.g. -12.35dBm. A text too long for the record's
// field (fieldSize bytes with the terminator; only a value far outside any
// optical level gives one) is written in exponent form with two, one or no
// decimals, whichever first fits, and keeps its unit: 1.00e+30dBm. The list,
// the CSV export and the document all show this one text, and it still tells
// the value's size and sign, where cutting the digits would show a wrong
// number without its unit.
std::string FieldValueText(float value, const char* unit, size_t fieldSize);
