#include "grid/GridCtrl.h"

#include <cstdlib>

namespace {
bool BlockIsFree(const CGridCtrl& grid, int row, int col, int extraRows, int extraCols)
{
    for (int r = row; r <= row + extraRows; ++r) {
        for (int c = col; c <= col + extraCols; ++c)
            if (grid.GetCell(r, c)->IsMerged())
                return false;
    }
    return true;
}
} // namespace

bool CGridCtrl::MergeCells(int row, int col, int extraRows, int extraCols, int mergeAttr)
{
    extraRows = std::abs(extraRows);
    extraCols = std::abs(extraCols);
    if (!IsValid(row, col) || !IsValid(row + extraRows, col + extraCols) || IsCellFixed(row, col) ||
        !BlockIsFree(*this, row, col, extraRows, extraCols))
        return false;
    CGridCell& first = Cell(row, col);
    if (extraRows > 0) {
        first.m_MergeFlags |= MergeFlag::ContinuesDown;
        first.m_MergeRow = extraRows;
    }
    if (extraCols > 0) {
        first.m_MergeFlags |= MergeFlag::ContinuesRight;
        first.m_MergeCol = extraCols;
    }
    first.m_MergeAttr = mergeAttr;
    for (int r = row; r <= row + extraRows; ++r) {
        for (int c = col; c <= col + extraCols; ++c) {
            if (r == row && c == col)
                continue;
            CGridCell& cell = Cell(r, c);
            cell.m_MergeFlags = MergeFlag::Covered;
            if (c < col + extraCols)
                cell.m_MergeFlags |= MergeFlag::ContinuesRight;
            if (r < row + extraRows)
                cell.m_MergeFlags |= MergeFlag::ContinuesDown;
            cell.m_MergeRow = row;
            cell.m_MergeCol = col;
            cell.m_MergeAttr = mergeAttr;
        }
    }
    RedrawCell(row, col);
    return true;
}

bool CGridCtrl::MergeFixedCells(int row, int col, int extraRows, int extraCols)
{
    extraRows = std::abs(extraRows);
    extraCols = std::abs(extraCols);
    if (!IsValid(row, col) || !IsValid(row + extraRows, col + extraCols) ||
        !IsCellFixed(row + extraRows, col + extraCols) || !BlockIsFree(*this, row, col, extraRows, extraCols))
        return false;
    CGridCell& first = Cell(row, col);
    first.m_MergeRow = extraRows;
    first.m_MergeCol = extraCols;
    for (int r = row; r <= row + extraRows; ++r) {
        for (int c = col; c <= col + extraCols; ++c) {
            if (r != row || c != col) {
                CGridCell& cell = Cell(r, c);
                cell.m_MergeFlags = MergeFlag::Covered;
                cell.m_MergeRow = row;
                cell.m_MergeCol = col;
            }
        }
    }
    RedrawCell(row, col);
    return true;
}

bool CGridCtrl::SplitCell(int row, int col)
{
    if (!IsValid(row, col) || !Cell(row, col).IsMerged())
        return false;
    const CCellRange block = GetMergedRange(row, col);
    RedrawCell(row, col);
    for (int r = block.minRow; r <= block.maxRow; ++r)
        for (int c = block.minCol; c <= block.maxCol; ++c)
            Cell(r, c).ClearMerge();
    return true;
}

CCellRange CGridCtrl::GetMergedRange(int row, int col) const
{
    if (!IsValid(row, col))
        return {};
    const CGridCell& cell = Cell(row, col);
    if (cell.IsCovered()) {
        row = cell.m_MergeRow;
        col = cell.m_MergeCol;
    }
    const CGridCell& first = Cell(row, col);
    return {row, col, row + first.ExtraRows(), col + first.ExtraColumns()};
}
