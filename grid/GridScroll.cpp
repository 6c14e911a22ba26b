#include "grid/GridCtrl.h"

#include "grid/InPlaceEdit.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {
// The client size with no scroll bar shown.
QSize BareClientSize(const QAbstractScrollArea& area)
{
    QSize size = area.maximumViewportSize();
    if (area.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        size.rwidth() += area.verticalScrollBar()->sizeHint().width();
    if (area.horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        size.rheight() += area.horizontalScrollBar()->sizeHint().height();
    return size;
}
} // namespace

void CGridCtrl::ResetScrollBars()
{
    if (!m_AllowDraw || m_InResetScrollBars)
        return;
    m_InResetScrollBars = true;
    // Decide here which bars are needed, so the client size is known at once
    // and a fit right after a fill uses the width the user will see.
    const QSize area = BareClientSize(*this);
    const int vbarWidth = verticalScrollBar()->sizeHint().width();
    const int hbarHeight = horizontalScrollBar()->sizeHint().height();
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();
    const int totalWidth = GetVirtualWidth() - fixedWidth;
    const int totalHeight = GetVirtualHeight() - fixedHeight;
    bool needV = totalHeight > area.height() - fixedHeight;
    const bool needH = totalWidth > area.width() - fixedWidth - (needV ? vbarWidth : 0);
    if (needH && !needV)
        needV = totalHeight > area.height() - hbarHeight - fixedHeight;
    setVerticalScrollBarPolicy(needV ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(needH ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int visibleWidth = area.width() - (needV ? vbarWidth : 0) - fixedWidth;
    const int visibleHeight = area.height() - (needH ? hbarHeight : 0) - fixedHeight;
    verticalScrollBar()->setRange(0, std::max(0, totalHeight - visibleHeight));
    verticalScrollBar()->setPageStep(std::max(1, visibleHeight));
    horizontalScrollBar()->setRange(0, std::max(0, totalWidth - visibleWidth));
    horizontalScrollBar()->setPageStep(std::max(1, visibleWidth));
    m_InResetScrollBars = false;
}

void CGridCtrl::ResetHorizontalScroll()
{
    if (!m_AllowDraw)
        return;
    const int vbarWidth =
        verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ? verticalScrollBar()->sizeHint().width() : 0;
    const int fixedWidth = GetFixedColumnWidth();
    const int totalWidth = GetVirtualWidth() - fixedWidth;
    const int visibleWidth = BareClientSize(*this).width() - vbarWidth - fixedWidth;
    const int position = HScrollPos();
    setHorizontalScrollBarPolicy(totalWidth > visibleWidth ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    horizontalScrollBar()->setRange(0, std::max(0, totalWidth - visibleWidth));
    horizontalScrollBar()->setPageStep(std::max(1, visibleWidth));
    SetHScrollPos(position);
}

void CGridCtrl::ScrollToTop()
{
    SetVScrollPos(0);
    Redraw();
}

int CGridCtrl::VScrollPos() const
{
    return verticalScrollBar()->value();
}

int CGridCtrl::HScrollPos() const
{
    return horizontalScrollBar()->value();
}

void CGridCtrl::SetVScrollPos(int pos)
{
    verticalScrollBar()->setValue(pos);
}

void CGridCtrl::SetHScrollPos(int pos)
{
    horizontalScrollBar()->setValue(pos);
}

namespace {
// Where a scroll request leads, along one axis of the grid.
int ScrollTarget(GridScroll code, int position, int current, int maximum, int page, int firstShown,
                 int firstScrolling, int count, const CAxisSizes& sizes)
{
    const int origin = sizes.Start(firstScrolling);
    switch (code) {
    case GridScroll::LineDown:
    case GridScroll::RowDown:
        return firstShown + 1 < count ? std::min(maximum, sizes.Start(firstShown + 1) - origin) : current;
    case GridScroll::LineUp:
    case GridScroll::RowUp:
        return firstShown > firstScrolling ? sizes.Start(firstShown - 1) - origin : 0;
    case GridScroll::PageDown:
        return std::min(maximum, current + page);
    case GridScroll::PageUp:
        return std::max(0, current - page);
    case GridScroll::ThumbPosition:
    case GridScroll::ThumbTrack:
        return std::clamp(position, 0, maximum);
    case GridScroll::Top:
        return 0;
    case GridScroll::Bottom:
        return maximum;
    }
    return current;
}
} // namespace

int CGridCtrl::VScrollTarget(GridScroll code, int position) const
{
    const QScrollBar* bar = verticalScrollBar();
    return ScrollTarget(code, position, bar->value(), bar->maximum(), bar->pageStep(), TopRow(),
                        m_FixedRowCount, m_RowCount, m_RowHeights);
}

void CGridCtrl::OnVScroll(GridScroll code, int position)
{
    SetVScrollPos(VScrollTarget(code, position));
}

int CGridCtrl::TopRowAfter(GridScroll code) const
{
    return TopRowAt(VScrollTarget(code, 0));
}

void CGridCtrl::OnHScroll(GridScroll code, int position)
{
    const QScrollBar* bar = horizontalScrollBar();
    SetHScrollPos(ScrollTarget(code, position, bar->value(), bar->maximum(), bar->pageStep(), LeftColumn(),
                               m_FixedColumnCount, m_ColumnCount, m_ColumnWidths));
}

void CGridCtrl::OnScrollBarAction(Qt::Orientation orientation, int action)
{
    GridScroll code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        code = GridScroll::LineDown;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        code = GridScroll::LineUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = GridScroll::PageDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = GridScroll::PageUp;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = GridScroll::Top;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = GridScroll::Bottom;
        break;
    default:
        return; // thumb moves keep the tracked position
    }
    // The bar has already stepped by its own amounts; put it where a step by
    // whole rows or columns leads instead.
    QScrollBar* bar = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    const int current = bar->value();
    const int target = orientation == Qt::Vertical
                           ? ScrollTarget(code, 0, current, bar->maximum(), bar->pageStep(), TopRow(),
                                          m_FixedRowCount, m_RowCount, m_RowHeights)
                           : ScrollTarget(code, 0, current, bar->maximum(), bar->pageStep(), LeftColumn(),
                                          m_FixedColumnCount, m_ColumnCount, m_ColumnWidths);
    bar->setSliderPosition(target);
}

void CGridCtrl::scrollContentsBy(int, int)
{
    EndInPlaceEdit();
    const int top = TopRow();
    const int left = LeftColumn();
    const QRect client = viewport()->rect();
    const int fixedHeight = GetFixedRowHeight();
    const int fixedWidth = GetFixedColumnWidth();
    const int oldTop = std::min(m_PaintedTopRow, m_RowCount);
    const int oldLeft = std::min(m_PaintedLeftColumn, m_ColumnCount);
    const int shiftY = m_RowHeights.Start(top) - m_RowHeights.Start(oldTop);
    const int shiftX = m_ColumnWidths.Start(left) - m_ColumnWidths.Start(oldLeft);
    m_PaintedTopRow = top;
    m_PaintedLeftColumn = left;
    if (!m_AllowDraw)
        return;
    // Move the pixels that stay in view; only what comes in is painted.
    if (shiftY != 0) {
        const QRect area(0, fixedHeight, client.width(), client.height() - fixedHeight);
        if (std::abs(shiftY) < area.height())
            viewport()->scroll(0, -shiftY, area);
        else
            viewport()->update(area);
    }
    if (shiftX != 0) {
        const QRect area(fixedWidth, 0, client.width() - fixedWidth, client.height());
        if (std::abs(shiftX) < area.width())
            viewport()->scroll(-shiftX, 0, area);
        else
            viewport()->update(area);
    }
    // A merged block cut by the top or left edge is drawn from its first
    // visible cell, so the moved pixels of such a block are out of date.
    InvalidateBlocksAtEdges(oldTop, oldLeft);
}

void CGridCtrl::InvalidateBlocksAtEdges(int oldTop, int oldLeft)
{
    const CCellRange visible = GetVisibleNonFixedCellRange();
    const auto invalidateIfCut = [this](int row, int col, bool byRow) {
        const CCellRange block = GetMergedRange(row, col);
        const bool cut = byRow ? block.minRow != block.maxRow : block.minCol != block.maxCol;
        if (cut)
            viewport()->update(BlockRect(block));
    };
    for (const int row : {visible.minRow, oldTop}) {
        if (row < m_FixedRowCount || row > visible.maxRow)
            continue;
        for (int col = 0; col < m_FixedColumnCount; ++col)
            invalidateIfCut(row, col, true);
        for (int col = visible.minCol; col <= visible.maxCol && col >= 0; ++col)
            invalidateIfCut(row, col, true);
    }
    for (const int col : {visible.minCol, oldLeft}) {
        if (col < m_FixedColumnCount || col > visible.maxCol)
            continue;
        for (int row = 0; row < m_FixedRowCount; ++row)
            invalidateIfCut(row, col, false);
        for (int row = visible.minRow; row <= visible.maxRow && row >= 0; ++row)
            invalidateIfCut(row, col, false);
    }
}

void CGridCtrl::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    // Small steps of high-resolution wheels add up until they make a row.
    m_WheelRemainder += delta;
    const CCellRange visible = GetVisibleNonFixedCellRange();
    const int rowsInPage = std::max(1, visible.maxRow - visible.minRow);
    const bool paging = m_RowsPerWheelNotch < 0 || m_RowsPerWheelNotch >= rowsInPage;
    if (paging) {
        const int notches = m_WheelRemainder / 120;
        m_WheelRemainder -= notches * 120;
        for (int i = 0; i < std::abs(notches); ++i)
            OnVScroll(notches > 0 ? GridScroll::PageUp : GridScroll::PageDown);
        return;
    }
    if (m_RowsPerWheelNotch == 0) {
        m_WheelRemainder = 0;
        return;
    }
    const int rows = m_WheelRemainder * m_RowsPerWheelNotch / 120;
    m_WheelRemainder -= rows * 120 / m_RowsPerWheelNotch;
    for (int i = 0; i < std::abs(rows); ++i)
        OnVScroll(rows > 0 ? GridScroll::RowUp : GridScroll::RowDown);
}
