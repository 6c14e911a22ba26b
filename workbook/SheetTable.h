#pragma once

#include "data/CellKind.h"
#include "data/FixedDecimal.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A table as a workbook sheet shows it: its columns, and each row's cells as
// the program's table and its CSV export show them.
struct SheetColumn
{
    std::string name;
    // The title's second line ("(dB)"). Empty where there is none, and for
    // numbers that carry their unit in the text ("-9.58dBm"): the title then
    // gets the unit that they all carry.
    std::string unit;
    CellKind cell;
};

// A cell of a row: a number as the table shows it, taken from the record's
// value, or a text (UTF-8), which the sheet takes as its column's kind where
// it reads as one exactly ("-9.58dBm" from an OPM record, a date); and its
// background where the table colours it.
struct SheetCell
{
    std::optional<ShownNumber> number;
    std::string text;             // where there is no number
    std::optional<uint32_t> fill; // 0xRRGGBB

    // Each clears the background.
    void Show(const ShownNumber& shown)
    {
        number = shown;
        text.clear();
        fill.reset();
    }
    void Show(std::string_view shown)
    {
        number.reset();
        text.assign(shown);
        fill.reset();
    }
};

inline SheetCell TextCell(std::string text)
{
    return SheetCell{std::nullopt, std::move(text), std::nullopt};
}

inline SheetCell NumberCell(const ShownNumber& number)
{
    return SheetCell{number, std::string(), std::nullopt};
}

// A count, a size or a wavelength.
inline SheetCell WholeNumberCell(int64_t value)
{
    return NumberCell(ScaledNumber(value, 0));
}

struct SheetTable
{
    std::string name; // the sheet's
    std::vector<SheetColumn> columns;
    size_t rowCount = 0;
    // Sets cells[c] (as many as columns) to the cell of `row` in column c;
    // true when the row is the last of a record that spans several rows,
    // which a rule under it closes.
    std::function<bool(size_t row, std::vector<SheetCell>& cells)> fillRow;
};
