#pragma once

#include <QString>

#include <array>

// The titles and starting widths of the loss-test table's 17 columns, in the
// order of KavColumn, and of the two it may add. A title is its name, or its name and unit on two lines.
// The grid's demonstration shows the same columns.
struct LossTableColumn
{
    const char* name;
    const char* unit; // null when the title has one line
    int width;        // pixels, before the columns are fitted to the window
};

constexpr int LossTableColumnCount = 17;

inline constexpr std::array<LossTableColumn, LossTableColumnCount> LossTableColumns{{
    {"Cable", nullptr, 111},
    {"Fiber", nullptr, 111},
    {"Wavelength", "(nm)", 85},
    {"Loss AB", "(dB)", 66},
    {"Loss BA", "(dB)", 66},
    {"AVG L", "(dB)", 55},
    {"REF AB", "(dBm)", 66},
    {"REF BA", "(dBm)", 66},
    {"Threshold", "(dB)", 78},
    {"PWR B", "(dBm)", 60},
    {"PWR A", "(dBm)", 60},
    {"Pass", "/Fail", 51},
    {"Length", "(km)", 60},
    {"ORL AB", "(dB)", 72},
    {"ORL BA", "(dB)", 72},
    {"Date", nullptr, 82},
    {"Time", nullptr, 70},
}};

// The Limit and Margin columns that the user may add after the 17, in the
// order of VerdictColumn.
constexpr int LimitColumnCount = 2;
inline constexpr std::array<LossTableColumn, LimitColumnCount> LimitColumns{{
    {"Limit", "(dB)", 60},
    {"Margin", "(dB)", 60},
}};
constexpr int MostTableColumns = LossTableColumnCount + LimitColumnCount;

inline QString LossTableTitle(const LossTableColumn& column)
{
    QString title = QString::fromLatin1(column.name);
    if (column.unit)
        title += QLatin1Char('\n') + QString::fromLatin1(column.unit);
    return title;
}
