#include "views/CKavGridPage.h"

#include "data/CDataStore.h"
#include "data/LossTestRules.h"
#include "grid/GridCtrl.h"
#include "report/NameText.h"
#include "views/LossTableColumns.h"
#include "views/SharedTexts.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {
// The grid leaves this band of the page empty above it.
constexpr int GridTopBand = 20;
constexpr int GridControlId = 1000;

static_assert(LossTableColumnCount == KavColumnCount, "one title per loss-test column");

// The columns widen to fill the window; a narrower window takes up to this
// much off each column, never cutting its texts, and then scrolls sideways,
// with the Cable column in place.
constexpr int MostNarrowing = 8;
// Room around a text in its cell: the grid's margin on either side and the
// grid line.
constexpr int TextSlack = 1;

// Also after a resize, so the scroll position is left as it is.
void FitColumns(CGridCtrl& grid, const ColumnWidths& widths)
{
    if (grid.GetColumnCount() != LossTableColumnCount)
        return;
    int tableWidth = 0;
    for (const int width : widths.wanted)
        tableWidth += width;
    const bool fits = grid.viewport()->width() >= tableWidth;
    for (int col = 0; col < LossTableColumnCount; ++col)
        grid.SetColumnWidth(col, fits ? widths.wanted[col]
                                      : std::max(widths.text[col], widths.wanted[col] - MostNarrowing));
    if (grid.GetVirtualWidth() <= grid.viewport()->width())
        grid.ExpandColumnsToFit();
}

// The width the grid's font needs for `text`, line by line.
int TextWidth(const CGridCtrl& grid, const QString& text)
{
    int width = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        width = std::max(width, grid.fontMetrics().horizontalAdvance(line));
    return width + 2 * (grid.GetMargin() + TextSlack);
}

void WriteTitles(CGridCtrl& grid)
{
    for (int col = 0; col < LossTableColumnCount; ++col) {
        grid.SetColumnWidth(col, LossTableColumns[col].width);
        grid.SetItemText(0, col, LossTableTitle(LossTableColumns[col]));
        grid.SetItemFormat(0, col, CentredWordWrap);
    }
    // The grid's default height shows one line; most titles have their unit
    // on a second one.
    grid.AutoSizeRow(0);
}

// One row per wavelength, from row 1 on; Cable (a fixed column), Fiber, Date
// and Time are merged over each record's rows and written into every one.
// Keeps each column's longest text, whose width the column needs: the values
// have fixed forms and names are at most 16 bytes, so the longest is the
// widest in all but the rarest mix of letters.
template <typename Record>
void WriteRecords(CGridCtrl& grid, const std::vector<Record>& records,
                  std::array<std::string, KavColumnCount>& longest)
{
    SharedTexts texts[KavColumnCount];
    std::string text;
    int row = 1;
    for (const Record& record : records) {
        const KavRecordView view = ViewOf(record);
        const int extraRows = view.waveCount - 1;
        grid.MergeFixedCells(row, 0, extraRows, 0);
        for (const KavColumn merged : {KavColumn::Fiber, KavColumn::Date, KavColumn::Time})
            grid.MergeCells(row, static_cast<int>(merged), extraRows, 0, 0);
        for (int wave = 0; wave < view.waveCount; ++wave, ++row) {
            for (int col = 0; col < KavColumnCount; ++col) {
                text.clear();
                AppendKavCellText(text, view, wave, static_cast<KavColumn>(col));
                grid.SetItemText(row, col, texts[col].Of(text));
                if (text.size() > longest[col].size())
                    longest[col] = text;
                grid.SetItemFormat(row, col, CentredWordWrap);
            }
        }
    }
}
} // namespace

CKavGridPage::CKavGridPage(const CDataStore& store, QWidget* parent) : QWidget(parent), m_Store(store) {}

QRect CKavGridPage::GridRect() const
{
    return rect().adjusted(0, GridTopBand, 0, 0);
}

void CKavGridPage::FillGrid()
{
    if (!m_pGrid) {
        m_pGrid = new CGridCtrl();
        m_pGrid->setObjectName(QStringLiteral("grid%1").arg(GridControlId));
        m_pGrid->SetEditable(false);
        m_pGrid->SetCopyTitles(true);
        m_pGrid->Create(GridRect(), this);
    } else {
        m_pGrid->DeleteAllItems();
    }
    m_Filled = true;
    CGridCtrl& grid = *m_pGrid;
    const int waveCount = m_Store.KavWaveCount() == 2 ? 2 : 3;
    const size_t recordCount =
        waveCount == 2 ? m_Store.GetKavRecords2().size() : m_Store.GetKavRecords3().size();
    if (recordCount > 0) {
        // Nothing is painted or measured until every cell is written.
        grid.SetRedraw(false);
        grid.SetRowCount(1 + waveCount * static_cast<int>(recordCount));
        grid.SetColumnCount(KavColumnCount);
        grid.SetFixedRowCount(1);
        WriteTitles(grid);
        grid.SetFixedColumnCount(1);
        std::array<std::string, KavColumnCount> longest;
        if (waveCount == 2)
            WriteRecords(grid, m_Store.GetKavRecords2(), longest);
        else
            WriteRecords(grid, m_Store.GetKavRecords3(), longest);
        for (int col = 0; col < LossTableColumnCount; ++col) {
            m_Widths.text[col] =
                std::max(TextWidth(grid, grid.GetItemText(0, col)), TextWidth(grid, NameText(longest[col])));
            m_Widths.wanted[col] = std::max(LossTableColumns[col].width, m_Widths.text[col]);
        }
        grid.SetRedraw(true, true);
    }
    FitColumns(grid, m_Widths);
    grid.ResetHorizontalScroll();
    grid.ScrollToTop();
}

void CKavGridPage::ShowGrid()
{
    if (!m_Filled)
        FillGrid();
}

void CKavGridPage::ResizeGrid()
{
    if (!m_pGrid)
        return;
    m_pGrid->setGeometry(GridRect());
    FitColumns(*m_pGrid, m_Widths);
}
