#include "link/TraceText.h"

#include "link/Reading.h"
#include "platform/DecimalText.h"

#include <charconv>
#include <string_view>

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
    size_t length = 0;
    return ReadDecimal(std::string_view(text).substr(start), length).value_or(0.0);
}
