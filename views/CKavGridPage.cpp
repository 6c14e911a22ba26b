#include "views/CKavGridPage.h"

#include "data/CDataStore.h"
#include "data/LimitColumnCells.h"
#include "data/LossTestRules.h"
#include "grid/GridCtrl.h"
#include "report/NameText.h"
#include "views/LossTableColumns.h"
#include "views/SharedTexts.h"
#include "views/VerdictSummaryLine.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {
// The grid leaves this band of the page above it to the summary line, or
// as much as the line and the gap below it need in a larger font.
constexpr int GridTopBand = 20;
constexpr int SummaryGap = 4;
constexpr int GridControlId = 1000;
// The Cable column stays in place when the table scrolls sideways.
constexpr int FixedColumns = 1;

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
    if (columns == 0 || columns > static_cast<int>(LossTableColumnCount))
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

// The width `font` needs for `text`, line by line, as the grid lays it out:
// to the fraction of a pixel, which a whole-pixel measure may round away and
// so break a word at any scaling.
int TextWidth(const CGridCtrl& grid, const QFont& font, const QString& text)
{
    const QFontMetricsF metrics(font, grid.viewport());
    qreal width = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        width = std::max(width, metrics.horizontalAdvance(line));
    return static_cast<int>(std::ceil(width)) + 2 * (grid.GetMargin() + TextSlack);
}

// The face of the titles at their widest: the focus's column draws its
// title heavier.
QFont TitleFont(const CGridCtrl& grid)
{
    QFont font = grid.font();
    font.setWeight(QFont::DemiBold);
    return font;
}

// The titles of the columns from `first` on, `underLimit` when a limit
// other than the instrument's is chosen.
void WriteTitles(CGridCtrl& grid, const ShownLossColumns& shown, int first, bool underLimit)
{
    for (int col = first; col < static_cast<int>(shown.size()); ++col) {
        grid.SetColumnWidth(col, shown[col]->gridWidth);
        grid.SetItemText(0, col, LossTableTitle(*shown[col], underLimit));
        grid.SetItemFormat(0, col, CentredWordWrap);
    }
    // The grid's default height shows one line; most titles have their unit
    // on a second one.
    grid.AutoSizeRow(0);
}

// What a column of `title` and of `longest` as its longest text needs.
void MeasureColumn(const CGridCtrl& grid, ColumnWidths& widths, int col, int designWidth,
                   const std::string& longest)
{
    widths.text[col] = std::max(TextWidth(grid, TitleFont(grid), grid.GetItemText(0, col)),
                                TextWidth(grid, grid.font(), NameText(longest)));
    widths.wanted[col] = std::max(designWidth, widths.text[col]);
}

// The texts of the shown columns from `first` on whose values are the
// records' (the verdicts' come with the verdicts), one row per wavelength
// from row 1 on; the merged columns merge each record's rows and have its
// text in every one. Keeps each column's longest text, whose width the
// column needs: the values have fixed forms and names are at most 16 bytes,
// so the longest is the widest in all but the rarest mix of letters.
template <typename Record>
void WriteRecords(CGridCtrl& grid, const std::vector<Record>& records, const ShownLossColumns& shown,
                  int first, std::vector<std::string>& longest)
{
    std::vector<int> written;
    for (int col = first; col < static_cast<int>(shown.size()); ++col)
        if (!shown[col]->value.ofVerdict)
            written.push_back(col);
    std::vector<SharedTexts> texts(written.size()); // by the place in `written`
    std::string text;
    int row = 1;
    for (const Record& record : records) {
        const KavRecordView view = ViewOf(record);
        const int extraRows = view.waveCount - 1;
        for (const int col : written) {
            if (!shown[col]->merged)
                continue;
            if (col < FixedColumns)
                grid.MergeFixedCells(row, col, extraRows, 0);
            else
                grid.MergeCells(row, col, extraRows, 0, 0);
        }
        for (int wave = 0; wave < view.waveCount; ++wave, ++row) {
            for (size_t w = 0; w < written.size(); ++w) {
                const int col = written[w];
                text.clear();
                AppendLossCellText(text, *shown[col], view, wave, nullptr);
                grid.SetItemText(row, col, texts[w].Of(text));
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
    m_Shown = LossColumnsInGrid(m_LimitColumns);
    const int waveCount = m_Store.KavWaveCount() == 2 ? 2 : 3;
    const size_t recordCount =
        waveCount == 2 ? m_Store.GetKavRecords2().size() : m_Store.GetKavRecords3().size();
    // Nothing is painted or measured until every cell is written.
    grid.SetRedraw(false);
    if (recordCount > 0) {
        grid.SetRowCount(1 + waveCount * static_cast<int>(recordCount));
        grid.SetColumnCount(static_cast<int>(m_Shown.size()));
        grid.SetFixedRowCount(1);
        grid.SetFixedColumnCount(FixedColumns);
        WriteColumns(0);
    }
    Certify();
    grid.SetRedraw(true, true);
    FitColumns(grid, m_Widths);
    grid.ResetHorizontalScroll();
    grid.ScrollToTop();
}

void CKavGridPage::WriteColumns(int first)
{
    CGridCtrl& grid = *m_pGrid;
    WriteTitles(grid, m_Shown, first, m_Limits.method != LimitMethod::Instrument);
    m_Longest.resize(m_Shown.size());
    for (size_t col = static_cast<size_t>(first); col < m_Longest.size(); ++col)
        m_Longest[col].clear();
    if (m_Store.KavWaveCount() == 2)
        WriteRecords(grid, m_Store.GetKavRecords2(), m_Shown, first, m_Longest);
    else
        WriteRecords(grid, m_Store.GetKavRecords3(), m_Shown, first, m_Longest);
    for (int col = first; col < static_cast<int>(m_Shown.size()); ++col)
        if (!m_Shown[col]->value.ofVerdict)
            MeasureColumn(grid, m_Widths, col, m_Shown[col]->gridWidth, m_Longest[col]);
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
    // The columns before the first that comes or goes keep their cells, so
    // the table keeps its place; those after it are written anew.
    const ShownLossColumns before = m_Shown;
    m_Shown = LossColumnsInGrid(shown);
    int first = 0;
    while (first < static_cast<int>(std::min(before.size(), m_Shown.size())) &&
           before[first] == m_Shown[first])
        ++first;
    m_pGrid->SetColumnCount(first);
    m_pGrid->SetColumnCount(static_cast<int>(m_Shown.size()));
    WriteColumns(first);
    // The verdicts' texts, and the loss cells' colours where those cells are new.
    if (shown || std::min(ColumnOf(KavColumn::LossAB), ColumnOf(KavColumn::LossBA)) >= first)
        ShowVerdicts();
    FitColumns(*m_pGrid, m_Widths);
    m_pGrid->viewport()->update();
}

int CKavGridPage::ColumnOf(LossValue value) const
{
    return ::ColumnOf(m_Shown, value);
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
    if (const int instrument = ColumnOf(KavColumn::Verdict); instrument >= 0) {
        const LossTableColumn& column = *m_Shown[instrument];
        grid.SetItemText(0, instrument, LossTableTitle(column, m_Limits.method != LimitMethod::Instrument));
        MeasureColumn(grid, m_Widths, instrument, column.gridWidth, m_Longest[instrument]);
    }
    std::vector<int> verdictColumns;
    for (int col = 0; col < static_cast<int>(m_Shown.size()); ++col)
        if (m_Shown[col]->value.ofVerdict)
            verdictColumns.push_back(col);
    const int lossColumns[] = {ColumnOf(KavColumn::LossAB), ColumnOf(KavColumn::LossBA)};
    GridItem colour;
    colour.mask = ItemMask::BkColour;
    // By the place in verdictColumns.
    std::vector<SharedTexts> texts(verdictColumns.size());
    std::vector<std::string> longest(verdictColumns.size());
    std::string text;
    int row = 1;
    for (size_t k = 0; k < records; ++k) {
        const KavRecordView record = KavRecordAt(m_Store, k);
        for (int i = 0; i < waves; ++i, ++row) {
            const WaveVerdict& wave = m_Verdicts.At(k, i);
            colour.row = row;
            for (const Direction d : Directions) {
                colour.col = lossColumns[d == Direction::AB ? 0 : 1];
                colour.bkColour = VerdictColour(wave.VerdictOf(d));
                grid.SetItem(colour);
            }
            for (size_t v = 0; v < verdictColumns.size(); ++v) {
                const int col = verdictColumns[v];
                text.clear();
                AppendLossCellText(text, *m_Shown[col], record, i, &wave);
                grid.SetItemText(row, col, texts[v].Of(text));
                grid.SetItemFormat(row, col, CentredWordWrap);
                if (text.size() > longest[v].size())
                    longest[v] = text;
            }
        }
    }
    for (size_t v = 0; v < verdictColumns.size(); ++v)
        MeasureColumn(grid, m_Widths, verdictColumns[v], m_Shown[verdictColumns[v]]->gridWidth, longest[v]);
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
    const int col = ColumnOf(worst.direction == Direction::AB ? KavColumn::LossAB : KavColumn::LossBA);
    // From the Cable column on, so that a copy names the cable.
    grid.SetSelectedRange({first, 0, first + waves - 1, grid.GetColumnCount() - 1});
    grid.SetFocusCell(row, col);
    grid.EnsureVisible(first + waves - 1, col);
    grid.EnsureVisible(first, col);
    grid.setFocus(Qt::OtherFocusReason);
}
