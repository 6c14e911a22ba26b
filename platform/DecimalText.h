#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Numbers read from text as the C locale writes them, whatever the process's
// locale (the Qt program sets one from the user's language, which may write
// a decimal comma). The nearest double, as the C library rounds, so a value
// written with enough digits reads back exactly. One reader for every
// standard library: libc++ has no floating-point std::from_chars.

// The decimal number at the start of text: [-]digits[.digits] (or
// [-].digits) and an exponent (e or E, a sign, digits) when one follows in
// full. `length` is how many characters it took, 0 when the text starts with
// none. Nothing when there is no number, or when it lies beyond a double:
// it would round to infinity, or digits other than zero would round to zero.
std::optional<double> ReadDecimal(std::string_view text, size_t& length);
