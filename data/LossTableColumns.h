#pragma once

#include "data/CellKind.h"

#include <array>

// The titles and starting widths of the loss-test table's 17 columns, in the
// order of KavColumn, and of the two it may add, for the grid and the
// workbook. A title is its name, or
// its name and unit on two lines.
struct LossTableColumn
{
    const char* name;
    const char* unit; // null when the title has one line
    int width;        // pixels, before the columns are fitted to the window
    CellKind cell;
};

constexpr int LossTableColumnCount = 17;

inline constexpr std::array<LossTableColumn, LossTableColumnCount> LossTableColumns{{
    {"Cable", nullptr, 111, CellKind::Text},
    {"Fiber", nullptr, 111, CellKind::Text},
    {"Wavelength", "(nm)", 85, CellKind::Number},
    {"Loss AB", "(dB)", 66, CellKind::Number},
    {"Loss BA", "(dB)", 66, CellKind::Number},
    {"AVG L", "(dB)", 55, CellKind::Number},
    {"REF AB", "(dBm)", 66, CellKind::Number},
    {"REF BA", "(dBm)", 66, CellKind::Number},
    {"Threshold", "(dB)", 78, CellKind::Number},
    {"PWR B", "(dBm)", 60, CellKind::Number},
    {"PWR A", "(dBm)", 60, CellKind::Number},
    {"Pass", "/Fail", 51, CellKind::Text},
    {"Length", "(km)", 60, CellKind::Number},
    {"ORL AB", "(dB)", 72, CellKind::Number},
    {"ORL BA", "(dB)", 72, CellKind::Number},
    {"Date", nullptr, 82, CellKind::Date},
    {"Time", nullptr, 70, CellKind::Time},
}};

// The Limit, Margin and Result columns that the user may add after the 17,
// in the order of LimitColumn.
constexpr int LimitColumnCount = 3;
inline constexpr std::array<LossTableColumn, LimitColumnCount> LimitColumns{{
    {"Limit", "(dB)", 60, CellKind::Number},
    {"Margin", "(dB)", 60, CellKind::Number},
    {"Result", nullptr, 80, CellKind::Text},
}};
// The Pass/Fail column's title under a limit other than the instrument's,
// whose own threshold the column keeps showing.
constexpr LossTableColumn InstrumentVerdictColumn{"Instrument", "P/F", 51, CellKind::Text};
constexpr int MostTableColumns = LossTableColumnCount + LimitColumnCount;
