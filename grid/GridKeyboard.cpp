#include "grid/GridCtrl.h"

#include "grid/TitleTip.h"

#include <QKeyEvent>

void CGridCtrl::keyPressEvent(QKeyEvent* event)
{
    m_TitleTip->Hide();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_A:
            OnEditSelectAll();
            return;
        case Qt::Key_C:
            OnEditCopy();
            return;
        case Qt::Key_V:
            OnEditPaste();
            return;
        case Qt::Key_X:
            OnEditCut();
            return;
        default:
            break;
        }
    }
    if (HandleNavigationKey(event->key(), modifiers))
        return;
    const CCellId focus = m_FocusCell;
    switch (event->key()) {
    case Qt::Key_Delete:
        DeleteFocusCellText();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnEditCell(focus.row, focus.col, EditStart::Enter);
        return;
    case Qt::Key_Backspace:
        OnEditCell(focus.row, focus.col, EditStart::Backspace);
        return;
    case Qt::Key_Space:
        OnEditCell(focus.row, focus.col, EditStart::Navigation);
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !(modifiers & (Qt::ControlModifier | Qt::AltModifier))) {
        OnEditCell(focus.row, focus.col, EditStart::Character, typed);
        return;
    }
    event->ignore();
}

bool CGridCtrl::HandleNavigationKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier))
        key = Qt::Key_Backtab;
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Left:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
    case Qt::Key_Home:
    case Qt::Key_End:
        break;
    default:
        return false;
    }
    if (m_RowCount <= m_FixedRowCount || m_ColumnCount <= m_FixedColumnCount) {
        // No cell to move to: Tab goes on to the next control, as from the
        // last cell.
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            focusNextPrevChild(key == Qt::Key_Tab);
            return true;
        }
        return false;
    }
    if (!m_FocusCell.IsValid()) {
        MoveFocusTo(GetTopleftNonFixedCell(), key, modifiers);
        return true;
    }
    CCellId next = m_FocusCell;
    switch (key) {
    case Qt::Key_Down:
        next.row = std::min(next.row + 1, m_RowCount - 1);
        break;
    case Qt::Key_Up:
        next.row = std::max(next.row - 1, m_FixedRowCount);
        break;
    case Qt::Key_Right:
        next.col = std::min(next.col + 1, m_ColumnCount - 1);
        break;
    case Qt::Key_Left:
        next.col = std::max(next.col - 1, m_FixedColumnCount);
        break;
    case Qt::Key_Tab:
        if (next.col < m_ColumnCount - 1) {
            ++next.col;
        } else if (next.row < m_RowCount - 1) {
            ++next.row;
            next.col = m_FixedColumnCount;
            OnVScroll(GridScroll::LineDown);
            OnHScroll(GridScroll::Top);
        } else {
            focusNextPrevChild(true);
            return true;
        }
        break;
    case Qt::Key_Backtab:
        if (next.col > m_FixedColumnCount) {
            --next.col;
        } else if (next.row > m_FixedRowCount) {
            --next.row;
            next.col = m_ColumnCount - 1;
            OnVScroll(GridScroll::LineUp);
            OnHScroll(GridScroll::Bottom);
        } else {
            focusNextPrevChild(false);
            return true;
        }
        break;
    case Qt::Key_PageDown: {
        const int top = TopRow();
        OnVScroll(GridScroll::PageDown);
        const int moved = TopRow() - top;
        next.row = moved > 0 ? std::min(next.row + moved, m_RowCount - 1) : m_RowCount - 1;
        break;
    }
    case Qt::Key_PageUp: {
        const int top = TopRow();
        OnVScroll(GridScroll::PageUp);
        const int moved = top - TopRow();
        next.row = moved > 0 ? std::max(next.row - moved, m_FixedRowCount) : m_FixedRowCount;
        break;
    }
    case Qt::Key_Home:
        OnVScroll(GridScroll::Top);
        next.row = m_FixedRowCount;
        break;
    case Qt::Key_End:
        OnVScroll(GridScroll::Bottom);
        next.row = m_RowCount - 1;
        break;
    }
    MoveFocusTo(next, key, modifiers);
    return true;
}

void CGridCtrl::MoveFocusTo(CCellId next, int key, Qt::KeyboardModifiers modifiers)
{
    // While the mouse drags a selection, the keys the auto-scroll sends only
    // move the focus; the pointer decides the selection.
    if (m_MouseMode == MouseMode::Nothing) {
        const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
        if (!(modifiers & Qt::ShiftModifier) || tab || !m_SelectionStartCell.IsValid())
            m_SelectionStartCell = next;
        m_PrevSelection.clear();
        m_MouseMode = m_ListMode ? MouseMode::SelectRows : MouseMode::SelectCells;
        ExtendSelectionTo(next);
        m_MouseMode = MouseMode::Nothing;
    }
    SetFocusCell(next.row, next.col);
    if (IsCellFullyVisible(next.row, next.col))
        return;
    switch (key) {
    case Qt::Key_Down:
        OnVScroll(GridScroll::LineDown);
        break;
    case Qt::Key_Up:
        OnVScroll(GridScroll::LineUp);
        break;
    case Qt::Key_Right:
    case Qt::Key_Tab:
        OnHScroll(GridScroll::LineDown);
        break;
    case Qt::Key_Left:
    case Qt::Key_Backtab:
        OnHScroll(GridScroll::LineUp);
        break;
    default:
        break;
    }
    EnsureVisible(next.row, next.col);
}

void CGridCtrl::DeleteFocusCellText()
{
    // In a merged block the text shown, and so cleared, is the first cell's.
    const CCellRange block = GetMergedRange(m_FocusCell.row, m_FocusCell.col);
    if (IsCellEditable(block.minRow, block.minCol))
        ClearCellsWithNotification({{block.minRow, block.minCol}});
}

void CGridCtrl::ClearCellsWithNotification(const std::vector<CCellId>& cells)
{
    for (const CCellId& id : cells) {
        emit beginEdit(id.row, id.col);
        SetItemText(id.row, id.col, QString());
        emit endEdit(id.row, id.col);
        RedrawCell(id.row, id.col);
    }
}
