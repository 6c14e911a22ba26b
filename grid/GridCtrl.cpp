#include "GridCtrl.h"

#include "InPlaceEdit.h"
#include "TitleTip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

namespace {
QRgb Opaque(const QColor& colour)
{
    return colour.rgb() & 0xFFFFFF;
}
} // namespace

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

// ---- Counts --------------------------------------------------------------

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

// ---- Sizes ---------------------------------------------------------------

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

// ---- Cells ---------------------------------------------------------------

const CGridCell* CGridCtrl::GetCell(int row, int col) const
{
    return IsValid(row, col) ? &Cell(row, col) : nullptr;
}

quint16 CGridCtrl::ColourIndex(QRgb colour)
{
    const auto it = std::find(m_Colours.begin(), m_Colours.end(), colour);
    if (it != m_Colours.end()) {
        return static_cast<quint16>(it - m_Colours.begin());
    }
    if (m_Colours.size() > 0xFFFF) {
        return 0;
    }
    m_Colours.push_back(colour);
    return static_cast<quint16>(m_Colours.size() - 1);
}

quint16 CGridCtrl::FontIndex(const QFont& font)
{
    if (font == this->font()) {
        return 0;
    }
    const auto it = std::find(m_CellFonts.begin() + 1, m_CellFonts.end(), font);
    if (it != m_CellFonts.end()) {
        return static_cast<quint16>(it - m_CellFonts.begin());
    }
    if (m_CellFonts.size() > 0xFFFF) {
        return 0;
    }
    m_CellFonts.push_back(font);
    return static_cast<quint16>(m_CellFonts.size() - 1);
}

const QFont& CGridCtrl::CellFont(const CGridCell& cell) const
{
    return cell.m_FontIndex == 0 ? font() : m_CellFonts[cell.m_FontIndex];
}

bool CGridCtrl::SetItem(const GridItem& item)
{
    if (!IsValid(item.row, item.col)) {
        return false;
    }
    CGridCell& cell = Cell(item.row, item.col);
    if (item.mask & GVIF_TEXT) {
        cell.m_Text = item.strText;
    }
    if (item.mask & GVIF_IMAGE) {
        cell.m_Image = static_cast<qint16>(std::clamp(item.iImage, -1, 0x7FFF));
    }
    if (item.mask & GVIF_PARAM) {
        if (item.lParam == 0) {
            m_UserValues.remove(CellKey(item.row, item.col));
        } else {
            m_UserValues.insert(CellKey(item.row, item.col), item.lParam);
        }
    }
    if (item.mask & GVIF_STATE) {
        SetItemState(item.row, item.col, item.state);
    }
    if (item.mask & GVIF_BKCLR) {
        cell.m_BkColourIndex = ColourIndex(item.crBkClr);
    }
    if (item.mask & GVIF_FGCLR) {
        cell.m_FgColourIndex = ColourIndex(item.crFgClr);
    }
    if (item.mask & GVIF_FORMAT) {
        cell.m_Format = static_cast<quint16>(item.nFormat);
    }
    if (item.mask & GVIF_FONT) {
        cell.m_FontIndex = FontIndex(item.font);
    }
    return true;
}

bool CGridCtrl::GetItem(GridItem& item) const
{
    if (!IsValid(item.row, item.col)) {
        return false;
    }
    const CGridCell& cell = Cell(item.row, item.col);
    if (item.mask & GVIF_TEXT) {
        item.strText = cell.m_Text;
    }
    if (item.mask & GVIF_IMAGE) {
        item.iImage = cell.m_Image;
    }
    if (item.mask & GVIF_PARAM) {
        item.lParam = m_UserValues.value(CellKey(item.row, item.col), 0);
    }
    if (item.mask & GVIF_STATE) {
        item.state = GetItemState(item.row, item.col);
    }
    if (item.mask & GVIF_BKCLR) {
        item.crBkClr = ColourAt(cell.m_BkColourIndex);
    }
    if (item.mask & GVIF_FGCLR) {
        item.crFgClr = ColourAt(cell.m_FgColourIndex);
    }
    if (item.mask & GVIF_FORMAT) {
        item.nFormat = cell.m_Format;
    }
    if (item.mask & GVIF_FONT) {
        item.font = CellFont(cell);
    }
    return true;
}

bool CGridCtrl::SetItemText(int row, int col, const QString& text)
{
    if (!IsValid(row, col)) {
        return false;
    }
    Cell(row, col).m_Text = text;
    return true;
}

QString CGridCtrl::GetItemText(int row, int col) const
{
    return IsValid(row, col) ? Cell(row, col).m_Text : QString();
}

bool CGridCtrl::SetItemState(int row, int col, unsigned state)
{
    if (!IsValid(row, col)) {
        return false;
    }
    // The selection is kept as ranges, not per cell, so that selecting
    // millions of cells costs nothing.
    const bool selected = state & GVIS_SELECTED;
    if (selected != IsCellSelected(row, col)) {
        if (selected) {
            m_Selection.push_back({row, col, row, col});
        } else {
            std::vector<CCellRange> remaining;
            for (const CCellRange& r : m_Selection) {
                if (!r.Contains(row, col)) {
                    remaining.push_back(r);
                    continue;
                }
                const CCellRange parts[] = {{r.minRow, r.minCol, row - 1, r.maxCol},
                                            {row + 1, r.minCol, r.maxRow, r.maxCol},
                                            {row, r.minCol, row, col - 1},
                                            {row, col + 1, row, r.maxCol}};
                for (const CCellRange& part : parts) {
                    if (part.IsValid()) {
                        remaining.push_back(part);
                    }
                }
            }
            m_Selection.swap(remaining);
        }
    }
    Cell(row, col).m_State = static_cast<quint8>(state & ~GVIS_SELECTED);
    return true;
}

unsigned CGridCtrl::GetItemState(int row, int col) const
{
    if (!IsValid(row, col)) {
        return 0;
    }
    return Cell(row, col).m_State | (IsCellSelected(row, col) ? GVIS_SELECTED : 0u);
}

bool CGridCtrl::SetItemFormat(int row, int col, unsigned format)
{
    if (!IsValid(row, col)) {
        return false;
    }
    Cell(row, col).m_Format = static_cast<quint16>(format);
    return true;
}

unsigned CGridCtrl::GetItemFormat(int row, int col) const
{
    return IsValid(row, col) ? Cell(row, col).m_Format : 0u;
}

bool CGridCtrl::IsCellEditable(int row, int col) const
{
    if (!m_bEditable || !IsValid(row, col) || IsCellFixed(row, col)) {
        return false;
    }
    const CGridCell& cell = Cell(row, col);
    return !(cell.m_State & GVIS_READONLY) && cell.m_MergeAttr == 0;
}

// ---- Font and colours ----------------------------------------------------

void CGridCtrl::ApplyFont()
{
    const QFontMetrics metrics(font());
    m_nMargin = metrics.horizontalAdvance(QLatin1Char(' '));
    m_nDefCellHeight = metrics.height() + metrics.leading() + 2 * m_nMargin;
    m_nDefCellWidth = 12 * metrics.averageCharWidth() + 2 * m_nMargin;
    for (CGridCell& cell : m_Cells) {
        cell.m_FontIndex = 0;
    }
    m_CellFonts.resize(1);
    Redraw();
}

void CGridCtrl::TakeSystemColours()
{
    const QPalette colours = palette();
    m_crSysWindowText = Opaque(colours.color(QPalette::Text));
    m_crSysWindow = Opaque(colours.color(QPalette::Base));
    m_crSysShadow = Opaque(colours.color(QPalette::Dark));
    m_crSysFace = Opaque(colours.color(QPalette::Button));
}

void CGridCtrl::OnSystemColoursChanged()
{
    const QRgb oldText = m_crSysWindowText;
    const QRgb oldWindow = m_crSysWindow;
    const QRgb oldShadow = m_crSysShadow;
    const QRgb oldFace = m_crSysFace;
    TakeSystemColours();
    const auto follow = [](QRgb& colour, QRgb oldSystem, QRgb newSystem) {
        if (colour == oldSystem) {
            colour = newSystem;
        }
    };
    follow(m_crTextColour, oldText, m_crSysWindowText);
    follow(m_crFixedTextColour, oldText, m_crSysWindowText);
    follow(m_crTextBkColour, oldWindow, m_crSysWindow);
    follow(m_crGridBkColour, oldShadow, m_crSysShadow);
    follow(m_crFixedBkColour, oldFace, m_crSysFace);
    Redraw();
}

void CGridCtrl::SetTextColour(QRgb colour)
{
    m_crTextColour = colour;
    Redraw();
}

void CGridCtrl::SetTextBkColour(QRgb colour)
{
    m_crTextBkColour = colour;
    Redraw();
}

void CGridCtrl::SetGridBkColour(QRgb colour)
{
    m_crGridBkColour = colour;
    Redraw();
}

void CGridCtrl::SetFixedTextColour(QRgb colour)
{
    m_crFixedTextColour = colour;
    Redraw();
}

void CGridCtrl::SetFixedBkColour(QRgb colour)
{
    m_crFixedBkColour = colour;
    Redraw();
}

void CGridCtrl::SetGridLines(int lines)
{
    m_nGridLines = std::clamp(lines, int(GVL_NONE), int(GVL_BOTH));
    Redraw();
}

void CGridCtrl::SetRedraw(bool allowDraw, bool resetScrollBars)
{
    m_bAllowDraw = allowDraw;
    if (allowDraw) {
        if (resetScrollBars) {
            ResetScrollBars();
        }
        Redraw();
    }
}

void CGridCtrl::EnableSelection(bool enable)
{
    m_bEnableSelection = enable;
    ClearSelection();
}

void CGridCtrl::Redraw()
{
    if (m_bAllowDraw) {
        viewport()->update();
    }
}

void CGridCtrl::RedrawCell(int row, int col)
{
    if (!m_bAllowDraw || !IsValid(row, col)) {
        return;
    }
    viewport()->update(BlockRect(GetMergedRange(row, col)));
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
