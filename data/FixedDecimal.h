#pragma once

#include <cstdint>
#include <optional>
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

// The digits that AppendFixed prints, as the whole number value * 10^decimals
// (decimals 2 or 3); nothing when the value is not finite or its magnitude
// is 2^50 or more. Sums and differences of these are exact.
std::optional<int64_t> ScaledFixed(double value, int decimals);
// The text of scaled / 10^decimals, as AppendFixed prints that value (but
// zero never with a minus sign).
void AppendScaledFixed(std::string& out, int64_t scaled, int decimals);

// The float that "%.Nf" of value, parsed back to double and stored as float,
// gives. NaN comes back as a plain quiet NaN of the same sign.
float RoundThroughText(float value, int decimals);
