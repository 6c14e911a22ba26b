#include "data/FieldValueText.h"

#include "data/FixedDecimal.h"

#include <cstdio>

namespace {
// "%.*e" with a decimal point whatever the process's locale says.
std::string ExponentText(double value, int decimals)
{
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.*e", decimals, value);
    std::string text;
    bool separatorSeen = false;
    for (const char* p = printed; *p != '\0'; ++p) {
        const char c = *p;
        if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e') {
            text += c;
        } else if (!separatorSeen) {
            text += '.';
            separatorSeen = true;
        }
    }
    return text;
}
} // namespace

std::string FieldValueText(float value, const char* unit, size_t fieldSize)
{
    const size_t room = fieldSize - 1;
    std::string text = FixedText(value, 2) + unit;
    for (int decimals = 2; text.size() > room && decimals >= 0; --decimals)
        text = ExponentText(value, decimals) + unit;
    // No unit of the program's is long enough to get here.
    return text.substr(0, room);
}
