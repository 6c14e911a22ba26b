#pragma once

#include "data/CellKind.h"

#include <string_view>

// A table's cell text as a spreadsheet takes it: a number with the digits and
// unit it was written with, a calendar date, a time of day, or text. Whatever
// does not read as its column's kind exactly (a date of digits that are not
// decimal, an infinite value, "N/A") stays text, as the table shows it.
struct CellValue
{
    enum class Type
    {
        Text,
        Number,
        Date,
        Time,
    };
    Type type = Type::Text;
    double number = 0;
    int decimals = 0;      // digits written after the point
    bool exponent = false; // written as 1.00e+30
    std::string_view unit; // what follows the number ("dBm"), spaces trimmed; empty when none
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

// `text` must outlive the value's unit.
CellValue ValueOf(std::string_view text, CellKind kind);
