#include "grid/GridCtrl.h"

#include "grid/InPlaceEdit.h"
#include "grid/TitleTip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

CGridCtrl::CGridCtrl(int rows, int columns, int fixedRows, int fixedColumns, QWidget* parent)
    : QAbstractScrollArea(parent), m_DropTarget(this)
{
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    // Painting covers every pixel, which also lets scrolling move pixels.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled);
    TakeSystemColours();
    m_TextColour = m_SysWindowText;
    m_FixedTextColour = m_SysWindowText;
    m_TextBkColour = m_SysWindow;
    m_GridBkColour = m_SysShadow;
    m_FixedBkColour = m_SysFace;
    // Read once, as the desktop's own lists do; see OnVScroll for page mode.
    m_RowsPerWheelNotch = QApplication::wheelScrollLines();

    m_AutoScrollTimer.setInterval(AutoScrollInterval);
    connect(&m_AutoScrollTimer, &QTimer::timeout, this, &CGridCtrl::OnAutoScrollTick);
    connect(
        verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
        [this](int action) { OnScrollBarAction(Qt::Vertical, action); });
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnScrollBarAction(Qt::Horizontal, action); });

    m_TitleTip = new CTitleTip(this);
    ApplyFont();
    SetRowCount(rows);
    SetColumnCount(columns);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedColumns);
}

CGridCtrl::~CGridCtrl()
{
    // The edit ends while the grid can still take its text.
    EndInPlaceEdit();
    delete m_TitleTip;
}

bool CGridCtrl::Create(const QRect& rect, QWidget* parent)
{
    setParent(parent);
    setGeometry(rect);
    show();
    ResetScrollBars();
    return true;
}

bool CGridCtrl::SetRowCount(int count)
{
    if (count < 0 || count == m_RowCount)
        return count >= 0;
    const bool shrinking = count < m_RowCount;
    m_Cells.resize(static_cast<size_t>(count) * m_ColumnCount);
    m_RowHeights.Resize(count, m_DefaultRowHeight);
    m_RowCount = count;
    m_FixedRowCount = std::min(m_FixedRowCount, count);
    if (shrinking) {
        if (m_FocusCell.row >= count)
            m_FocusCell = CCellId();
        for (auto it = m_UserValues.begin(); it != m_UserValues.end();)
            it = int(it.key() >> 32) >= count ? m_UserValues.erase(it) : std::next(it);
        // Blocks that reached past the new last row now end at it.
        for (int row = 0; row < count; ++row) {
            for (int col = 0; col < m_ColumnCount; ++col) {
                CGridCell& cell = Cell(row, col);
                if (!cell.IsCovered() && row + cell.m_MergeRow >= count)
                    cell.m_MergeRow = count - 1 - row;
                if (row == count - 1)
                    cell.m_MergeFlags &= ~MergeFlag::ContinuesDown;
            }
        }
        ClearSelection();
    }
    if (m_AllowDraw) {
        ResetScrollBars();
        Redraw();
    }
    return true;
}

bool CGridCtrl::SetColumnCount(int count)
{
    if (count < 0 || count == m_ColumnCount)
        return count >= 0;
    std::vector<CGridCell> cells(static_cast<size_t>(m_RowCount) * count);
    const int kept = std::min(count, m_ColumnCount);
    for (int row = 0; row < m_RowCount; ++row) {
        for (int col = 0; col < kept; ++col) {
            CGridCell& cell = cells[static_cast<size_t>(row) * count + col];
            cell = std::move(Cell(row, col));
            if (count < m_ColumnCount) {
                if (!cell.IsCovered() && col + cell.m_MergeCol >= count)
                    cell.m_MergeCol = count - 1 - col;
                if (col == count - 1)
                    cell.m_MergeFlags &= ~MergeFlag::ContinuesRight;
            }
        }
    }
    const bool shrinking = count < m_ColumnCount;
    m_Cells.swap(cells);
    m_ColumnWidths.Resize(count, m_DefaultColumnWidth);
    m_ColumnCount = count;
    m_FixedColumnCount = std::min(m_FixedColumnCount, count);
    if (shrinking) {
        if (m_FocusCell.col >= count)
            m_FocusCell = CCellId();
        for (auto it = m_UserValues.begin(); it != m_UserValues.end();)
            it = int(it.key() & 0xFFFFFFFF) >= count ? m_UserValues.erase(it) : std::next(it);
        ClearSelection();
    }
    if (m_AllowDraw) {
        ResetScrollBars();
        Redraw();
    }
    return true;
}

bool CGridCtrl::SetFixedRowCount(int count)
{
    if (count < 0 || (count > m_RowCount && !SetRowCount(count)))
        return false;
    if (m_FocusCell.row >= 0 && m_FocusCell.row < count)
        SetFocusCell(-1, -1);
    m_FixedRowCount = count;
    if (m_AllowDraw) {
        ResetScrollBars();
        Redraw();
    }
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int count)
{
    if (count < 0 || (count > m_ColumnCount && !SetColumnCount(count)))
        return false;
    if (m_FocusCell.col >= 0 && m_FocusCell.col < count)
        SetFocusCell(-1, -1);
    m_FixedColumnCount = count;
    if (m_AllowDraw) {
        ResetScrollBars();
        Redraw();
    }
    return true;
}

void CGridCtrl::DeleteAllItems()
{
    EndInPlaceEdit();
    std::vector<CGridCell>().swap(m_Cells);
    m_RowHeights.Resize(0, 0);
    m_ColumnWidths.Resize(0, 0);
    m_RowCount = m_ColumnCount = m_FixedRowCount = m_FixedColumnCount = 0;
    m_UserValues.clear();
    m_FocusCell = CCellId();
    m_SelectionStartCell = CCellId();
    m_Selection.clear();
    m_PrevSelection.clear();
    m_Colours.resize(1);
    m_CellFonts.resize(1);
    ResetScrollBars();
    Redraw();
}

int CGridCtrl::GetRowHeight(int row) const
{
    return row >= 0 && row < m_RowCount ? m_RowHeights.Size(row) : -1;
}

int CGridCtrl::GetColumnWidth(int col) const
{
    return col >= 0 && col < m_ColumnCount ? m_ColumnWidths.Size(col) : -1;
}

bool CGridCtrl::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= m_RowCount || height < 0)
        return false;
    m_RowHeights.SetSize(row, height);
    return true;
}

bool CGridCtrl::SetColumnWidth(int col, int width)
{
    if (col < 0 || col >= m_ColumnCount || width < 0)
        return false;
    m_ColumnWidths.SetSize(col, width);
    return true;
}

bool CGridCtrl::event(QEvent* event)
{
    // Tab moves between cells unless Ctrl is held or the grid leaves Tab to
    // the dialog.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && m_HandleTabKey &&
            !(key->modifiers() & Qt::ControlModifier)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void CGridCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        ApplyFont();
    else if (event->type() == QEvent::PaletteChange)
        OnSystemColoursChanged();
    QAbstractScrollArea::changeEvent(event);
}

void CGridCtrl::resizeEvent(QResizeEvent* event)
{
    EndInPlaceEdit();
    QAbstractScrollArea::resizeEvent(event);
    ResetScrollBars();
}

void CGridCtrl::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    ResetScrollBars();
}
