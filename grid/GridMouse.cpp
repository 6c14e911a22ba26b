#include "grid/GridCtrl.h"

#include "grid/InPlaceEdit.h"
#include "grid/TitleTip.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

bool CGridCtrl::MouseOverColumnDivide(const QPoint& point) const
{
    if (point.y() >= GetFixedRowHeight())
        return false;
    const CCellId cell = GetCellFromPt(point);
    QRect rect;
    if (!GetCellRect(cell.row, cell.col, rect))
        return false;
    return (point.x() - rect.left() < ResizeCaptureRange && cell.col > 0) ||
           rect.left() + rect.width() - point.x() <= ResizeCaptureRange;
}

bool CGridCtrl::MouseOverRowDivide(const QPoint& point) const
{
    if (point.x() >= GetFixedColumnWidth())
        return false;
    const CCellId cell = GetCellFromPt(point);
    QRect rect;
    if (!GetCellRect(cell.row, cell.col, rect))
        return false;
    return (point.y() - rect.top() < ResizeCaptureRange && cell.row > 0) ||
           rect.top() + rect.height() - point.y() <= ResizeCaptureRange;
}

namespace {
// The column (row) whose divider is under the point: a point close to the
// left (top) edge belongs to the previous one.
int DividerIndex(int index, int position, int start)
{
    return position - start < 3 && index > 0 ? index - 1 : index;
}
} // namespace

void CGridCtrl::StartSizing(Qt::Orientation orientation, int index)
{
    m_SizingIndex = index;
    if (orientation == Qt::Horizontal) {
        m_MouseMode = MouseMode::SizingColumn;
        m_TrackingLine = m_LeftClickDownPoint.x();
        viewport()->setCursor(Qt::SplitHCursor);
        viewport()->update(QRect(m_TrackingLine, 0, 2, viewport()->height()));
    } else {
        m_MouseMode = MouseMode::SizingRow;
        m_TrackingLine = m_LeftClickDownPoint.y();
        viewport()->setCursor(Qt::SplitVCursor);
        viewport()->update(QRect(0, m_TrackingLine, viewport()->width(), 2));
    }
}

void CGridCtrl::mousePressEvent(QMouseEvent* event)
{
    m_TitleTip->Hide();
    if (event->button() != Qt::LeftButton)
        return;
    m_HadFocusOnPress = hasFocus();
    setFocus(Qt::MouseFocusReason);
    const QPoint point = event->position().toPoint();
    m_LeftClickDownPoint = point;
    m_LastMousePoint = point;
    m_LeftClickDownCell = GetCellFromPt(point);
    const CCellId down = m_LeftClickDownCell;
    if (!down.IsValid())
        return;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (down == m_FocusCell) {
        m_MouseMode = MouseMode::PrepareEdit;
        return;
    }
    const CCellId clamped{std::max(down.row, m_FixedRowCount), std::max(down.col, m_FixedColumnCount)};
    const CCellId previousFocus = m_FocusCell;
    SetFocusCell(clamped.row, clamped.col);
    if (m_AllowDragAndDrop && m_HadFocusOnPress && IsCellSelected(down.row, down.col)) {
        m_MouseMode = MouseMode::PrepareDrag;
        return;
    }
    if (m_AllowColumnResize && MouseOverColumnDivide(point)) {
        StartSizing(Qt::Horizontal, DividerIndex(down.col, point.x(), ColumnLeft(down.col)));
        return;
    }
    if (m_AllowRowResize && MouseOverRowDivide(point)) {
        StartSizing(Qt::Vertical, DividerIndex(down.row, point.y(), RowTop(down.row)));
        return;
    }
    if (!IsValid(clamped.row, clamped.col))
        return;
    m_SelectionStartCell = shift && previousFocus.IsValid() ? previousFocus : clamped;
    m_PrevSelection = ctrl ? m_Selection : std::vector<CCellRange>();
    if (down.row < m_FixedRowCount) {
        if (down.col < m_FixedColumnCount) {
            m_MouseMode = MouseMode::SelectAll;
        } else if (m_ListMode && m_SortOnClick) {
            SortTextItems(down.col, down.col == m_SortColumn ? !m_SortAscending : true);
            return;
        } else {
            m_MouseMode = MouseMode::SelectColumns;
        }
    } else if (down.col < m_FixedColumnCount) {
        m_MouseMode = MouseMode::SelectRows;
    } else {
        m_MouseMode = m_ListMode ? MouseMode::SelectRows : MouseMode::SelectCells;
    }
    ExtendSelectionTo(clamped);
    m_AutoScrollTimer.start();
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    m_LastMousePoint = point;
    if (!(event->buttons() & Qt::LeftButton)) {
        m_TitleTip->OnParentMouseMove(point);
        if (m_MouseMode != MouseMode::Nothing && m_MouseMode != MouseMode::OverColumnDivider &&
            m_MouseMode != MouseMode::OverRowDivider)
            return;
        if (m_AllowColumnResize && MouseOverColumnDivide(point)) {
            m_MouseMode = MouseMode::OverColumnDivider;
            viewport()->setCursor(Qt::SplitHCursor);
        } else if (m_AllowRowResize && MouseOverRowDivide(point)) {
            m_MouseMode = MouseMode::OverRowDivider;
            viewport()->setCursor(Qt::SplitVCursor);
        } else {
            m_MouseMode = MouseMode::Nothing;
            viewport()->unsetCursor();
            OfferTitleTip(point);
        }
        return;
    }
    switch (m_MouseMode) {
    case MouseMode::SelectAll:
    case MouseMode::SelectColumns:
    case MouseMode::SelectRows:
    case MouseMode::SelectCells: {
        const CCellId cell = GetCellFromPt(point);
        if (cell.IsValid())
            ExtendSelectionTo({std::max(cell.row, m_FixedRowCount), std::max(cell.col, m_FixedColumnCount)});
        break;
    }
    case MouseMode::SizingColumn: {
        const int line = std::max(point.x(), ColumnLeft(m_SizingIndex));
        viewport()->update(QRect(m_TrackingLine, 0, 2, viewport()->height()));
        m_TrackingLine = line;
        viewport()->update(QRect(m_TrackingLine, 0, 2, viewport()->height()));
        break;
    }
    case MouseMode::SizingRow: {
        const int line = std::max(point.y(), RowTop(m_SizingIndex));
        viewport()->update(QRect(0, m_TrackingLine, viewport()->width(), 2));
        m_TrackingLine = line;
        viewport()->update(QRect(0, m_TrackingLine, viewport()->width(), 2));
        break;
    }
    case MouseMode::PrepareDrag:
        if ((point - m_LeftClickDownPoint).manhattanLength() >= QApplication::startDragDistance()) {
            m_MouseMode = MouseMode::Dragging;
            auto* drag = new QDrag(this);
            auto* mime = new QMimeData;
            mime->setText(CopyText());
            drag->setMimeData(mime);
            drag->exec(Qt::CopyAction);
            m_MouseMode = MouseMode::Nothing;
        }
        break;
    default:
        break;
    }
}

void CGridCtrl::OnAutoScrollTick()
{
    if (m_MouseMode != MouseMode::SelectAll && m_MouseMode != MouseMode::SelectColumns &&
        m_MouseMode != MouseMode::SelectRows && m_MouseMode != MouseMode::SelectCells) {
        m_AutoScrollTimer.stop();
        return;
    }
    const QPoint point = m_LastMousePoint;
    const QRect client = viewport()->rect();
    if (point.y() > client.bottom())
        HandleNavigationKey(Qt::Key_Down, Qt::NoModifier);
    else if (point.y() < GetFixedRowHeight())
        HandleNavigationKey(Qt::Key_Up, Qt::NoModifier);
    if (point.x() > client.right())
        HandleNavigationKey(Qt::Key_Right, Qt::NoModifier);
    else if (point.x() < GetFixedColumnWidth())
        HandleNavigationKey(Qt::Key_Left, Qt::NoModifier);
    const CCellRange visible = GetVisibleNonFixedCellRange();
    if (visible.minRow >= m_RowCount || visible.minCol >= m_ColumnCount)
        return;
    const int right =
        std::min(client.right(), ColumnLeft(visible.maxCol) + m_ColumnWidths.Size(visible.maxCol) - 1);
    const int bottom =
        std::min(client.bottom(), RowTop(visible.maxRow) + m_RowHeights.Size(visible.maxRow) - 1);
    const QPoint inside(std::clamp(point.x(), GetFixedColumnWidth(), std::max(GetFixedColumnWidth(), right)),
                        std::clamp(point.y(), GetFixedRowHeight(), std::max(GetFixedRowHeight(), bottom)));
    ExtendSelectionTo(GetCellFromPt(inside));
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_AutoScrollTimer.stop();
    const QPoint point = event->position().toPoint();
    switch (m_MouseMode) {
    case MouseMode::PrepareEdit:
        m_MouseMode = MouseMode::Nothing;
        OnEditCell(m_FocusCell.row, m_FocusCell.col, EditStart::Mouse);
        break;
    case MouseMode::PrepareDrag:
        ClearSelection();
        SetFocusCell(-1, -1);
        break;
    case MouseMode::SizingColumn:
        SetColumnWidth(m_SizingIndex, std::max(0, point.x() - ColumnLeft(m_SizingIndex)));
        ResetHorizontalScroll();
        break;
    case MouseMode::SizingRow:
        SetRowHeight(m_SizingIndex, std::max(0, point.y() - RowTop(m_SizingIndex)));
        ResetScrollBars();
        break;
    default:
        break;
    }
    m_TrackingLine = -1;
    m_MouseMode = MouseMode::Nothing;
    viewport()->unsetCursor();
    Redraw();
    const CCellId cell = GetCellFromPt(point);
    if (cell.IsValid())
        emit clicked(cell.row, cell.col);
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const CCellId cell = GetCellFromPt(point);
    if (!cell.IsValid())
        return;
    if (m_AllowColumnResize && MouseOverColumnDivide(point)) {
        AutoSizeColumn(DividerIndex(cell.col, point.x(), ColumnLeft(cell.col)));
    } else if (m_AllowRowResize && MouseOverRowDivide(point)) {
        AutoSizeRow(DividerIndex(cell.row, point.y(), RowTop(cell.row)));
    } else if (!IsCellFixed(cell.row, cell.col)) {
        m_MouseMode = MouseMode::Nothing;
        OnEditCell(m_FocusCell.row, m_FocusCell.col, EditStart::Mouse);
    }
}

bool CGridCtrl::viewportEvent(QEvent* event)
{
    // The tip lets the pointer through to the grid, so no move outside its
    // cell arrives once the pointer has left the grid.
    if (event->type() == QEvent::Leave)
        m_TitleTip->Hide();
    return QAbstractScrollArea::viewportEvent(event);
}

void CGridCtrl::OfferTitleTip(const QPoint& point)
{
    if (!m_TitleTipsEnabled)
        return;
    const CCellId cell = GetCellFromPt(point);
    if (!cell.IsValid())
        return;
    const CCellRange block = GetMergedRange(cell.row, cell.col);
    const QRect rect = BlockRect(block);
    const CGridCell& first = Cell(block.minRow, block.minCol);
    m_TitleTip->Show(rect, first.m_Text, 0, rect, CellFont(first));
}

void CGridCtrl::CancelMouseMode()
{
    m_AutoScrollTimer.stop();
    if (m_TrackingLine >= 0) {
        m_TrackingLine = -1;
        Redraw();
    }
    m_MouseMode = MouseMode::Nothing;
    viewport()->unsetCursor();
}

void CGridCtrl::focusOutEvent(QFocusEvent* event)
{
    // Losing the focus to another window ends a drag or a sizing, as losing
    // the mouse capture would.
    if (!m_InPlaceEdit)
        CancelMouseMode();
    QAbstractScrollArea::focusOutEvent(event);
}

void CGridCtrl::dragEnterEvent(QDragEnterEvent* event)
{
    m_DropTarget.OnDragEnter(event);
}

void CGridCtrl::dragMoveEvent(QDragMoveEvent* event)
{
    m_DropTarget.OnDragOver(event);
}

void CGridCtrl::dragLeaveEvent(QDragLeaveEvent*)
{
    m_DropTarget.OnDragLeave();
}

void CGridCtrl::dropEvent(QDropEvent* event)
{
    m_DropTarget.OnDrop(event);
}
