#pragma once

#include "grid/AxisSizes.h"
#include "grid/BitFlags.h"
#include "grid/CellRange.h"
#include "grid/GridCell.h"
#include "grid/GridDropTarget.h"
#include "grid/GridFormat.h"
#include "grid/GridItem.h"
#include "grid/GridScroll.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <vector>

class CInPlaceEdit;
class CTitleTip;
class QPainter;

// Which grid lines are drawn between the non-fixed cells.
enum class GridLines
{
    Neither = 0,
    Horizontal = 1,
    Vertical = 2,
    Both = 3,
};

template <> struct BitFlagsEnabled<GridLines> : std::true_type
{
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
    // What a press of the left button started; Nothing between presses.
    enum class MouseMode
    {
        Nothing = 0,
        SelectAll = 1,
        SelectColumns = 2,
        SelectRows = 3,
        SelectCells = 4,
        OverRowDivider = 6,
        SizingRow = 7,
        OverColumnDivider = 8,
        SizingColumn = 9,
        PrepareEdit = 10,
        PrepareDrag = 11,
        Dragging = 12,
    };

    explicit CGridCtrl(int rows = 0, int columns = 0, int fixedRows = 0, int fixedColumns = 0,
                       QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // Places the grid in its parent and shows it.
    bool Create(const QRect& rect, QWidget* parent);

    // Counts and sizes.
    int GetRowCount() const { return m_RowCount; }
    int GetColumnCount() const { return m_ColumnCount; }
    int GetFixedRowCount() const { return m_FixedRowCount; }
    int GetFixedColumnCount() const { return m_FixedColumnCount; }
    bool SetRowCount(int count);
    bool SetColumnCount(int count);
    bool SetFixedRowCount(int count);
    bool SetFixedColumnCount(int count);
    void DeleteAllItems();
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    bool SetRowHeight(int row, int height);
    bool SetColumnWidth(int col, int width);
    int GetFixedRowHeight() const { return m_RowHeights.Start(m_FixedRowCount); }
    int GetFixedColumnWidth() const { return m_ColumnWidths.Start(m_FixedColumnCount); }
    int GetVirtualHeight() const { return m_RowHeights.Total(); }
    int GetVirtualWidth() const { return m_ColumnWidths.Total(); }
    int GetDefaultRowHeight() const { return m_DefaultRowHeight; }
    int GetDefaultColumnWidth() const { return m_DefaultColumnWidth; }
    int GetMargin() const { return m_Margin; }
    void ExpandColumnsToFit();
    bool AutoSizeColumn(int col);
    bool AutoSizeRow(int row);
    void AutoSize();

    // Cells.
    bool SetItem(const GridItem& item);
    bool GetItem(GridItem& item) const;
    bool SetItemText(int row, int col, const QString& text);
    QString GetItemText(int row, int col) const;
    bool SetItemState(int row, int col, CellState state);
    CellState GetItemState(int row, int col) const;
    bool SetItemFormat(int row, int col, CellFormat format);
    CellFormat GetItemFormat(int row, int col) const;
    bool IsValid(int row, int col) const
    {
        return row >= 0 && row < m_RowCount && col >= 0 && col < m_ColumnCount;
    }
    bool IsCellFixed(int row, int col) const { return row < m_FixedRowCount || col < m_FixedColumnCount; }
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
    int GetWheelScrollLines() const { return m_RowsPerWheelNotch; }
    void SetWheelScrollLines(int lines) { m_RowsPerWheelNotch = lines; }

    // Focus and selection.
    CCellId GetFocusCell() const { return m_FocusCell; }
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
    bool CanCut() const { return m_Editable && !IsSelectionEmpty(); }
    bool CanPaste() const;
    bool CanSelectAll() const { return m_SelectionEnabled; }
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
    QRgb GetTextColour() const { return m_TextColour; }
    QRgb GetTextBkColour() const { return m_TextBkColour; }
    QRgb GetGridBkColour() const { return m_GridBkColour; }
    QRgb GetFixedTextColour() const { return m_FixedTextColour; }
    QRgb GetFixedBkColour() const { return m_FixedBkColour; }
    QRgb GetGridColour() const { return m_GridColour; }
    void SetTextColour(QRgb colour);
    void SetTextBkColour(QRgb colour);
    void SetGridBkColour(QRgb colour);
    void SetFixedTextColour(QRgb colour);
    void SetFixedBkColour(QRgb colour);
    void SetGridColour(QRgb colour) { m_GridColour = colour; }
    GridLines GetGridLines() const { return m_GridLines; }
    void SetGridLines(GridLines lines);
    // A copy for a spreadsheet: select-all takes the fixed columns too, and
    // a copy starts with the fixed rows of its columns, each title on one
    // line, so that every pasted line can be told apart.
    bool GetCopyTitles() const { return m_CopyTitles; }
    void SetCopyTitles(bool copy) { m_CopyTitles = copy; }
    bool IsEditable() const { return m_Editable; }
    void SetEditable(bool editable) { m_Editable = editable; }
    bool GetDragAndDropAllowed() const { return m_AllowDragAndDrop; }
    void SetDragAndDropAllowed(bool allowed) { m_AllowDragAndDrop = allowed; }
    bool GetListMode() const { return m_ListMode; }
    void SetListMode(bool listMode) { m_ListMode = listMode; }
    bool GetRedraw() const { return m_AllowDraw; }
    void SetRedraw(bool allowDraw, bool resetScrollBars = false);
    bool IsSelectionEnabled() const { return m_SelectionEnabled; }
    void EnableSelection(bool enable);
    void SetSortOnClick(bool sort) { m_SortOnClick = sort; }
    bool GetHandleTabKey() const { return m_HandleTabKey; }
    void SetHandleTabKey(bool handle) { m_HandleTabKey = handle; }
    bool GetTitleTips() const { return m_TitleTipsEnabled; }
    void EnableTitleTips(bool enable) { m_TitleTipsEnabled = enable; }
    void SetRowResize(bool allow) { m_AllowRowResize = allow; }
    void SetColumnResize(bool allow) { m_AllowColumnResize = allow; }
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
    CGridCell& Cell(int row, int col) { return m_Cells[static_cast<size_t>(row) * m_ColumnCount + col]; }
    const CGridCell& Cell(int row, int col) const
    {
        return m_Cells[static_cast<size_t>(row) * m_ColumnCount + col];
    }
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
    int TopRowAt(int scrollPos) const; // the top row at a vertical scroll position
    // The top row once the view is scrolled by `code`, without scrolling it.
    int TopRowAfter(GridScroll code) const;
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
    void DrawCellText(QPainter& painter, const QString& text, QRect rect, CellFormat format,
                      const QFont& font);
    void DrawWrappedCellText(QPainter& painter, const QString& text, const QRect& rect, int flags);
    void DrawGridLines(QPainter& painter, const QRect& clip);
    void InvalidateBlocksAtEdges(int oldTop, int oldLeft);

    // Scrolling.
    int VScrollPos() const;
    int HScrollPos() const;
    void SetVScrollPos(int pos);
    void SetHScrollPos(int pos);
    int VScrollTarget(GridScroll code, int position) const; // where OnVScroll would scroll to
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
    QRgb m_TextColour = 0;
    QRgb m_TextBkColour = 0;
    QRgb m_GridBkColour = 0;
    QRgb m_FixedTextColour = 0;
    QRgb m_FixedBkColour = 0;
    QRgb m_GridColour = 0xC0C0C0;
    // The system colours the five colours above were taken from.
    QRgb m_SysWindowText = 0;
    QRgb m_SysWindow = 0;
    QRgb m_SysShadow = 0;
    QRgb m_SysFace = 0;

    GridLines m_GridLines = GridLines::Both;
    bool m_Editable = true;
    bool m_CopyTitles = false;
    bool m_AllowDragAndDrop = false;
    bool m_ListMode = false;
    bool m_AllowDraw = true;
    bool m_SelectionEnabled = true;
    bool m_SortOnClick = true;
    bool m_HandleTabKey = true;
    bool m_TitleTipsEnabled = true;
    bool m_AllowRowResize = true;
    bool m_AllowColumnResize = true;

    int m_RowCount = 0;
    int m_FixedRowCount = 0;
    int m_ColumnCount = 0;
    int m_FixedColumnCount = 0;
    CAxisSizes m_RowHeights;
    CAxisSizes m_ColumnWidths;
    int m_DefaultRowHeight = 10;
    int m_DefaultColumnWidth = 30;
    int m_Margin = 0;

    std::vector<CGridCell> m_Cells; // row-major, m_RowCount * m_ColumnCount
    std::vector<QRgb> m_Colours{DefaultColour};
    std::vector<QFont> m_CellFonts{QFont()}; // index 0 stands for the grid's font
    QHash<quint64, qint32> m_UserValues;     // the rare cells with a user value

    CCellId m_FocusCell;
    CCellId m_SelectionStartCell;
    std::vector<CCellRange> m_Selection;
    std::vector<CCellRange> m_PrevSelection; // kept while Ctrl is held

    MouseMode m_MouseMode = MouseMode::Nothing;
    CCellId m_LeftClickDownCell;
    QPoint m_LeftClickDownPoint;
    QPoint m_LastMousePoint;
    bool m_HadFocusOnPress = false;
    int m_SizingIndex = -1;
    int m_TrackingLine = -1; // pixel of the divider line while sizing

    QTimer m_AutoScrollTimer;
    static constexpr int AutoScrollInterval = 25;
    static constexpr int ResizeCaptureRange = 3;
    int m_RowsPerWheelNotch = 3;
    int m_WheelRemainder = 0;

    int m_SortColumn = -1;
    bool m_SortAscending = true;

    // The top row and left column last painted, to scroll pixels by the
    // sizes of the rows and columns that came in or went out.
    int m_PaintedTopRow = 0;
    int m_PaintedLeftColumn = 0;
    bool m_InResetScrollBars = false;

    QPointer<CInPlaceEdit> m_InPlaceEdit;
    CTitleTip* m_TitleTip = nullptr;
    CGridDropTarget m_DropTarget;
};
