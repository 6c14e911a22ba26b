#include "platform/DecimalText.h"

#include "platform/DecimalTextSystem.h"

#include <cmath>
#include <string>

namespace {
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits at text[at], advancing past them; whether any was not zero.
bool SkipDigits(std::string_view text, size_t& at, size_t& count)
{
    bool nonZero = false;
    const size_t start = at;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        nonZero = nonZero || text[at] != '0';
    count = at - start;
    return nonZero;
}
} // namespace

std::optional<double> ReadDecimal(std::string_view text, size_t& length)
{
    length = 0;
    size_t at = 0;
    if (at < text.size() && text[at] == '-')
        ++at;
    size_t whole = 0;
    size_t fraction = 0;
    bool nonZero = SkipDigits(text, at, whole);
    if (at < text.size() && text[at] == '.') {
        const size_t point = at++;
        nonZero = SkipDigits(text, at, fraction) || nonZero;
        if (fraction == 0)
            at = point + (whole == 0 ? 0 : 1);
    }
    if (whole == 0 && fraction == 0)
        return std::nullopt;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        size_t digits = 0;
        SkipDigits(text, exponent, digits);
        if (digits != 0)
            at = exponent;
    }
    length = at;
    // The C library reads only text that ends in a zero byte.
    const double value = SystemReadDecimal(std::string(text.substr(0, at)).c_str());
    if (std::isinf(value) || (value == 0 && nonZero))
        return std::nullopt;
    return value;
}
