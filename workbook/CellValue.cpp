#include "workbook/CellValue.h"

#include "platform/DecimalText.h"

#include <optional>

namespace {
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The digits at text[at], advancing past them; how many.
int SkipDigits(std::string_view text, size_t& at)
{
    const size_t start = at;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return static_cast<int>(at - start);
}

std::string_view TrimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// As the C library prints a number: [-]digits[.digits][e(+|-)digits], then
// a unit of letters.
CellValue NumberOf(std::string_view text)
{
    CellValue value;
    size_t at = 0;
    if (at < text.size() && text[at] == '-')
        ++at;
    if (SkipDigits(text, at) == 0)
        return value;
    if (at < text.size() && text[at] == '.') {
        ++at;
        value.decimals = SkipDigits(text, at);
        if (value.decimals == 0)
            return value;
    }
    if (at + 1 < text.size() && text[at] == 'e' && (text[at + 1] == '+' || text[at + 1] == '-')) {
        at += 2;
        if (SkipDigits(text, at) == 0)
            return value;
        value.exponent = true;
    }
    const std::string_view unit = TrimSpaces(text.substr(at));
    for (const char c : unit)
        if (!IsLetter(c))
            return value;
    size_t length = 0;
    const std::optional<double> number = ReadDecimal(text.substr(0, at), length);
    if (!number)
        return value;
    value.type = CellValue::Type::Number;
    value.number = *number;
    value.unit = unit;
    return value;
}

// Exactly `width` decimal digits at text[at], advancing past them.
bool ReadField(std::string_view text, size_t& at, int width, int& field)
{
    if (at + static_cast<size_t>(width) > text.size())
        return false;
    field = 0;
    for (int i = 0; i < width; ++i, ++at) {
        if (!IsDigit(text[at]))
            return false;
        field = field * 10 + (text[at] - '0');
    }
    return true;
}

bool ReadSeparator(std::string_view text, size_t& at, char separator)
{
    if (at >= text.size() || text[at] != separator)
        return false;
    ++at;
    return true;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

// The spreadsheet counts days from 1900.
CellValue DateOf(std::string_view text)
{
    CellValue value;
    size_t at = 0;
    int year = 0, month = 0, day = 0;
    if (!ReadField(text, at, 4, year) || !ReadSeparator(text, at, '-') || !ReadField(text, at, 2, month) ||
        !ReadSeparator(text, at, '-') || !ReadField(text, at, 2, day) || at != text.size())
        return value;
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return value;
    value.type = CellValue::Type::Date;
    value.year = year;
    value.month = month;
    value.day = day;
    return value;
}

CellValue TimeOf(std::string_view text)
{
    CellValue value;
    size_t at = 0;
    int hour = 0, minute = 0, second = 0;
    if (!ReadField(text, at, 2, hour) || !ReadSeparator(text, at, ':') || !ReadField(text, at, 2, minute) ||
        !ReadSeparator(text, at, ':') || !ReadField(text, at, 2, second) || at != text.size())
        return value;
    if (hour > 23 || minute > 59 || second > 59)
        return value;
    value.type = CellValue::Type::Time;
    value.hour = hour;
    value.minute = minute;
    value.second = second;
    return value;
}
} // namespace

CellValue ValueOf(std::string_view text, CellKind kind)
{
    switch (kind) {
    case CellKind::Number:
        return NumberOf(text);
    case CellKind::Date:
        return DateOf(text);
    case CellKind::Time:
        return TimeOf(text);
    case CellKind::Text:
        break;
    }
    return CellValue();
}
