#include "grid/NextFocus.h"

#include <algorithm>

namespace {
bool IsNavigationKey(int key)
{
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
        return true;
    default:
        return false;
    }
}

FocusStep Leave(int key)
{
    FocusStep step;
    step.key = key;
    step.action = key == Qt::Key_Tab ? FocusStep::Action::LeaveForward : FocusStep::Action::LeaveBackward;
    return step;
}
} // namespace

FocusStep NextFocus(int key, Qt::KeyboardModifiers modifiers, const FocusGrid& grid)
{
    if (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier))
        key = Qt::Key_Backtab;
    FocusStep step;
    step.key = key;
    if (!IsNavigationKey(key))
        return step;
    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    const int lastRow = grid.rowCount - 1;
    const int lastColumn = grid.columnCount - 1;
    // Without a cell to move to, Tab goes on to the next control, as from
    // the last cell.
    if (grid.rowCount <= grid.fixedRowCount || grid.columnCount <= grid.fixedColumnCount)
        return tab ? Leave(key) : step;
    step.action = FocusStep::Action::Move;
    if (!grid.focus.IsValid()) {
        step.cell = grid.topLeft;
        return step;
    }
    step.cell = grid.focus;
    CCellId& next = step.cell;
    switch (key) {
    case Qt::Key_Down:
        next.row = std::min(next.row + 1, lastRow);
        break;
    case Qt::Key_Up:
        next.row = std::max(next.row - 1, grid.fixedRowCount);
        break;
    case Qt::Key_Right:
        next.col = std::min(next.col + 1, lastColumn);
        break;
    case Qt::Key_Left:
        next.col = std::max(next.col - 1, grid.fixedColumnCount);
        break;
    case Qt::Key_Tab:
        if (next.col < lastColumn) {
            ++next.col;
        } else if (next.row < lastRow) {
            ++next.row;
            next.col = grid.fixedColumnCount;
            step.vertical = GridScroll::LineDown;
            step.horizontal = GridScroll::Top;
        } else {
            return Leave(key);
        }
        break;
    case Qt::Key_Backtab:
        if (next.col > grid.fixedColumnCount) {
            --next.col;
        } else if (next.row > grid.fixedRowCount) {
            --next.row;
            next.col = lastColumn;
            step.vertical = GridScroll::LineUp;
            step.horizontal = GridScroll::Bottom;
        } else {
            return Leave(key);
        }
        break;
    // A page key that cannot scroll any further goes to the first or last row.
    case Qt::Key_PageDown:
        step.vertical = GridScroll::PageDown;
        next.row = grid.rowsPagedDown > 0 ? std::min(next.row + grid.rowsPagedDown, lastRow) : lastRow;
        break;
    case Qt::Key_PageUp:
        step.vertical = GridScroll::PageUp;
        next.row = grid.rowsPagedUp > 0 ? std::max(next.row - grid.rowsPagedUp, grid.fixedRowCount)
                                        : grid.fixedRowCount;
        break;
    case Qt::Key_Home:
        step.vertical = GridScroll::Top;
        next.row = grid.fixedRowCount;
        break;
    case Qt::Key_End:
        step.vertical = GridScroll::Bottom;
        next.row = lastRow;
        break;
    }
    return step;
}
