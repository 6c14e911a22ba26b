#pragma once

#include <string>

// "%.2f" and "%.3f" of a double as the C library prints them, and the value
// that printing a float that way and parsing the text back gives. Every
// loss-test value and trace sample passes through this text, so it is the hot
// spot of decoding and exporting. The digits come from integer arithmetic on
// the exact binary value (ties to even, as the C library rounds), so they are
// exact, fast, and independent of the process's locale, which may use a
// decimal comma. Infinities and NaN read "inf", "-inf", "nan", "-nan".

// Appends the text of value with `decimals` (2 or 3) digits after the point.
void AppendFixed(std::string& out, double value, int decimals);
std::string FixedText(double value, int decimals);

// The float that "%.Nf" of value, parsed back to double and stored as float,
// gives. NaN comes back as a plain quiet NaN of the same sign.
float RoundThroughText(float value, int decimals);
