#include "data/CDataStore.h"
#include "data/FieldText.h"
#include "data/LossTableColumns.h"
#include "data/Verdicts.h"
#include "report/CReport.h"
#include "report/NameText.h"
#include "report/RecordDateTime.h"
#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"
#include "report/ReportText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {
constexpr int ContinuationTop = 60; // where the heading row starts on a page without the header block
constexpr int HeadingHeight = 48;
constexpr int SubRowHeight = 24;

// A column of the report with its edges.
struct PlacedColumn
{
    const LossTableColumn* column;
    int left;
    int right;
};

// The columns the report shows, left to right.
const std::vector<PlacedColumn>& Placed()
{
    static const std::vector<PlacedColumn> placed = [] {
        std::vector<PlacedColumn> columns;
        int x = CReport::KavTableLeft;
        for (const int c : OrderOf(LossTableColumns, ReportPositionOf)) {
            if (c == NotPlaced)
                break;
            const LossTableColumn& column = LossTableColumns[static_cast<size_t>(c)];
            columns.push_back({&column, x, x + column.reportWidth});
            x += column.reportWidth;
        }
        return columns;
    }();
    return placed;
}

void PrintHeadingRow(DrawContext& dc, int top)
{
    for (const PlacedColumn& placed : Placed()) {
        const LossTableColumn& column = *placed.column;
        Box(dc, placed.left, top, placed.right, top + HeadingHeight);
        DrawCentred(dc, Edges(placed.left, top + 6, placed.right, top + 24),
                    ReportText("Report", column.reportTitle));
        if (column.reportUnit)
            DrawCentred(dc, Edges(placed.left, top + 24, placed.right, top + HeadingHeight),
                        column.reportUnit);
    }
}

// The mean of the record's lengths, "N/A" when it is negative or no number.
QString MeanLengthText(const KavRecordView& record)
{
    float sum = 0.0f;
    for (int w = 0; w < record.waveCount; ++w)
        sum += record.length[w];
    const float mean = sum / static_cast<float>(record.waveCount);
    if (!(mean >= 0.0f))
        return QStringLiteral("N/A");
    return QString::number(static_cast<double>(mean), 'f', 3);
}

// A direction's margin, "N/A" where it has none.
QString MarginText(const WaveVerdict& wave, Direction direction)
{
    if (!wave.HasMargin(direction))
        return QStringLiteral("N/A");
    std::string text;
    AppendHundredths(text, wave.Margin(direction));
    return QString::fromStdString(text);
}

// A verdict column's text for one direction of `wave`.
QString VerdictCellText(const LossTableColumn& column, const WaveVerdict& wave, Direction direction)
{
    if (column.value.verdict == LimitColumn::Margin)
        return MarginText(wave, direction);
    return ReportText("Report", VerdictText(wave.VerdictOf(direction)));
}

// The two directions' texts in the sub-row from `top` to `bottom`: A->B
// over B->A, as the wavelength column names them, or one text over both
// where they are the same.
void DrawDirections(DrawContext& dc, int left, int top, int right, int bottom, const QString& ab,
                    const QString& ba)
{
    if (ab == ba) {
        DrawCentred(dc, Edges(left, top, right, bottom), ab);
        return;
    }
    const int middle = (top + bottom) / 2;
    DrawCentred(dc, Edges(left, top, right, middle), ab);
    DrawCentred(dc, Edges(left, middle, right, bottom), ba);
}

} // namespace

QPoint CReport::KavLayoutEnd(int waveCount)
{
    // A header block's page with as many record blocks as it holds.
    const KavPaging paging = PagingOf(waveCount);
    constexpr int HeaderBottom = 816;
    return QPoint(Placed().back().right,
                  HeaderBottom + HeadingHeight + paging.firstPage * (waveCount + 1) * SubRowHeight);
}

void CReport::PrintKav2Page(DrawContext& dc, const PrintInfo& info)
{
    PrintKavPage(dc, info, 2);
}

void CReport::PrintKav3Page(DrawContext& dc, const PrintInfo& info)
{
    PrintKavPage(dc, info, 3);
}

const LossTestVerdicts& CReport::KavVerdicts(int waveCount)
{
    // Worked out for the store's records as they are when a page is printed.
    if (m_Verdicts.WaveCount() != waveCount ||
        m_Verdicts.RecordCount() != static_cast<size_t>(KavRecordCount(waveCount)))
        m_Verdicts = CertifyLossTests(m_Store, m_Table.limits);
    return m_Verdicts;
}

void CReport::PrintKavPage(DrawContext& dc, const PrintInfo& info, int waveCount)
{
    SelectedFont restored(dc, ReportFont::Heading);
    const std::optional<KavPage> page = FindKavPage(info.m_CurrentPage, waveCount);
    if (!page || info.m_CurrentPage > info.m_MaxPage)
        return;

    int headingTop = ContinuationTop;
    if (page->startsGroup)
        headingTop = PrintReportHeader(dc, CableIdOf(*page));
    if (KavRecordCount(waveCount) > 0)
        PrintHeadingRow(dc, headingTop);
    const LossTestVerdicts& verdicts = KavVerdicts(waveCount);
    const int subRows = waveCount + 1;
    for (int32_t i = page->first; i < page->end; ++i) {
        const auto k = static_cast<size_t>(i);
        const KavRecordView record =
            waveCount == 3 ? ViewOf(m_Store.GetKavRecords3()[k]) : ViewOf(m_Store.GetKavRecords2()[k]);
        PrintKavRecord(dc, subRows * (i - page->first), record,
                       k < verdicts.RecordCount() ? &verdicts.At(k, 0) : nullptr, headingTop);
    }
}

// A block of one sub-row per wavelength and a date line. The date line has
// no rules between the Fiber ID box and the Length column's right edge. The
// instrument's columns come first, then the limit's: per wavelength the
// limit, and each direction's margin and result, closed on the right.
void CReport::PrintKavRecord(DrawContext& dc, int firstSubRow, const KavRecordView& record,
                             const WaveVerdict* verdicts, int headingTop) const
{
    const int n = record.waveCount;
    const int base = headingTop + SubRowHeight;
    const auto subRowTop = [&](int j) { return base + SubRowHeight * (firstSubRow + 1 + j); };
    const int blockTop = subRowTop(0);
    const int dateTop = subRowTop(n);
    const int blockBottom = subRowTop(n + 1);

    const QString fiber = NameText(std::string(record.fiber, BoundedLength(record.fiber, record.fiberSize)));
    const QString dateTime = NameText(RecordDateTimeText(
        std::string(record.date, BoundedLength(record.date, record.dateSize)),
        std::string(record.time, BoundedLength(record.time, record.timeSize)), m_Table.instrumentDates));

    const QFont heavy = MakeReportFont(ReportFont::HeavyCell);
    const QFont thin = MakeReportFont(ReportFont::ThinCell);
    SelectedFont restored(dc, ReportFont::HeavyCell);
    const std::vector<PlacedColumn>& placed = Placed();
    std::string text;
    int verdictsLeft = -1; // of the limit's first column drawn
    for (size_t p = 0; p < placed.size(); ++p) {
        const LossTableColumn& column = *placed[p].column;
        const int left = placed[p].left;
        const int right = placed[p].right;
        if (column.value.ofVerdict && !verdicts)
            continue;
        dc.SetFont(column.reportHeavy ? heavy : thin);
        if (column.value.ofVerdict) {
            if (verdictsLeft < 0)
                verdictsLeft = left;
            for (int w = 0; w < n; ++w) {
                const WaveVerdict& wave = verdicts[w];
                const int top = subRowTop(w);
                const int bottom = subRowTop(w + 1);
                Box(dc, left, top, right, bottom);
                if (column.value.verdict == LimitColumn::Limit) {
                    text.clear();
                    AppendLimitCellText(text, wave, LimitColumn::Limit);
                    DrawCentred(dc, Edges(left, top, right, bottom), QString::fromStdString(text));
                } else {
                    DrawDirections(dc, left, top, right, bottom, VerdictCellText(column, wave, Direction::AB),
                                   VerdictCellText(column, wave, Direction::BA));
                }
            }
        } else if (column.value == KavColumn::Fiber) {
            // The fibre's name in one box over the whole block.
            Box(dc, left, blockTop, right, blockBottom);
            dc.DrawTextIn(Edges(left + 3, blockTop + 6, right, base + SubRowHeight * (firstSubRow + 4)),
                          fiber, Wrapped);
        } else if (column.value == KavColumn::Length) {
            // The mean length once, closed on the right.
            DrawCentred(dc, Edges(left, subRowTop(0), right, subRowTop(1)), MeanLengthText(record));
            Line(dc, left, blockTop, right, blockTop);
            Line(dc, right, blockTop, right, blockBottom);
            Line(dc, left, dateTop, right, dateTop);
            Line(dc, left, blockBottom, right, blockBottom);
        } else {
            // A value per wavelength; the wavelengths' column also starts the
            // date line, which runs over the two columns after it.
            const bool waveLengths = column.value == KavColumn::WaveLength;
            const auto cellText = [&](int w) {
                if (waveLengths)
                    return ReportText("Report", "%1 A->B/B->A").arg(record.waveLength[w]);
                text.clear();
                AppendLossCellText(text, column, record, w, nullptr);
                return NameText(text);
            };
            for (int w = 0; w < n; ++w) {
                Box(dc, left, subRowTop(w), right, subRowTop(w + 1));
                DrawCentred(dc, Edges(left, subRowTop(w), right, subRowTop(w + 1)), cellText(w));
            }
            if (waveLengths)
                dc.DrawTextIn(
                    Edges(left + 5, dateTop, placed[std::min(p + 2, placed.size() - 1)].right, blockBottom),
                    dateTime, LeftAligned);
            Line(dc, left, blockBottom, right, blockBottom);
        }
    }
    if (verdictsLeft >= 0) {
        const int right = placed.back().right;
        Line(dc, right, dateTop, right, blockBottom);
        Line(dc, verdictsLeft, blockBottom, right, blockBottom);
    }
}
