#include "views/CKavGridPage.h"

#include "data/CDataStore.h"
#include "data/LossTestRules.h"
#include "grid/GridCtrl.h"
#include "views/LossTableColumns.h"
#include "views/SharedTexts.h"

#include <vector>

namespace {
// The grid leaves this band of the page empty above it.
constexpr int GridTopBand = 20;
constexpr int GridControlId = 1000;

static_assert(LossTableColumnCount == KavColumnCount, "one title per loss-test column");

// The columns widen to fill the window and narrow with it, as the grid's fit
// shares out the difference, but none by more than this: a narrower window
// scrolls sideways, with the Cable column in place, instead of cutting every
// value short.
constexpr int MostNarrowing = 8;

void FitColumns(CGridCtrl& grid)
{
    if (grid.GetColumnCount() != LossTableColumnCount)
        return;
    int tableWidth = 0;
    for (int col = 0; col < LossTableColumnCount; ++col) {
        grid.SetColumnWidth(col, LossTableColumns[col].width);
        tableWidth += LossTableColumns[col].width;
    }
    if (grid.viewport()->width() >= tableWidth - MostNarrowing * LossTableColumnCount)
        grid.ExpandColumnsToFit();
    else
        for (int col = 0; col < LossTableColumnCount; ++col)
            grid.SetColumnWidth(col, LossTableColumns[col].width - MostNarrowing);
    grid.ResetHorizontalScroll();
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
template <typename Record> void WriteRecords(CGridCtrl& grid, const std::vector<Record>& records)
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
                grid.SetItemFormat(row, col, CentredWordWrap);
            }
        }
    }
}
} // namespace

CKavGridPage::CKavGridPage(const CDataStore& store, QWidget* parent) : QWidget(parent), m_Store(store)
{
    m_RebuildTimer.setSingleShot(true);
    m_RebuildTimer.setInterval(RebuildDelayMs);
    connect(&m_RebuildTimer, &QTimer::timeout, this, &CKavGridPage::RebuildGrid);
}

QRect CKavGridPage::GridRect() const
{
    return rect().adjusted(0, GridTopBand, 0, 0);
}

void CKavGridPage::FillGrid(int waveCount)
{
    // A rebuild that was waiting for the size to settle happens now.
    if (m_RebuildTimer.isActive()) {
        m_RebuildTimer.stop();
        DestroyGrid();
    }
    if (!m_pGrid) {
        m_pGrid = new CGridCtrl();
        m_pGrid->setObjectName(QStringLiteral("grid%1").arg(GridControlId));
        m_pGrid->Create(GridRect(), this);
    } else {
        m_pGrid->DeleteAllItems();
    }
    CGridCtrl& grid = *m_pGrid;
    const size_t recordCount =
        waveCount == 2 ? m_Store.GetKavRecords2().size() : m_Store.GetKavRecords3().size();
    if (recordCount > 0) {
        const int rowsPerRecord = waveCount == 2 ? 2 : 3;
        // Nothing is painted or measured until every cell is written.
        grid.SetRedraw(false);
        grid.SetRowCount(1 + rowsPerRecord * static_cast<int>(recordCount));
        grid.SetColumnCount(KavColumnCount);
        grid.SetFixedRowCount(1);
        WriteTitles(grid);
        grid.SetFixedColumnCount(1);
        if (waveCount == 2)
            WriteRecords(grid, m_Store.GetKavRecords2());
        else
            WriteRecords(grid, m_Store.GetKavRecords3());
        grid.SetRedraw(true, true);
    }
    FitColumns(grid);
    grid.ScrollToTop();
}

void CKavGridPage::RefreshGrid()
{
    FillGrid(m_Store.KavWaveCount() == 2 ? 2 : 3);
}

void CKavGridPage::ResizeGrid()
{
    if (!m_pGrid)
        return;
    // Meanwhile the old grid follows the page, its columns fitted to it.
    m_pGrid->setGeometry(GridRect());
    FitColumns(*m_pGrid);
    if (!isHidden())
        m_RebuildTimer.start();
}

void CKavGridPage::RebuildGrid()
{
    if (isHidden())
        return;
    // The keyboard stays with the table, so Ctrl+C goes on working.
    const bool hadFocus = m_pGrid && m_pGrid->hasFocus();
    DestroyGrid();
    RefreshGrid();
    if (hadFocus)
        m_pGrid->setFocus();
}

void CKavGridPage::DestroyGrid()
{
    delete m_pGrid;
    m_pGrid = nullptr;
}
