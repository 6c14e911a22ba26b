#include "GridCtrl.h"

#include "InPlaceEdit.h"
#include "TitleTip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols, QWidget* parent)
    : QAbstractScrollArea(parent), m_DropTarget(this)
{
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    // Painting covers every pixel, which also lets scrolling move pixels.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled);
    TakeSystemColours();
    m_crTextColour = m_crSysWindowText;
    m_crFixedTextColour = m_crSysWindowText;
    m_crTextBkColour = m_crSysWindow;
    m_crGridBkColour = m_crSysShadow;
    m_crFixedBkColour = m_crSysFace;
    // Read once, as the desktop's own lists do; see OnVScroll for page mode.
    m_nRowsPerWheelNotch = QApplication::wheelScrollLines();

    m_AutoScrollTimer.setInterval(kAutoScrollInterval);
    connect(&m_AutoScrollTimer, &QTimer::timeout, this, &CGridCtrl::OnAutoScrollTick);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnScrollBarAction(Qt::Vertical, action); });
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnScrollBarAction(Qt::Horizontal, action); });

    m_TitleTip = new CTitleTip(this);
    ApplyFont();
    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);
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

bool CGridCtrl::SetRowCount(int nRows)
{
    if (nRows < 0 || nRows == m_nRows) {
        return nRows >= 0;
    }
    const bool shrinking = nRows < m_nRows;
    m_Cells.resize(static_cast<size_t>(nRows) * m_nCols);
    m_RowHeights.Resize(nRows, m_nDefCellHeight);
    m_nRows = nRows;
    m_nFixedRows = std::min(m_nFixedRows, nRows);
    if (shrinking) {
        if (m_idCurrentCell.row >= nRows) {
            m_idCurrentCell = CCellId();
        }
        for (auto it = m_UserValues.begin(); it != m_UserValues.end();) {
            it = int(it.key() >> 32) >= nRows ? m_UserValues.erase(it) : std::next(it);
        }
        // Blocks that reached past the new last row now end at it.
        for (int row = 0; row < nRows; ++row) {
            for (int col = 0; col < m_nCols; ++col) {
                CGridCell& cell = Cell(row, col);
                if (!cell.IsCovered() && row + cell.m_MergeRow >= nRows) {
                    cell.m_MergeRow = nRows - 1 - row;
                }
                if (row == nRows - 1) {
                    cell.m_MergeFlags &= ~CGridCell::ContinuesDown;
                }
            }
        }
        ClearSelection();
    }
    if (m_bAllowDraw) {
        ResetScrollBars();
        Redraw();
    }
    return true;
}

bool CGridCtrl::SetColumnCount(int nCols)
{
    if (nCols < 0 || nCols == m_nCols) {
        return nCols >= 0;
    }
    std::vector<CGridCell> cells(static_cast<size_t>(m_nRows) * nCols);
    const int kept = std::min(nCols, m_nCols);
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = 0; col < kept; ++col) {
            CGridCell& cell = cells[static_cast<size_t>(row) * nCols + col];
            cell = std::move(Cell(row, col));
            if (nCols < m_nCols) {
                if (!cell.IsCovered() && col + cell.m_MergeCol >= nCols) {
                    cell.m_MergeCol = nCols - 1 - col;
                }
                if (col == nCols - 1) {
                    cell.m_MergeFlags &= ~CGridCell::ContinuesRight;
                }
            }
        }
    }
    const bool shrinking = nCols < m_nCols;
    m_Cells.swap(cells);
    m_ColWidths.Resize(nCols, m_nDefCellWidth);
    m_nCols = nCols;
    m_nFixedCols = std::min(m_nFixedCols, nCols);
    if (shrinking) {
        if (m_idCurrentCell.col >= nCols) {
            m_idCurrentCell = CCellId();
        }
        for (auto it = m_UserValues.begin(); it != m_UserValues.end();) {
            it = int(it.key() & 0xFFFFFFFF) >= nCols ? m_UserValues.erase(it) : std::next(it);
        }
        ClearSelection();
    }
    if (m_bAllowDraw) {
        ResetScrollBars();
        Redraw();
    }
    return true;
}

bool CGridCtrl::SetFixedRowCount(int nFixedRows)
{
    if (nFixedRows < 0 || (nFixedRows > m_nRows && !SetRowCount(nFixedRows))) {
        return false;
    }
    if (m_idCurrentCell.row >= 0 && m_idCurrentCell.row < nFixedRows) {
        SetFocusCell(-1, -1);
    }
    m_nFixedRows = nFixedRows;
    if (m_bAllowDraw) {
        ResetScrollBars();
        Redraw();
    }
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int nFixedCols)
{
    if (nFixedCols < 0 || (nFixedCols > m_nCols && !SetColumnCount(nFixedCols))) {
        return false;
    }
    if (m_idCurrentCell.col >= 0 && m_idCurrentCell.col < nFixedCols) {
        SetFocusCell(-1, -1);
    }
    m_nFixedCols = nFixedCols;
    if (m_bAllowDraw) {
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
    m_ColWidths.Resize(0, 0);
    m_nRows = m_nCols = m_nFixedRows = m_nFixedCols = 0;
    m_UserValues.clear();
    m_idCurrentCell = CCellId();
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
    return row >= 0 && row < m_nRows ? m_RowHeights.Size(row) : -1;
}

int CGridCtrl::GetColumnWidth(int col) const
{
    return col >= 0 && col < m_nCols ? m_ColWidths.Size(col) : -1;
}

bool CGridCtrl::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= m_nRows || height < 0) {
        return false;
    }
    m_RowHeights.SetSize(row, height);
    return true;
}

bool CGridCtrl::SetColumnWidth(int col, int width)
{
    if (col < 0 || col >= m_nCols || width < 0) {
        return false;
    }
    m_ColWidths.SetSize(col, width);
    return true;
}

bool CGridCtrl::event(QEvent* event)
{
    // Tab moves between cells unless Ctrl is held or the grid leaves Tab to
    // the dialog.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && m_bHandleTabKey &&
            !(key->modifiers() & Qt::ControlModifier)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void CGridCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        ApplyFont();
    } else if (event->type() == QEvent::PaletteChange) {
        OnSystemColoursChanged();
    }
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
