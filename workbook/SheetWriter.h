#pragma once

#include "workbook/SheetTable.h"

#include <xlsxwriter.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// Writes tables as sheets of one workbook, row by row: a bold title row that
// stays in view and carries the filter, every value of its column's kind as
// a number, date or time with a display format that shows the table's text
// (text where it holds none), "Fail" filled red, a rule under each record's
// last row, and columns as wide as their texts. Text is always written as
// text, never read as a formula.
class SheetWriter
{
public:
    // `progress`, when given, is told the rows written of `rows` in all.
    explicit SheetWriter(lxw_workbook* book, std::function<bool(size_t done, size_t total)> progress = {},
                         size_t rows = 0)
        : m_Book(book), m_Progress(std::move(progress)), m_Rows(rows)
    {
    }

    // The library's first error, or LXW_NO_ERROR. A cancelled sheet stops
    // where it is.
    lxw_error Write(const SheetTable& table);
    bool Cancelled() const { return m_Cancelled; }

private:
    // What a cell's format is made of.
    struct Look
    {
        bool title = false;
        std::string numberFormat;     // empty: the library's general format
        bool rule = false;            // a rule under the cell
        bool fail = false;            // filled red
        std::optional<uint32_t> fill; // 0xRRGGBB, a table's own colour

        auto Key() const { return std::tie(title, numberFormat, rule, fail, fill); }
        bool operator<(const Look& other) const { return Key() < other.Key(); }
        bool operator==(const Look& other) const { return Key() == other.Key(); }
    };
    // What sets a data cell's format apart from its neighbours'; compared
    // cell by cell without building the format's text.
    struct CellLook
    {
        int type = 0; // CellValue::Type
        int decimals = 0;
        bool exponent = false;
        std::string unit; // shown in the cell
        bool rule = false;
        bool fail = false;
        std::optional<uint32_t> fill;
    };
    struct ColumnState;

    // The unit that every number of each open column carries in its text.
    static void FindUnits(const SheetTable& table, std::vector<SheetCell>& cells,
                          std::vector<ColumnState*>& open);
    lxw_format* FormatOf(const Look& look);
    // `rule`: the row's rule under the cell.
    lxw_error WriteCell(lxw_worksheet* sheet, size_t row, size_t column, const SheetCell& cell, bool rule,
                        ColumnState& state);

    lxw_workbook* m_Book;
    std::map<Look, lxw_format*> m_Formats; // the workbook owns them
    std::function<bool(size_t done, size_t total)> m_Progress;
    size_t m_Rows;
    size_t m_RowsDone = 0;
    bool m_Cancelled = false;
};
