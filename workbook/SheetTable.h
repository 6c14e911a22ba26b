#pragma once

#include "data/CellKind.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A table as a workbook sheet shows it: its columns, and each row's texts as
// the program's table and its CSV export write them.
struct SheetColumn
{
    std::string name;
    // The title's second line ("(dB)"). Empty where there is none, and for
    // numbers that carry their unit in the text ("-9.58dBm"): the title then
    // gets the unit that they all carry.
    std::string unit;
    CellKind cell;
};

struct SheetTable
{
    std::string name; // the sheet's
    std::vector<SheetColumn> columns;
    size_t rowCount = 0;
    // Sets cells[c] (as many as columns) to the UTF-8 text of `row` in
    // column c; true when the row is the last of a record that spans several
    // rows, which a rule under it closes.
    std::function<bool(size_t row, std::vector<std::string>& cells)> fillRow;
    // Where set, the background (0xRRGGBB) of the cell of `row` in
    // `column`, or none.
    std::function<std::optional<uint32_t>(size_t row, size_t column)> cellFill;
};
