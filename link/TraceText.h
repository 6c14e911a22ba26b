#pragma once

#include <string>

// Number texts of the live trace, always with a '.' whatever the user's
// locale, since they go into the log file as well as on screen.
std::string TraceFixedText(double value, int decimals); // as "%.*f"

// The power as shown and logged: "Low" at or below -79.9 dBm (or when it is
// no number), "High" above 28.9 dBm, else "%.2f". The single-precision value
// is compared against the double limits, so a float of -79.9 (slightly
// below) reads "Low".
std::string PowerText(float power);

// The leading number of a text after blanks and a plus sign, 0 when it
// starts with none or with one beyond a double.
double LeadingNumber(const std::string& text);
