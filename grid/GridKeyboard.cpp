#include "grid/GridCtrl.h"

#include "grid/NextFocus.h"
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
    FocusGrid grid{m_RowCount,         m_ColumnCount, m_FixedRowCount,
                   m_FixedColumnCount, m_FocusCell,   GetTopleftNonFixedCell()};
    const int top = TopRow();
    grid.rowsPagedDown = TopRowAfter(GridScroll::PageDown) - top;
    grid.rowsPagedUp = top - TopRowAfter(GridScroll::PageUp);
    const FocusStep step = NextFocus(key, modifiers, grid);
    switch (step.action) {
    case FocusStep::Action::None:
        return false;
    case FocusStep::Action::LeaveForward:
    case FocusStep::Action::LeaveBackward:
        focusNextPrevChild(step.action == FocusStep::Action::LeaveForward);
        return true;
    case FocusStep::Action::Move:
        break;
    }
    if (step.vertical)
        OnVScroll(*step.vertical);
    if (step.horizontal)
        OnHScroll(*step.horizontal);
    MoveFocusTo(step.cell, step.key, modifiers);
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
