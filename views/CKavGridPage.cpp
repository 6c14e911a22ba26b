#include "views/CKavGridPage.h"

#include "data/CDataStore.h"
#include "data/LimitColumnCells.h"
#include "data/LossTestRules.h"
#include "grid/GridCtrl.h"
#include "report/NameText.h"
#include "views/LossTableColumns.h"
#include "views/SharedTexts.h"
#include "views/VerdictSummaryLine.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {
// The grid leaves this band of the page above it to the summary line, or
// as much as the line and the gap below it need in a larger font.
constexpr int GridTopBand = 20;
constexpr int SummaryGap = 4;
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
    const int columns = grid.GetColumnCount();
    if (columns != LossTableColumnCount && columns != MostTableColumns)
        return;
    int tableWidth = 0;
    for (int col = 0; col < columns; ++col)
        tableWidth += widths.wanted[col];
    const bool fits = grid.viewport()->width() >= tableWidth;
    for (int col = 0; col < columns; ++col)
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

void WriteTitle(CGridCtrl& grid, int col, const LossTableColumn& column)
{
    grid.SetColumnWidth(col, column.width);
    grid.SetItemText(0, col, LossTableTitle(column));
    grid.SetItemFormat(0, col, CentredWordWrap);
}

void WriteTitles(CGridCtrl& grid)
{
    for (int col = 0; col < LossTableColumnCount; ++col)
        WriteTitle(grid, col, LossTableColumns[col]);
    // The grid's default height shows one line; most titles have their unit
    // on a second one.
    grid.AutoSizeRow(0);
}

// What a column of `title` and of `longest` as its longest text needs.
void MeasureColumn(const CGridCtrl& grid, ColumnWidths& widths, int col, int designWidth,
                   const std::string& longest)
{
    widths.text[col] =
        std::max(TextWidth(grid, grid.GetItemText(0, col)), TextWidth(grid, NameText(longest)));
    widths.wanted[col] = std::max(designWidth, widths.text[col]);
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

QRgb VerdictColour(Verdict verdict)
{
    const std::optional<uint32_t> fill = VerdictFill(verdict);
    return fill ? qRgb((*fill >> 16) & 0xFF, (*fill >> 8) & 0xFF, *fill & 0xFF) : DefaultColour;
}

CKavGridPage::CKavGridPage(const CDataStore& store, QWidget* parent)
    : QWidget(parent), m_Store(store), m_SummaryLine(new VerdictSummaryLine(this))
{
    m_SummaryLine->setObjectName(QStringLiteral("verdictSummary"));
    m_SummaryLine->setGeometry(SummaryLineRect());
    connect(m_SummaryLine, &VerdictSummaryLine::WorstMarginClicked, this, &CKavGridPage::SelectWorstMargin);
}

int CKavGridPage::BandHeight() const
{
    return std::max(GridTopBand, m_SummaryLine->sizeHint().height() + SummaryGap);
}

QRect CKavGridPage::SummaryLineRect() const
{
    return QRect(0, 0, width(), BandHeight() - SummaryGap);
}

QRect CKavGridPage::GridRect() const
{
    return rect().adjusted(0, BandHeight(), 0, 0);
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
    // Nothing is painted or measured until every cell is written.
    grid.SetRedraw(false);
    if (recordCount > 0) {
        grid.SetRowCount(1 + waveCount * static_cast<int>(recordCount));
        grid.SetColumnCount(m_LimitColumns ? MostTableColumns : LossTableColumnCount);
        grid.SetFixedRowCount(1);
        WriteTitles(grid);
        grid.SetFixedColumnCount(1);
        m_Longest = {};
        if (waveCount == 2)
            WriteRecords(grid, m_Store.GetKavRecords2(), m_Longest);
        else
            WriteRecords(grid, m_Store.GetKavRecords3(), m_Longest);
        for (int col = 0; col < LossTableColumnCount; ++col)
            MeasureColumn(grid, m_Widths, col, LossTableColumns[col].width, m_Longest[col]);
    }
    Certify();
    grid.SetRedraw(true, true);
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
    m_SummaryLine->setGeometry(SummaryLineRect());
    if (!m_pGrid)
        return;
    m_pGrid->setGeometry(GridRect());
    FitColumns(*m_pGrid, m_Widths);
}

void CKavGridPage::SetLimits(const TestLimits& limits)
{
    m_Limits = limits;
    Certify();
    if (m_pGrid) {
        FitColumns(*m_pGrid, m_Widths);
        m_pGrid->viewport()->update();
    }
}

void CKavGridPage::ShowLimitColumns(bool shown)
{
    if (shown == m_LimitColumns)
        return;
    m_LimitColumns = shown;
    if (!m_pGrid || m_pGrid->GetRowCount() == 0)
        return;
    m_pGrid->SetColumnCount(shown ? MostTableColumns : LossTableColumnCount);
    if (shown)
        ShowVerdicts();
    FitColumns(*m_pGrid, m_Widths);
    m_pGrid->viewport()->update();
}

void CKavGridPage::Certify()
{
    m_Verdicts = CertifyLossTests(m_Store, m_Limits);
    m_Summary = Summarize(m_Verdicts);
    m_SummaryLine->ShowSummary(m_Store, m_Verdicts, m_Summary, m_Limits);
    if (m_pGrid)
        ShowVerdicts();
}

void CKavGridPage::ShowVerdicts()
{
    CGridCtrl& grid = *m_pGrid;
    const int waves = m_Verdicts.WaveCount();
    const size_t records = m_Verdicts.RecordCount();
    // The table may hold other records only until the view fills it again.
    if (waves == 0 || grid.GetRowCount() != 1 + waves * static_cast<int>(records))
        return;
    // Under the user's limit the instrument's own Pass/Fail is the second of
    // two verdicts: its title says whose it is.
    const int instrumentCol = static_cast<int>(KavColumn::Verdict);
    WriteTitle(grid, instrumentCol,
               m_Limits.method == LimitMethod::Instrument ? LossTableColumns[instrumentCol]
                                                          : InstrumentVerdictColumn);
    MeasureColumn(grid, m_Widths, instrumentCol, LossTableColumns[instrumentCol].width,
                  m_Longest[instrumentCol]);
    GridItem colour;
    colour.mask = ItemMask::BkColour;
    SharedTexts texts[LimitColumnCount];
    std::array<std::string, LimitColumnCount> longest;
    std::string text;
    int row = 1;
    for (size_t k = 0; k < records; ++k) {
        for (int i = 0; i < waves; ++i, ++row) {
            const WaveVerdict& wave = m_Verdicts.At(k, i);
            colour.row = row;
            for (const Direction d : Directions) {
                colour.col = static_cast<int>(d == Direction::AB ? KavColumn::LossAB : KavColumn::LossBA);
                colour.bkColour = VerdictColour(wave.VerdictOf(d));
                grid.SetItem(colour);
            }
            for (int c = 0; m_LimitColumns && c < LimitColumnCount; ++c) {
                text.clear();
                AppendLimitCellText(text, wave, LimitColumnOrder[c]);
                const int col = LossTableColumnCount + c;
                grid.SetItemText(row, col, texts[c].Of(text));
                grid.SetItemFormat(row, col, CentredWordWrap);
                if (text.size() > longest[static_cast<size_t>(c)].size())
                    longest[static_cast<size_t>(c)] = text;
            }
        }
    }
    for (int c = 0; m_LimitColumns && c < LimitColumnCount; ++c) {
        const int col = LossTableColumnCount + c;
        WriteTitle(grid, col, LimitColumns[c]);
        MeasureColumn(grid, m_Widths, col, LimitColumns[c].width, longest[static_cast<size_t>(c)]);
    }
}

void CKavGridPage::SelectWorstMargin()
{
    if (!m_pGrid || !m_Summary.worst || m_pGrid->GetRowCount() == 0)
        return;
    CGridCtrl& grid = *m_pGrid;
    const VerdictPlace& worst = *m_Summary.worst;
    const int waves = m_Verdicts.WaveCount();
    const int first = 1 + waves * static_cast<int>(worst.record);
    const int row = first + worst.wave;
    const int col =
        static_cast<int>(worst.direction == Direction::AB ? KavColumn::LossAB : KavColumn::LossBA);
    // From the Cable column on, so that a copy names the cable.
    grid.SetSelectedRange({first, 0, first + waves - 1, grid.GetColumnCount() - 1});
    grid.SetFocusCell(row, col);
    grid.EnsureVisible(first + waves - 1, col);
    grid.EnsureVisible(first, col);
    grid.setFocus(Qt::OtherFocusReason);
}
