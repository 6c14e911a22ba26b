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

// A number as its text shows it: the digits as the whole number `digits`
// (the value times 10^decimals) and the text's sign, which "%.Nf" of a small
// negative value keeps ("-0.00"). The outputs that keep numbers as numbers
// take it from the record's value rather than reading its text back.
struct ShownNumber
{
    uint64_t digits = 0; // below 2^53
    int decimals = 0;    // 0 to 3
    bool negative = false;
};
// "%.Nf" of value (decimals 2 or 3); nothing where ScaledFixed has none or
// the digits reach 2^53.
std::optional<ShownNumber> ShownNumberOf(double value, int decimals);
// scaled / 10^decimals as AppendScaledFixed prints it (or, with no
// decimals, std::to_string); magnitude below 2^53.
ShownNumber ScaledNumber(int64_t scaled, int decimals);
// The double that reading the number's text gives, to the last bit: the
// digits and 10^decimals are both exact doubles, and one division rounds the
// exact quotient as correctly as reading the text does.
double DoubleOf(const ShownNumber& number);
// How many characters its text has.
size_t TextLength(const ShownNumber& number);

// The float that "%.Nf" of value, parsed back to double and stored as float,
// gives. NaN comes back as a plain quiet NaN of the same sign.
float RoundThroughText(float value, int decimals);
