#pragma once

#include "AxisSizes.h"
#include "CellRange.h"
#include "GridCell.h"
#include "GridDropTarget.h"
#include "GridFormat.h"
#include "GridItem.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <vector>

class CInPlaceEdit;
class CTitleTip;
class QPainter;

enum GridLines
{
    GVL_NONE = 0,
    GVL_HORZ = 1,
    GVL_VERT = 2,
    GVL_BOTH = 3,
};

// Scroll requests, with the codes of the desktop scroll bar messages and the
// two row-wise codes the wheel uses.
enum GridScroll
{
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ROWUP = 9,
    SB_ROWDOWN = 10,
};

// How an in-place edit was started; it decides where the caret goes and
// whether the starting key is applied.
enum class EditStart
{
    Mouse,      // click or double click: caret after the text
    Enter,      // caret after the text
    Backspace,  // caret after the text, last character removed
    Navigation, // Tab, space, paging and arrow keys: whole text selected
    Character,  // the typed text replaces the whole text
};

// A table window of text cells with fixed rows at the top and fixed columns at
// the left, merged blocks, selection, resizing, clipboard and scrolling.
class CGridCtrl : public QAbstractScrollArea
{
    Q_OBJECT

public:
    enum MouseMode
    {
        MOUSE_NOTHING = 0,
        MOUSE_SELECT_ALL = 1,
        MOUSE_SELECT_COL = 2,
        MOUSE_SELECT_ROW = 3,
        MOUSE_SELECT_CELLS = 4,
        MOUSE_OVER_ROW_DIVIDE = 6,
        MOUSE_SIZING_ROW = 7,
        MOUSE_OVER_COL_DIVIDE = 8,
        MOUSE_SIZING_COL = 9,
        MOUSE_PREPARE_EDIT = 10,
        MOUSE_PREPARE_DRAG = 11,
        MOUSE_DRAGGING = 12,
    };

    explicit CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0,
                       QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // Places the grid in its parent and shows it.
    bool Create(const QRect& rect, QWidget* parent);

    // Counts and sizes.
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    bool SetRowCount(int nRows);
    bool SetColumnCount(int nCols);
    bool SetFixedRowCount(int nFixedRows);
    bool SetFixedColumnCount(int nFixedCols);
    void DeleteAllItems();
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    bool SetRowHeight(int row, int height);
    bool SetColumnWidth(int col, int width);
    int GetFixedRowHeight() const { return m_RowHeights.Start(m_nFixedRows); }
    int GetFixedColumnWidth() const { return m_ColWidths.Start(m_nFixedCols); }
    int GetVirtualHeight() const { return m_RowHeights.Total(); }
    int GetVirtualWidth() const { return m_ColWidths.Total(); }
    int GetDefaultRowHeight() const { return m_nDefCellHeight; }
    int GetDefaultColumnWidth() const { return m_nDefCellWidth; }
    int GetMargin() const { return m_nMargin; }
    void ExpandColumnsToFit();
    bool AutoSizeColumn(int col);
    bool AutoSizeRow(int row);
    void AutoSize();

    // Cells.
    bool SetItem(const GridItem& item);
    bool GetItem(GridItem& item) const;
    bool SetItemText(int row, int col, const QString& text);
    QString GetItemText(int row, int col) const;
    bool SetItemState(int row, int col, unsigned state);
    unsigned GetItemState(int row, int col) const;
    bool SetItemFormat(int row, int col, unsigned format);
    unsigned GetItemFormat(int row, int col) const;
    bool IsValid(int row, int col) const { return row >= 0 && row < m_nRows && col >= 0 && col < m_nCols; }
    bool IsCellFixed(int row, int col) const { return row < m_nFixedRows || col < m_nFixedCols; }
    bool IsCellEditable(int row, int col) const;
    const CGridCell* GetCell(int row, int col) const;

    // Merged blocks.
    bool MergeCells(int row, int col, int extraRows, int extraCols, int mergeAttr);
    bool MergeFixedCells(int row, int col, int extraRows, int extraCols);
    bool SplitCell(int row, int col);
    // The block that (row, col) belongs to; a single cell when it is not merged.
    CCellRange GetMergedRange(int row, int col) const;

    // Geometry, in viewport coordinates.
    bool GetCellRect(int row, int col, QRect& rect) const;
    CCellId GetCellFromPt(const QPoint& point) const;
    CCellId GetTopleftNonFixedCell() const;
    CCellRange GetVisibleNonFixedCellRange() const;
    bool IsCellVisible(int row, int col) const;
    bool IsCellFullyVisible(int row, int col) const;
    void EnsureVisible(int row, int col);

    // Scrolling.
    void ResetScrollBars();
    void ResetHorizontalScroll();
    void ScrollToTop();
    void OnVScroll(GridScroll code, int position = 0);
    void OnHScroll(GridScroll code, int position = 0);
    // Rows per wheel notch, taken from the platform at construction. A
    // negative value, or one of a visible page or more, scrolls by pages.
    int GetWheelScrollLines() const { return m_nRowsPerWheelNotch; }
    void SetWheelScrollLines(int lines) { m_nRowsPerWheelNotch = lines; }

    // Focus and selection.
    CCellId GetFocusCell() const { return m_idCurrentCell; }
    void SetFocusCell(int row, int col);
    void SetSelectedRange(const CCellRange& range, bool keepPrevious = false);
    void ClearSelection();
    bool IsCellSelected(int row, int col) const;
    bool IsSelectionEmpty() const;
    void SelectAllCells();
    void SelectRows(CCellId current);
    void SelectColumns(CCellId current);

    // Clipboard and editing commands, with their enabled states.
    QString CopyText() const;
    bool CanCopy() const { return !IsSelectionEmpty(); }
    bool CanCut() const { return m_bEditable && !IsSelectionEmpty(); }
    bool CanPaste() const;
    bool CanSelectAll() const { return m_bEnableSelection; }
    void OnEditCopy();
    void OnEditCut();
    bool OnEditPaste();
    void OnEditSelectAll();
    // Writes comma-, tab- and line-separated fields from the cell onwards.
    void PasteText(const QString& text, CCellId target);
    void SortTextItems(int col, bool ascending);

    // In-place editing.
    void OnEditCell(int row, int col, EditStart how, const QString& typed = QString());
    void OnEndEditCell(int row, int col, const QString& text, int lastKey);
    CInPlaceEdit* GetInPlaceEdit() const;
    CTitleTip* GetTitleTip() const { return m_TitleTip; }

    // Colours and options.
    QRgb GetTextColour() const { return m_crTextColour; }
    QRgb GetTextBkColour() const { return m_crTextBkColour; }
    QRgb GetGridBkColour() const { return m_crGridBkColour; }
    QRgb GetFixedTextColour() const { return m_crFixedTextColour; }
    QRgb GetFixedBkColour() const { return m_crFixedBkColour; }
    QRgb GetGridColour() const { return m_crGridColour; }
    void SetTextColour(QRgb colour);
    void SetTextBkColour(QRgb colour);
    void SetGridBkColour(QRgb colour);
    void SetFixedTextColour(QRgb colour);
    void SetFixedBkColour(QRgb colour);
    void SetGridColour(QRgb colour) { m_crGridColour = colour; }
    int GetGridLines() const { return m_nGridLines; }
    void SetGridLines(int lines);
    bool IsEditable() const { return m_bEditable; }
    void SetEditable(bool editable) { m_bEditable = editable; }
    bool GetDragAndDropAllowed() const { return m_bAllowDragAndDrop; }
    void SetDragAndDropAllowed(bool allowed) { m_bAllowDragAndDrop = allowed; }
    bool GetListMode() const { return m_bListMode; }
    void SetListMode(bool listMode) { m_bListMode = listMode; }
    bool GetRedraw() const { return m_bAllowDraw; }
    void SetRedraw(bool allowDraw, bool resetScrollBars = false);
    bool IsSelectionEnabled() const { return m_bEnableSelection; }
    void EnableSelection(bool enable);
    void SetSortOnClick(bool sort) { m_bSortOnClick = sort; }
    bool GetHandleTabKey() const { return m_bHandleTabKey; }
    void SetHandleTabKey(bool handle) { m_bHandleTabKey = handle; }
    bool GetTitleTips() const { return m_bTitleTips; }
    void EnableTitleTips(bool enable) { m_bTitleTips = enable; }
    void SetRowResize(bool allow) { m_bAllowRowResize = allow; }
    void SetColumnResize(bool allow) { m_bAllowColumnResize = allow; }
    MouseMode GetMouseMode() const { return m_MouseMode; }

signals:
    // After a left button release over the grid, with the cell under it.
    void clicked(int row, int col);
    // Before and after the text of a cell is changed by the user.
    void beginEdit(int row, int col);
    void endEdit(int row, int col);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Storage.
    CGridCell& Cell(int row, int col) { return m_Cells[static_cast<size_t>(row) * m_nCols + col]; }
    const CGridCell& Cell(int row, int col) const { return m_Cells[static_cast<size_t>(row) * m_nCols + col]; }
    quint16 ColourIndex(QRgb colour);
    QRgb ColourAt(quint16 index) const { return m_Colours[index]; }
    quint16 FontIndex(const QFont& font);
    const QFont& CellFont(const CGridCell& cell) const;
    static quint64 CellKey(int row, int col) { return (quint64(quint32(row)) << 32) | quint32(col); }
    void ApplyFont();
    void TakeSystemColours();
    void OnSystemColoursChanged();
    void Redraw();
    void RedrawCell(int row, int col);

    // Layout.
    int RowTop(int row) const;
    int ColumnLeft(int col) const;
    int TopRow() const;
    int LeftColumn() const;
    int VisibleBottomRow() const;
    int VisibleRightColumn() const;
    QRect BlockRect(const CCellRange& block) const;
    QSize CellExtent(int row, int col) const;
    bool MouseOverRowDivide(const QPoint& point) const;
    bool MouseOverColumnDivide(const QPoint& point) const;

    // Painting.
    void EraseBackground(QPainter& painter, const QRect& clip);
    void PaintBand(QPainter& painter, const QRect& clip, int row0, int row1, int col0, int col1, bool fixed);
    void DrawCell(QPainter& painter, const QRect& rect, const CCellRange& block);
    void DrawFixedCell(QPainter& painter, const QRect& rect, const CCellRange& block);
    void DrawCellText(QPainter& painter, const QString& text, QRect rect, unsigned format, const QFont& font);
    void DrawGridLines(QPainter& painter, const QRect& clip);
    void InvalidateBlocksAtEdges(int oldTop, int oldLeft);

    // Scrolling.
    int VScrollPos() const;
    int HScrollPos() const;
    void SetVScrollPos(int pos);
    void SetHScrollPos(int pos);
    void OnScrollBarAction(Qt::Orientation orientation, int action);

    // Input.
    bool HandleNavigationKey(int key, Qt::KeyboardModifiers modifiers);
    void MoveFocusTo(CCellId next, int key, Qt::KeyboardModifiers modifiers);
    void ExtendSelectionTo(CCellId current);
    void OnAutoScrollTick();
    void StartSizing(Qt::Orientation orientation, int index);
    void DeleteFocusCellText();
    void ClearCellsWithNotification(const std::vector<CCellId>& cells);
    CCellRange SelectionBounds() const;
    void OfferTitleTip(const QPoint& point);
    void EndInPlaceEdit();
    void CancelMouseMode();

    // Colours.
    QRgb m_crTextColour = 0;
    QRgb m_crTextBkColour = 0;
    QRgb m_crGridBkColour = 0;
    QRgb m_crFixedTextColour = 0;
    QRgb m_crFixedBkColour = 0;
    QRgb m_crGridColour = 0xC0C0C0;
    // The system colours the five colours above were taken from.
    QRgb m_crSysWindowText = 0;
    QRgb m_crSysWindow = 0;
    QRgb m_crSysShadow = 0;
    QRgb m_crSysFace = 0;

    int m_nGridLines = GVL_BOTH;
    bool m_bEditable = true;
    bool m_bAllowDragAndDrop = false;
    bool m_bListMode = false;
    bool m_bAllowDraw = true;
    bool m_bEnableSelection = true;
    bool m_bSortOnClick = true;
    bool m_bHandleTabKey = true;
    bool m_bTitleTips = true;
    bool m_bAllowRowResize = true;
    bool m_bAllowColumnResize = true;

    int m_nRows = 0;
    int m_nFixedRows = 0;
    int m_nCols = 0;
    int m_nFixedCols = 0;
    CAxisSizes m_RowHeights;
    CAxisSizes m_ColWidths;
    int m_nDefCellHeight = 10;
    int m_nDefCellWidth = 30;
    int m_nMargin = 0;

    std::vector<CGridCell> m_Cells; // row-major, m_nRows * m_nCols
    std::vector<QRgb> m_Colours{kDefaultColour};
    std::vector<QFont> m_CellFonts{QFont()}; // index 0 stands for the grid's font
    QHash<quint64, qint32> m_UserValues;     // the rare cells with a user value

    CCellId m_idCurrentCell;
    CCellId m_SelectionStartCell;
    std::vector<CCellRange> m_Selection;
    std::vector<CCellRange> m_PrevSelection; // kept while Ctrl is held

    MouseMode m_MouseMode = MOUSE_NOTHING;
    CCellId m_LeftClickDownCell;
    QPoint m_LeftClickDownPoint;
    QPoint m_LastMousePoint;
    bool m_bHadFocusOnPress = false;
    int m_nSizingIndex = -1;
    int m_nTrackingLine = -1; // pixel of the divider line while sizing

    QTimer m_AutoScrollTimer;
    static constexpr int kAutoScrollInterval = 25;
    static constexpr int kResizeCaptureRange = 3;
    int m_nRowsPerWheelNotch = 3;
    int m_nWheelRemainder = 0;

    int m_SortColumn = -1;
    bool m_bSortAscending = true;

    // The top row and left column last painted, to scroll pixels by the
    // sizes of the rows and columns that came in or went out.
    int m_PaintedTopRow = 0;
    int m_PaintedLeftCol = 0;
    bool m_bInResetScrollBars = false;

    QPointer<CInPlaceEdit> m_InPlaceEdit;
    CTitleTip* m_TitleTip = nullptr;
    CGridDropTarget m_DropTarget;
};
