#include "data/CDataStore.h"
#include "data/FieldText.h"
#include "data/Verdicts.h"
#include "report/CReport.h"
#include "report/NameText.h"
#include "report/RecordDateTime.h"
#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"
#include "report/ReportText.h"

#include <array>
#include <cmath>

namespace {
constexpr int TableLeft = CReport::KavTableLeft;
// The instrument's columns, then the limit's: Limit, Margin and Result.
constexpr int ColumnCount = 13;
constexpr std::array<int, ColumnCount> ColumnWidths{90, 100, 45, 45, 45, 45, 45, 45, 45, 45, 40, 50, 80};
constexpr int LimitColumn = 10;
constexpr int MarginColumn = 11;
constexpr int ResultColumn = 12;
constexpr int ContinuationTop = 60; // where the heading row starts on a page without the header block
constexpr int HeadingHeight = 48;
constexpr int SubRowHeight = 24;

struct Heading
{
    const char* title;
    const char* unit; // null: none
};
constexpr std::array<Heading, ColumnCount> Headings{{{QT_TRANSLATE_NOOP("Report", "Fiber ID"), nullptr},
                                                     {QT_TRANSLATE_NOOP("Report", "Wavelength"), "(nm)"},
                                                     {QT_TRANSLATE_NOOP("Report", "Loss AB"), "(dB)"},
                                                     {QT_TRANSLATE_NOOP("Report", "REF AB"), "(dBm)"},
                                                     {QT_TRANSLATE_NOOP("Report", "Loss BA"), "(dB)"},
                                                     {QT_TRANSLATE_NOOP("Report", "REF BA"), "(dBm)"},
                                                     {QT_TRANSLATE_NOOP("Report", "AVG L"), "(dB)"},
                                                     {QT_TRANSLATE_NOOP("Report", "ORL AB"), "(dB)"},
                                                     {QT_TRANSLATE_NOOP("Report", "ORL BA"), "(dB)"},
                                                     {QT_TRANSLATE_NOOP("Report", "Length"), "(km)"},
                                                     {QT_TRANSLATE_NOOP("Report", "Limit"), "(dB)"},
                                                     {QT_TRANSLATE_NOOP("Report", "Margin"), "(dB)"},
                                                     {QT_TRANSLATE_NOOP("Report", "Result"), nullptr}}};

// The value columns 2 to 8, by the loss-test table's columns.
constexpr std::array<KavColumn, 7> ValueColumns{KavColumn::LossAB, KavColumn::RefAB,       KavColumn::LossBA,
                                                KavColumn::RefBA,  KavColumn::AverageLoss, KavColumn::OrlAB,
                                                KavColumn::OrlBA};

int ColumnLeft(int column)
{
    int x = TableLeft;
    for (int c = 0; c < column; ++c)
        x += ColumnWidths[static_cast<size_t>(c)];
    return x;
}

int ColumnRight(int column)
{
    return ColumnLeft(column) + ColumnWidths[static_cast<size_t>(column)];
}

bool Heavy(int column)
{
    return column == 0 || column == 2 || column == 4 || column == 7 || column == 8 || column == ResultColumn;
}

void PrintHeadingRow(DrawContext& dc, int top)
{
    for (int c = 0; c < ColumnCount; ++c) {
        const int left = ColumnLeft(c);
        const int right = ColumnRight(c);
        const Heading& heading = Headings[static_cast<size_t>(c)];
        Box(dc, left, top, right, top + HeadingHeight);
        DrawCentred(dc, Edges(left, top + 6, right, top + 24), ReportText("Report", heading.title));
        if (heading.unit)
            DrawCentred(dc, Edges(left, top + 24, right, top + HeadingHeight), heading.unit);
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

QString ResultText(Verdict verdict)
{
    return ReportText("Report", VerdictText(verdict));
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
    return QPoint(ColumnRight(ColumnCount - 1),
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
        PrintKavRecord(dc, subRows * (i - page->first), record, headingTop);
        PrintRecordVerdicts(dc, subRows * (i - page->first), verdicts, k, headingTop);
    }
}

// A block of one sub-row per wavelength and a date line. The date line has
// no rules between the Fiber ID box and the Length column's right edge.
void CReport::PrintKavRecord(DrawContext& dc, int firstSubRow, const KavRecordView& record,
                             int headingTop) const
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
    const QString length = MeanLengthText(record);

    const QFont heavy = MakeReportFont(ReportFont::HeavyCell);
    const QFont thin = MakeReportFont(ReportFont::ThinCell);
    SelectedFont restored(dc, ReportFont::HeavyCell);

    // 0: the fibre's name in one box over the whole block.
    int left = ColumnLeft(0);
    int right = ColumnRight(0);
    Box(dc, left, blockTop, right, blockBottom);
    dc.DrawTextIn(Edges(left + 3, blockTop + 6, right, base + SubRowHeight * (firstSubRow + 4)), fiber,
                  Wrapped);

    // 1: the wavelengths, and the date line from here to column 3.
    dc.SetFont(thin);
    left = ColumnLeft(1);
    right = ColumnRight(1);
    for (int w = 0; w < n; ++w) {
        Box(dc, left, subRowTop(w), right, subRowTop(w + 1));
        DrawCentred(dc, Edges(left, subRowTop(w), right, subRowTop(w + 1)),
                    ReportText("Report", "%1 A->B/B->A").arg(record.waveLength[w]));
    }
    dc.DrawTextIn(Edges(left + 5, dateTop, ColumnRight(3), blockBottom), dateTime, LeftAligned);
    Line(dc, left, blockBottom, right, blockBottom);

    // 2 to 8: a value per wavelength.
    for (int c = 2; c <= 8; ++c) {
        dc.SetFont(Heavy(c) ? heavy : thin);
        left = ColumnLeft(c);
        right = ColumnRight(c);
        const KavColumn column = ValueColumns[static_cast<size_t>(c - 2)];
        for (int w = 0; w < n; ++w) {
            Box(dc, left, subRowTop(w), right, subRowTop(w + 1));
            DrawCentred(dc, Edges(left, subRowTop(w), right, subRowTop(w + 1)),
                        NameText(KavCellText(record, w, column)));
        }
        Line(dc, left, blockBottom, right, blockBottom);
    }

    // 9: the mean length once.
    dc.SetFont(thin);
    left = ColumnLeft(9);
    right = ColumnRight(9);
    DrawCentred(dc, Edges(left, subRowTop(0), right, subRowTop(1)), length);
    Line(dc, left, blockTop, right, blockTop);
    Line(dc, right, blockTop, right, blockBottom);
    Line(dc, left, dateTop, right, dateTop);
    Line(dc, left, blockBottom, right, blockBottom);
}

// 10 to 12: per wavelength the limit, and each direction's margin and
// result, closed on the right.
void CReport::PrintRecordVerdicts(DrawContext& dc, int firstSubRow, const LossTestVerdicts& verdicts,
                                  size_t record, int headingTop) const
{
    const int n = verdicts.WaveCount();
    if (record >= verdicts.RecordCount())
        return;
    const int base = headingTop + SubRowHeight;
    const auto subRowTop = [&](int j) { return base + SubRowHeight * (firstSubRow + 1 + j); };
    const QFont heavy = MakeReportFont(ReportFont::HeavyCell);
    const QFont thin = MakeReportFont(ReportFont::ThinCell);
    SelectedFont restored(dc, ReportFont::ThinCell);
    for (int c = LimitColumn; c <= ResultColumn; ++c) {
        dc.SetFont(Heavy(c) ? heavy : thin);
        const int left = ColumnLeft(c);
        const int right = ColumnRight(c);
        for (int w = 0; w < n; ++w) {
            const WaveVerdict& wave = verdicts.At(record, w);
            const int top = subRowTop(w);
            const int bottom = subRowTop(w + 1);
            Box(dc, left, top, right, bottom);
            if (c == LimitColumn) {
                std::string limit = "N/A";
                if (wave.limit != NoHundredths) {
                    limit.clear();
                    AppendHundredths(limit, wave.limit);
                }
                DrawCentred(dc, Edges(left, top, right, bottom), QString::fromStdString(limit));
            } else if (c == MarginColumn) {
                DrawDirections(dc, left, top, right, bottom, MarginText(wave, Direction::AB),
                               MarginText(wave, Direction::BA));
            } else {
                DrawDirections(dc, left, top, right, bottom, ResultText(wave.VerdictOf(Direction::AB)),
                               ResultText(wave.VerdictOf(Direction::BA)));
            }
        }
    }
    Line(dc, ColumnRight(ResultColumn), subRowTop(n), ColumnRight(ResultColumn), subRowTop(n + 1));
    Line(dc, ColumnLeft(LimitColumn), subRowTop(n + 1), ColumnRight(ResultColumn), subRowTop(n + 1));
}
