#include "grid/GridCtrl.h"
#include "platform/draw/TextFitting.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace {
// The width of the frame that marks a selected cell of its own colour.
constexpr int SelectionFrame = 2;

QColor FromRgb(QRgb colour)
{
    return QColor::fromRgb(colour | 0xFF000000);
}
} // namespace

void CGridCtrl::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect clip = event->rect();
    EraseBackground(painter, clip);
    if (m_RowCount == 0 || m_ColumnCount == 0)
        return;
    const CCellRange visible = GetVisibleNonFixedCellRange();
    m_PaintedTopRow = visible.minRow;
    m_PaintedLeftColumn = visible.minCol;
    PaintBand(painter, clip, 0, m_FixedRowCount - 1, 0, m_FixedColumnCount - 1, true);
    PaintBand(painter, clip, visible.minRow, visible.maxRow, 0, m_FixedColumnCount - 1, true);
    PaintBand(painter, clip, 0, m_FixedRowCount - 1, visible.minCol, visible.maxCol, true);
    PaintBand(painter, clip, visible.minRow, visible.maxRow, visible.minCol, visible.maxCol, false);
    DrawGridLines(painter, clip);
    if (m_TrackingLine >= 0) {
        const QRect line = m_MouseMode == MouseMode::SizingColumn
                               ? QRect(m_TrackingLine, 0, 2, viewport()->height())
                               : QRect(0, m_TrackingLine, viewport()->width(), 2);
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(line, Qt::black);
    }
}

void CGridCtrl::EraseBackground(QPainter& painter, const QRect& clip)
{
    const int width = viewport()->width();
    const int height = viewport()->height();
    const CCellRange visible = GetVisibleNonFixedCellRange();
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();
    int cellsRight = fixedWidth;
    if (visible.maxCol >= visible.minCol && visible.minCol < m_ColumnCount)
        cellsRight = ColumnLeft(visible.maxCol) + m_ColumnWidths.Size(visible.maxCol);
    int cellsBottom = fixedHeight;
    if (visible.maxRow >= visible.minRow && visible.minRow < m_RowCount)
        cellsBottom = RowTop(visible.maxRow) + m_RowHeights.Size(visible.maxRow);
    cellsRight = std::min(cellsRight, width);
    cellsBottom = std::min(cellsBottom, height);
    const QColor fixedBk = FromRgb(m_FixedBkColour);
    const QColor gridBk = FromRgb(m_GridBkColour);
    painter.fillRect(clip & QRect(0, 0, cellsRight, fixedHeight), fixedBk);
    painter.fillRect(clip & QRect(0, fixedHeight, fixedWidth, cellsBottom - fixedHeight), fixedBk);
    painter.fillRect(clip &
                         QRect(fixedWidth, fixedHeight, cellsRight - fixedWidth, cellsBottom - fixedHeight),
                     FromRgb(m_TextBkColour));
    painter.fillRect(clip & QRect(cellsRight, 0, width - cellsRight, height), gridBk);
    painter.fillRect(clip & QRect(0, cellsBottom, cellsRight, height - cellsBottom), gridBk);
}

void CGridCtrl::PaintBand(QPainter& painter, const QRect& clip, int row0, int row1, int col0, int col1,
                          bool fixed)
{
    if (row0 < 0 || col0 < 0 || row1 < row0 || col1 < col0)
        return;
    // Only rows and columns that meet the clip box are painted.
    while (row0 <= row1 && RowTop(row0) + m_RowHeights.Size(row0) <= clip.top())
        ++row0;
    while (row1 >= row0 && RowTop(row1) > clip.bottom())
        --row1;
    while (col0 <= col1 && ColumnLeft(col0) + m_ColumnWidths.Size(col0) <= clip.left())
        ++col0;
    while (col1 >= col0 && ColumnLeft(col1) > clip.right())
        --col1;
    if (row1 < row0 || col1 < col0)
        return;
    const int left0 = ColumnLeft(col0);
    int top = RowTop(row0);
    for (int row = row0; row <= row1; ++row) {
        const int height = m_RowHeights.Size(row);
        int left = left0;
        for (int col = col0; col <= col1; ++col) {
            const int width = m_ColumnWidths.Size(col);
            const CGridCell& cell = Cell(row, col);
            if (!cell.IsMerged()) {
                const QRect rect(left, top, width, height);
                const CCellRange single{row, col, row, col};
                fixed ? DrawFixedCell(painter, rect, single) : DrawCell(painter, rect, single);
            } else {
                // A block is painted once, at its first cell in this band.
                const CCellRange block = GetMergedRange(row, col);
                if (row == std::max(block.minRow, row0) && col == std::max(block.minCol, col0)) {
                    const QRect rect = BlockRect(block);
                    fixed ? DrawFixedCell(painter, rect, block) : DrawCell(painter, rect, block);
                }
            }
            left += width;
        }
        top += height;
    }
}

void CGridCtrl::DrawCell(QPainter& painter, const QRect& rect, const CCellRange& block)
{
    if (!m_AllowDraw)
        return;
    const CGridCell& cell = Cell(block.minRow, block.minCol);
    const bool printing = painter.device()->devType() == QInternal::Printer;
    const bool focused = block.Contains(m_FocusCell.row, m_FocusCell.col) && !printing;
    const QRgb bk = cell.m_BkColourIndex ? ColourAt(cell.m_BkColourIndex) : m_TextBkColour;
    QRgb fg = cell.m_FgColourIndex ? ColourAt(cell.m_FgColourIndex) : m_TextColour;
    // The right and bottom pixels belong to the grid lines.
    QRect area = rect.adjusted(0, 0, -1, -1);
    if (focused) {
        painter.fillRect(area, FromRgb(bk));
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        area.adjust(1, 1, -1, -1);
    } else if (IsCellSelected(block.minRow, block.minCol) && cell.m_BkColourIndex) {
        // A cell's own background says something (a verdict) that a
        // selection must not hide: it keeps it, framed in the highlight
        // colour, and its text keeps the colour it is readable in.
        const QColor highlight = palette().color(QPalette::Highlight);
        painter.fillRect(area, FromRgb(bk));
        for (const QRect& edge :
             {QRect(area.left(), area.top(), area.width(), SelectionFrame),
              QRect(area.left(), area.bottom() + 1 - SelectionFrame, area.width(), SelectionFrame),
              QRect(area.left(), area.top(), SelectionFrame, area.height()),
              QRect(area.right() + 1 - SelectionFrame, area.top(), SelectionFrame, area.height())})
            painter.fillRect(edge, highlight);
    } else if (IsCellSelected(block.minRow, block.minCol)) {
        painter.fillRect(area, palette().color(QPalette::Highlight));
        fg = palette().color(QPalette::HighlightedText).rgb();
    } else {
        painter.fillRect(area, FromRgb(bk));
    }
    if (Has(cell.m_State, CellState::DropHighlighted) && !printing) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -2, -2));
    }
    painter.setPen(FromRgb(fg));
    DrawCellText(painter, cell.m_Text, area.adjusted(m_Margin, 0, -m_Margin, 0), cell.m_Format,
                 CellFont(cell));
}

void CGridCtrl::DrawFixedCell(QPainter& painter, const QRect& rect, const CCellRange& block)
{
    if (!m_AllowDraw)
        return;
    const CGridCell& cell = Cell(block.minRow, block.minCol);
    const QRgb bk = cell.m_BkColourIndex ? ColourAt(cell.m_BkColourIndex) : m_FixedBkColour;
    const QRgb fg = cell.m_FgColourIndex ? ColourAt(cell.m_FgColourIndex) : m_FixedTextColour;
    painter.fillRect(rect.adjusted(0, 0, -1, -1), FromRgb(bk));
    const bool inFocusLine =
        m_FocusCell.IsValid() && ((m_FocusCell.row >= block.minRow && m_FocusCell.row <= block.maxRow) ||
                                  (m_FocusCell.col >= block.minCol && m_FocusCell.col <= block.maxCol));
    const int right = rect.right();
    const int bottom = rect.bottom();
    QFont font = CellFont(cell);
    if (inFocusLine) {
        font.setWeight(QFont::DemiBold);
        // Sunken: dark at the top and left, light at the bottom and right.
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawLine(rect.left(), rect.top(), right, rect.top());
        painter.drawLine(rect.left(), rect.top(), rect.left(), bottom);
        painter.setPen(palette().color(QPalette::Midlight));
        painter.drawLine(right, rect.top() + 1, right, bottom);
        painter.drawLine(rect.left() + 1, bottom, right, bottom);
    } else {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(right - 1, rect.top(), rect.left(), rect.top());
        painter.drawLine(rect.left(), rect.top(), rect.left(), bottom - 1);
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawLine(right, rect.top(), right, bottom);
        painter.drawLine(right, bottom, rect.left(), bottom);
    }
    const bool mergedInFixedRows =
        block.maxRow < m_FixedRowCount && (block.maxRow > block.minRow || block.maxCol > block.minCol);
    const CellFormat format = mergedInFixedRows ? FixedMergeFormat : cell.m_Format;
    painter.setPen(FromRgb(fg));
    DrawCellText(painter, cell.m_Text, rect.adjusted(1 + m_Margin, 1, -1 - m_Margin, -1), format, font);
}

void CGridCtrl::DrawCellText(QPainter& painter, const QString& text, QRect rect, CellFormat format,
                             const QFont& font)
{
    if (text.isEmpty() || rect.width() <= 0 || rect.height() <= 0)
        return;
    // The painter holds the grid's font; most cells use it unchanged.
    const bool ownFont = !font.isCopyOf(this->font());
    if (ownFont)
        painter.setFont(font);
    const int flags = QtTextFlags(format);
    if (Has(format, CellFormat::EndEllipsis | CellFormat::SingleLine))
        painter.drawText(rect, flags, painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width()));
    else if (Has(format, CellFormat::SingleLine) || !Has(format, CellFormat::WordBreak))
        painter.drawText(rect, flags, text);
    else
        DrawWrappedCellText(painter, text, rect, flags);
    if (ownFont)
        painter.setFont(this->font());
}

// Wrapped as an edit control wraps, a long word broken inside itself; but a
// centred value that cannot be shown whole on the lines the cell has is
// narrowed, or shown as "###", rather than cut to a part that reads like
// another value.
void CGridCtrl::DrawWrappedCellText(QPainter& painter, const QString& text, const QRect& rect, int flags)
{
    const auto alignment = static_cast<Qt::Alignment>(flags) & Qt::AlignHorizontal_Mask;
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QStringList lines = EditControlLines(text, metrics, rect.width());
    if (lines.size() * metrics.height() > rect.height() + 0.5 && (alignment & Qt::AlignHCenter) &&
        metrics.horizontalAdvance(text) > rect.width() && !text.contains(QLatin1Char('\n'))) {
        const QFont font = painter.font();
        const FittedValue fitted =
            FitCentredValue(font, text, painter.fontMetrics().horizontalAdvance(text), rect.width());
        painter.setFont(fitted.font);
        painter.drawText(rect, (flags & ~Qt::TextWordWrap) | Qt::TextSingleLine, fitted.text);
        painter.setFont(font);
        return;
    }
    DrawEditControlText(painter, rect, text, alignment, true);
}

void CGridCtrl::DrawGridLines(QPainter& painter, const QRect& clip)
{
    if (m_GridLines == GridLines::Neither)
        return;
    const CCellRange visible = GetVisibleNonFixedCellRange();
    if (visible.minRow >= m_RowCount || visible.minCol >= m_ColumnCount)
        return;
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();
    const int right =
        std::min(viewport()->width(), ColumnLeft(visible.maxCol) + m_ColumnWidths.Size(visible.maxCol));
    const int bottom =
        std::min(viewport()->height(), RowTop(visible.maxRow) + m_RowHeights.Size(visible.maxRow));
    // Lines stop at merged blocks: each line is laid down in runs over the
    // cells whose border it is, and every pixel is inverted once, crossings
    // included.
    QRegion lines;
    if (Has(m_GridLines, GridLines::Vertical)) {
        for (int col = visible.minCol; col <= visible.maxCol; ++col) {
            const int x = ColumnLeft(col) + m_ColumnWidths.Size(col) - 1;
            if (x < clip.left() || x > clip.right())
                continue;
            int runStart = fixedHeight;
            int y = fixedHeight;
            for (int row = visible.minRow; row <= visible.maxRow; ++row) {
                const int height = m_RowHeights.Size(row);
                if (Cell(row, col).ContinuesToRight()) {
                    lines += QRect(x, runStart, 1, y - runStart);
                    runStart = std::min(y + height, bottom);
                }
                y += height;
            }
            lines += QRect(x, runStart, 1, bottom - runStart);
        }
    }
    if (Has(m_GridLines, GridLines::Horizontal)) {
        for (int row = visible.minRow; row <= visible.maxRow; ++row) {
            const int y = RowTop(row) + m_RowHeights.Size(row) - 1;
            if (y < clip.top() || y > clip.bottom())
                continue;
            int runStart = fixedWidth;
            int x = fixedWidth;
            for (int col = visible.minCol; col <= visible.maxCol; ++col) {
                const int width = m_ColumnWidths.Size(col);
                if (Cell(row, col).ContinuesBelow()) {
                    lines += QRect(runStart, y, x - runStart, 1);
                    runStart = std::min(x + width, right);
                }
                x += width;
            }
            lines += QRect(runStart, y, right - runStart, 1);
        }
    }
    lines &= clip;
    painter.save();
    // Inverted lines show on any background; where the device cannot invert
    // (a printer) they are drawn in the grid-line colour.
    if (painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const QRect& rect : lines)
        painter.fillRect(rect, FromRgb(m_GridColour));
    painter.restore();
}
