#include "link/TraceText.h"

#include <charconv>
#include <cstdlib>
#include <system_error>

std::string TraceFixedText(double value, int decimals)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string PowerText(float power)
{
    const double value = power;
    if (value <= -79.9)
        return "Low";
    if (value > 28.9)
        return "High";
    return TraceFixedText(value, 2);
}

double LeadingNumber(const std::string& text)
{
    size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return 0.0;
    if (text[start] == '+')
        ++start;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}
