#pragma once

#include <algorithm>

struct CCellId
{
    int row = -1;
    int col = -1;

    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CCellId& other) const { return row == other.row && col == other.col; }
    bool operator!=(const CCellId& other) const { return !(*this == other); }
};

// An inclusive rectangle of cells.
struct CCellRange
{
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    static CCellRange Spanning(CCellId a, CCellId b)
    {
        return {std::min(a.row, b.row), std::min(a.col, b.col), std::max(a.row, b.row),
                std::max(a.col, b.col)};
    }
    bool IsValid() const { return minRow >= 0 && minCol >= 0 && minRow <= maxRow && minCol <= maxCol; }
    bool Contains(int row, int col) const
    {
        return row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    bool operator==(const CCellRange& o) const
    {
        return minRow == o.minRow && minCol == o.minCol && maxRow == o.maxRow && maxCol == o.maxCol;
    }
};
