#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A figure of a limit (dB, dB/km) as the user typed it. It is kept as its
// text, so that a saved limit file holds what was typed, and read as an exact
// decimal in millionths, so that no binary rounding ever moves a limit: a
// fixed limit typed 1.015 is 1.015, and rounds to 1.02.

constexpr int64_t FigureMillionthsPerUnit = 1000000;
// The largest figure a limit takes; more is a typing slip, and keeps every
// product of a budget well inside 64 bits.
constexpr int64_t LargestFigureUnits = 1000;

struct LimitFigure
{
    int64_t millionths = 0;
    std::string typed = "0"; // a JSON number without sign

    bool operator==(const LimitFigure& other) const
    {
        return millionths == other.millionths && typed == other.typed;
    }
    bool operator!=(const LimitFigure& other) const { return !(*this == other); }
};

// Reads a decimal number as JSON writes one, without a sign ("1.015", "2",
// "25e-3"); nothing when the text is not one, or is beyond
// LargestFigureUnits, or has a digit beyond the sixth decimal that is not 0.
std::optional<LimitFigure> ReadLimitFigure(std::string_view text);
// For figures the program itself holds (presets, tests): the text must read.
LimitFigure Figure(std::string_view text);

// value / divisor rounded half away from zero (divisor > 0).
int64_t RoundedQuotient(int64_t value, int64_t divisor);
// The figure in whole hundredths, rounded half away from zero.
int64_t FigureHundredths(const LimitFigure& figure);
