#include "GridCtrl.h"

#include "TitleTip.h"

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
    if (HandleNavigationKey(event->key(), modifiers)) {
        return;
    }
    const CCellId focus = m_idCurrentCell;
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
    if (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier)) {
        key = Qt::Key_Backtab;
    }
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
    if (m_nRows <= m_nFixedRows || m_nCols <= m_nFixedCols) {
        // No cell to move to: Tab goes on to the next control, as from the
        // last cell.
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            focusNextPrevChild(key == Qt::Key_Tab);
            return true;
        }
        return false;
    }
    if (!m_idCurrentCell.IsValid()) {
        MoveFocusTo(GetTopleftNonFixedCell(), key, modifiers);
        return true;
    }
    CCellId next = m_idCurrentCell;
    switch (key) {
    case Qt::Key_Down:
        next.row = std::min(next.row + 1, m_nRows - 1);
        break;
    case Qt::Key_Up:
        next.row = std::max(next.row - 1, m_nFixedRows);
        break;
    case Qt::Key_Right:
        next.col = std::min(next.col + 1, m_nCols - 1);
        break;
    case Qt::Key_Left:
        next.col = std::max(next.col - 1, m_nFixedCols);
        break;
    case Qt::Key_Tab:
        if (next.col < m_nCols - 1) {
            ++next.col;
        } else if (next.row < m_nRows - 1) {
            ++next.row;
            next.col = m_nFixedCols;
            OnVScroll(SB_LINEDOWN);
            OnHScroll(SB_TOP);
        } else {
            focusNextPrevChild(true);
            return true;
        }
        break;
    case Qt::Key_Backtab:
        if (next.col > m_nFixedCols) {
            --next.col;
        } else if (next.row > m_nFixedRows) {
            --next.row;
            next.col = m_nCols - 1;
            OnVScroll(SB_LINEUP);
            OnHScroll(SB_BOTTOM);
        } else {
            focusNextPrevChild(false);
            return true;
        }
        break;
    case Qt::Key_PageDown: {
        const int top = TopRow();
        OnVScroll(SB_PAGEDOWN);
        const int moved = TopRow() - top;
        next.row = moved > 0 ? std::min(next.row + moved, m_nRows - 1) : m_nRows - 1;
        break;
    }
    case Qt::Key_PageUp: {
        const int top = TopRow();
        OnVScroll(SB_PAGEUP);
        const int moved = top - TopRow();
        next.row = moved > 0 ? std::max(next.row - moved, m_nFixedRows) : m_nFixedRows;
        break;
    }
    case Qt::Key_Home:
        OnVScroll(SB_TOP);
        next.row = m_nFixedRows;
        break;
    case Qt::Key_End:
        OnVScroll(SB_BOTTOM);
        next.row = m_nRows - 1;
        break;
    }
    MoveFocusTo(next, key, modifiers);
    return true;
}

void CGridCtrl::MoveFocusTo(CCellId next, int key, Qt::KeyboardModifiers modifiers)
{
    // While the mouse drags a selection, the keys the auto-scroll sends only
    // move the focus; the pointer decides the selection.
    if (m_MouseMode == MOUSE_NOTHING) {
        const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
        if (!(modifiers & Qt::ShiftModifier) || tab || !m_SelectionStartCell.IsValid()) {
            m_SelectionStartCell = next;
        }
        m_PrevSelection.clear();
        m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
        ExtendSelectionTo(next);
        m_MouseMode = MOUSE_NOTHING;
    }
    SetFocusCell(next.row, next.col);
    if (IsCellFullyVisible(next.row, next.col)) {
        return;
    }
    switch (key) {
    case Qt::Key_Down:
        OnVScroll(SB_LINEDOWN);
        break;
    case Qt::Key_Up:
        OnVScroll(SB_LINEUP);
        break;
    case Qt::Key_Right:
    case Qt::Key_Tab:
        OnHScroll(SB_LINEDOWN);
        break;
    case Qt::Key_Left:
    case Qt::Key_Backtab:
        OnHScroll(SB_LINEUP);
        break;
    default:
        break;
    }
    EnsureVisible(next.row, next.col);
}

void CGridCtrl::DeleteFocusCellText()
{
    // In a merged block the text shown, and so cleared, is the first cell's.
    const CCellRange block = GetMergedRange(m_idCurrentCell.row, m_idCurrentCell.col);
    if (IsCellEditable(block.minRow, block.minCol)) {
        ClearCellsWithNotification({{block.minRow, block.minCol}});
    }
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
