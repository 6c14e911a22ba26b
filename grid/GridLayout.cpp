#include "grid/GridCtrl.h"

#include <QFontMetrics>
#include <algorithm>

int CGridCtrl::TopRow() const
{
    return TopRowAt(VScrollPos());
}

int CGridCtrl::TopRowAt(int scrollPos) const
{
    if (m_RowCount <= m_FixedRowCount)
        return m_RowCount;
    const int row = m_RowHeights.FirstStartingFrom(GetFixedRowHeight() + scrollPos);
    return std::clamp(row, m_FixedRowCount, m_RowCount - 1);
}

int CGridCtrl::LeftColumn() const
{
    if (m_ColumnCount <= m_FixedColumnCount)
        return m_ColumnCount;
    const int col = m_ColumnWidths.FirstStartingFrom(GetFixedColumnWidth() + HScrollPos());
    return std::clamp(col, m_FixedColumnCount, m_ColumnCount - 1);
}

int CGridCtrl::RowTop(int row) const
{
    if (row < m_FixedRowCount)
        return m_RowHeights.Start(row);
    return GetFixedRowHeight() + m_RowHeights.Start(row) - m_RowHeights.Start(TopRow());
}

int CGridCtrl::ColumnLeft(int col) const
{
    if (col < m_FixedColumnCount)
        return m_ColumnWidths.Start(col);
    return GetFixedColumnWidth() + m_ColumnWidths.Start(col) - m_ColumnWidths.Start(LeftColumn());
}

int CGridCtrl::VisibleBottomRow() const
{
    const int top = TopRow();
    if (top >= m_RowCount)
        return m_RowCount - 1;
    const int lastPixel = m_RowHeights.Start(top) + viewport()->height() - GetFixedRowHeight() - 1;
    return std::max(top, m_RowHeights.IndexAt(lastPixel));
}

int CGridCtrl::VisibleRightColumn() const
{
    const int left = LeftColumn();
    if (left >= m_ColumnCount)
        return m_ColumnCount - 1;
    const int lastPixel = m_ColumnWidths.Start(left) + viewport()->width() - GetFixedColumnWidth() - 1;
    return std::max(left, m_ColumnWidths.IndexAt(lastPixel));
}

bool CGridCtrl::GetCellRect(int row, int col, QRect& rect) const
{
    if (!IsValid(row, col))
        return false;
    rect = QRect(ColumnLeft(col), RowTop(row), m_ColumnWidths.Size(col), m_RowHeights.Size(row));
    return true;
}

QRect CGridCtrl::BlockRect(const CCellRange& block) const
{
    // A block partly scrolled out is drawn from its first visible row and
    // column, so its text stays in view.
    const int firstRow = block.minRow < m_FixedRowCount ? block.minRow : std::max(block.minRow, TopRow());
    const int firstCol =
        block.minCol < m_FixedColumnCount ? block.minCol : std::max(block.minCol, LeftColumn());
    const int left = ColumnLeft(firstCol);
    const int top = RowTop(firstRow);
    const int right = ColumnLeft(block.maxCol) + m_ColumnWidths.Size(block.maxCol);
    const int bottom = RowTop(block.maxRow) + m_RowHeights.Size(block.maxRow);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

CCellId CGridCtrl::GetCellFromPt(const QPoint& point) const
{
    if (point.x() < 0 || point.y() < 0 || m_RowCount == 0 || m_ColumnCount == 0)
        return {};
    const int fixedHeight = GetFixedRowHeight();
    const int fixedWidth = GetFixedColumnWidth();
    int row = -1;
    if (point.y() < fixedHeight) {
        row = m_RowHeights.IndexAt(point.y());
    } else if (TopRow() < m_RowCount) {
        const int y = m_RowHeights.Start(TopRow()) + point.y() - fixedHeight;
        row = y < GetVirtualHeight() ? m_RowHeights.IndexAt(y) : -1;
    }
    int col = -1;
    if (point.x() < fixedWidth) {
        col = m_ColumnWidths.IndexAt(point.x());
    } else if (LeftColumn() < m_ColumnCount) {
        const int x = m_ColumnWidths.Start(LeftColumn()) + point.x() - fixedWidth;
        col = x < GetVirtualWidth() ? m_ColumnWidths.IndexAt(x) : -1;
    }
    if (row < 0 || col < 0)
        return {};
    return {row, col};
}

CCellId CGridCtrl::GetTopleftNonFixedCell() const
{
    return {TopRow(), LeftColumn()};
}

CCellRange CGridCtrl::GetVisibleNonFixedCellRange() const
{
    return {TopRow(), LeftColumn(), VisibleBottomRow(), VisibleRightColumn()};
}

bool CGridCtrl::IsCellVisible(int row, int col) const
{
    QRect rect;
    if (!GetCellRect(row, col, rect))
        return false;
    const bool rowShown = row < m_FixedRowCount || row >= TopRow();
    const bool colShown = col < m_FixedColumnCount || col >= LeftColumn();
    return rowShown && colShown && rect.intersects(viewport()->rect());
}

bool CGridCtrl::IsCellFullyVisible(int row, int col) const
{
    QRect rect;
    if (!IsCellVisible(row, col) || !GetCellRect(row, col, rect))
        return false;
    return rect.right() < viewport()->width() && rect.bottom() < viewport()->height();
}

void CGridCtrl::EnsureVisible(int row, int col)
{
    if (!IsValid(row, col))
        return;
    if (row >= m_FixedRowCount) {
        const int visible = viewport()->height() - GetFixedRowHeight();
        if (row < TopRow()) {
            SetVScrollPos(m_RowHeights.Start(row) - GetFixedRowHeight());
        } else if (RowTop(row) + m_RowHeights.Size(row) > viewport()->height()) {
            const int top = m_RowHeights.FirstStartingFrom(m_RowHeights.Start(row + 1) - visible);
            SetVScrollPos(m_RowHeights.Start(std::clamp(top, m_FixedRowCount, row)) - GetFixedRowHeight());
        }
    }
    if (col >= m_FixedColumnCount) {
        const int visible = viewport()->width() - GetFixedColumnWidth();
        if (col < LeftColumn()) {
            SetHScrollPos(m_ColumnWidths.Start(col) - GetFixedColumnWidth());
        } else if (ColumnLeft(col) + m_ColumnWidths.Size(col) > viewport()->width()) {
            const int left = m_ColumnWidths.FirstStartingFrom(m_ColumnWidths.Start(col + 1) - visible);
            SetHScrollPos(m_ColumnWidths.Start(std::clamp(left, m_FixedColumnCount, col)) -
                          GetFixedColumnWidth());
        }
    }
}

void CGridCtrl::ExpandColumnsToFit()
{
    if (m_ColumnCount <= 0)
        return;
    const int difference = viewport()->width() - GetVirtualWidth();
    const int share = difference / m_ColumnCount;
    const int remainder = std::abs(difference) % m_ColumnCount;
    const int extra = difference >= 1 ? 1 : -1;
    for (int col = 0; col < m_ColumnCount; ++col) {
        const int width = m_ColumnWidths.Size(col) + share + (col < remainder ? extra : 0);
        m_ColumnWidths.SetSize(col, std::max(0, width));
    }
    Redraw();
}

QSize CGridCtrl::CellExtent(int row, int col) const
{
    const CGridCell& cell = Cell(row, col);
    const QSize text = QFontMetrics(CellFont(cell)).size(0, cell.m_Text);
    return {text.width() + 2 * m_Margin, text.height() + 2 * m_Margin};
}

bool CGridCtrl::AutoSizeColumn(int col)
{
    if (col < 0 || col >= m_ColumnCount)
        return false;
    int width = 0;
    for (int row = 0; row < m_RowCount; ++row)
        if (!Cell(row, col).IsCovered())
            width = std::max(width, CellExtent(row, col).width());
    m_ColumnWidths.SetSize(col, width);
    ResetScrollBars();
    Redraw();
    return true;
}

bool CGridCtrl::AutoSizeRow(int row)
{
    if (row < 0 || row >= m_RowCount)
        return false;
    int height = 0;
    for (int col = 0; col < m_ColumnCount; ++col)
        if (!Cell(row, col).IsCovered())
            height = std::max(height, CellExtent(row, col).height());
    m_RowHeights.SetSize(row, height);
    ResetScrollBars();
    Redraw();
    return true;
}

void CGridCtrl::AutoSize()
{
    std::vector<int> widths(static_cast<size_t>(m_ColumnCount), 0);
    for (int row = 0; row < m_RowCount; ++row) {
        int height = 0;
        for (int col = 0; col < m_ColumnCount; ++col) {
            if (Cell(row, col).IsCovered())
                continue;
            const QSize extent = CellExtent(row, col);
            height = std::max(height, extent.height());
            widths[col] = std::max(widths[col], extent.width());
        }
        m_RowHeights.SetSize(row, height);
    }
    for (int col = 0; col < m_ColumnCount; ++col)
        m_ColumnWidths.SetSize(col, widths[col]);
    ResetScrollBars();
    Redraw();
}
