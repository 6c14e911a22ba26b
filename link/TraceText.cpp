#include "link/TraceText.h"

#include "link/Reading.h"

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
    const ReadingState state = StateOfPower(power);
    return state == ReadingState::Ok ? TraceFixedText(power, 2) : ReadingStateName(state);
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
