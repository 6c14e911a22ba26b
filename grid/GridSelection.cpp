#include "grid/GridCtrl.h"

void CGridCtrl::SetFocusCell(int row, int col)
{
    const CCellId next = IsValid(row, col) ? CCellId{row, col} : CCellId{};
    if (next == m_FocusCell)
        return;
    const CCellId previous = m_FocusCell;
    if (previous.IsValid()) {
        Cell(previous.row, previous.col).m_State &= ~CellState::Focused;
        RedrawCell(previous.row, previous.col);
    }
    m_FocusCell = next;
    if (next.IsValid()) {
        Cell(next.row, next.col).m_State |= CellState::Focused;
        RedrawCell(next.row, next.col);
    }
    // The headers of the focus row and column are drawn sunken and bold.
    if (m_AllowDraw) {
        viewport()->update(QRect(0, 0, viewport()->width(), GetFixedRowHeight()));
        viewport()->update(QRect(0, 0, GetFixedColumnWidth(), viewport()->height()));
    }
}

void CGridCtrl::SetSelectedRange(const CCellRange& range, bool keepPrevious)
{
    if (!m_SelectionEnabled)
        return;
    if (keepPrevious)
        m_Selection = m_PrevSelection;
    else
        m_Selection.clear();
    if (range.IsValid() && IsValid(range.maxRow, range.maxCol))
        m_Selection.push_back(range);
    Redraw();
}

void CGridCtrl::ClearSelection()
{
    if (!m_Selection.empty()) {
        m_Selection.clear();
        Redraw();
    }
}

bool CGridCtrl::IsCellSelected(int row, int col) const
{
    for (const CCellRange& range : m_Selection)
        if (range.Contains(row, col))
            return true;
    return false;
}

bool CGridCtrl::IsSelectionEmpty() const
{
    return m_Selection.empty();
}

void CGridCtrl::SelectAllCells()
{
    if (m_RowCount > m_FixedRowCount && m_ColumnCount > m_FixedColumnCount)
        SetSelectedRange(
            {m_FixedRowCount, m_CopyTitles ? 0 : m_FixedColumnCount, m_RowCount - 1, m_ColumnCount - 1});
}

void CGridCtrl::SelectRows(CCellId current)
{
    SetSelectedRange({std::min(m_SelectionStartCell.row, current.row), m_FixedColumnCount,
                      std::max(m_SelectionStartCell.row, current.row), m_ColumnCount - 1},
                     true);
}

void CGridCtrl::SelectColumns(CCellId current)
{
    SetSelectedRange({m_FixedRowCount, std::min(m_SelectionStartCell.col, current.col), m_RowCount - 1,
                      std::max(m_SelectionStartCell.col, current.col)},
                     true);
}

void CGridCtrl::ExtendSelectionTo(CCellId current)
{
    if (!current.IsValid() || !m_SelectionStartCell.IsValid())
        return;
    switch (m_MouseMode) {
    case MouseMode::SelectAll:
        SelectAllCells();
        break;
    case MouseMode::SelectColumns:
        SelectColumns(current);
        break;
    case MouseMode::SelectRows:
        SelectRows(current);
        break;
    default:
        SetSelectedRange(CCellRange::Spanning(m_SelectionStartCell, current), true);
        break;
    }
}
