#include "report/SummaryPages.h"

#include "data/CDataStore.h"
#include "data/LossTestRules.h"
#include "platform/draw/TextFitting.h"
#include "report/ColumnHeading.h"
#include "report/NameText.h"
#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"
#include "report/ReportText.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

namespace {
constexpr int Left = FlowPages::Left;
constexpr int Right = FlowPages::Right;
constexpr int SectionGap = 16;       // below the result's box, as above a section's heading
constexpr int ResultPadding = 12;    // inside the result's box
constexpr int ResultWordHeight = 40; // the title font's 30 and a gap
constexpr int SignatureHeight = 90;

// The counts by cable and by wavelength share their columns but the first.
constexpr ColumnHeading CountColumns[] = {{nullptr, 140, true},
                                          {QT_TRANSLATE_NOOP("Report", "Fibres"), 70},
                                          {QT_TRANSLATE_NOOP("Report", "Pass"), 60},
                                          {QT_TRANSLATE_NOOP("Report", "Warning"), 70},
                                          {QT_TRANSLATE_NOOP("Report", "Incomplete"), 80},
                                          {QT_TRANSLATE_NOOP("Report", "Fail"), 60},
                                          {QT_TRANSLATE_NOOP("Report", "Not certified"), 100},
                                          {QT_TRANSLATE_NOOP("Report", "Worst margin (dB)"), 140}};

template <size_t N> constexpr int WidthOf(const ColumnHeading (&columns)[N])
{
    int width = 0;
    for (const ColumnHeading& column : columns)
        width += column.width;
    return width;
}
// Every table spans the page's width and no more.
static_assert(WidthOf(CountColumns) == Right - Left && WidthOf(FibreMarginColumns) == Right - Left);

QString Hundredths(int64_t hundredths)
{
    std::string text;
    AppendHundredths(text, hundredths);
    return QString::fromStdString(text);
}

// A figure as the limit holds it: as it was typed.
QString Figure(const LimitFigure& figure)
{
    return QString::fromStdString(figure.typed);
}

// "1310 nm 0.5 dB/km, 1550 nm 0.5 dB/km"; "none" for no figures.
QString FiguresText(const WaveLengthFigures& figures, const QString& unit)
{
    QStringList parts;
    for (const auto& [waveLength, figure] : figures)
        parts << QStringLiteral("%1 nm %2 %3").arg(waveLength).arg(Figure(figure), unit);
    return parts.isEmpty() ? ReportText("Report", "none") : parts.join(QStringLiteral(", "));
}

// `one` and `many` hold the count as %1; English tells them apart, and a
// language that does not translates both alike.
QString CountsOf(size_t count, const char* one, const char* many)
{
    return ReportText("Report", count == 1 ? one : many).arg(count);
}

QString WorstMarginText(const CertificationSummary& summary)
{
    return summary.worst ? Hundredths(summary.worstMargin) : QStringLiteral("-");
}

// "0.5 dB/km" where every wavelength has the same, else each with its own.
QString AttenuationWords(const WaveLengthFigures& figures)
{
    const bool same = std::all_of(figures.begin(), figures.end(), [&](const auto& each) {
        return each.second.millionths == figures.begin()->second.millionths;
    });
    if (same && !figures.empty())
        return ReportText("Report", "%1 dB/km").arg(Figure(figures.begin()->second));
    QStringList parts;
    for (const auto& [waveLength, figure] : figures)
        parts << ReportText("Report", "%1 dB/km at %2 nm").arg(Figure(figure)).arg(waveLength);
    return parts.isEmpty() ? ReportText("Report", "none") : parts.join(QStringLiteral(", "));
}

// The limit as a network owner reads it: "TIA-568.3-D single-mode, outside
// plant: 0.5 dB/km, 0.75 dB per connection, 0.3 dB per splice".
QString LimitInWords(const TestLimits& limits)
{
    const CableFigures figures = FiguresFor(limits, {});
    switch (limits.method) {
    case LimitMethod::Instrument:
        break;
    case LimitMethod::Fixed:
        return ReportText("Report", "fixed limits: %1").arg(FiguresText(figures.fixed, "dB"));
    case LimitMethod::Budget: {
        const char* title = StandardTitle(limits);
        return ReportText("Report", "%1: %2, %3 dB per connection, %4 dB per splice")
            .arg(title ? QString::fromLatin1(title) : ReportText("Report", "loss budget"),
                 AttenuationWords(figures.attenuation), Figure(figures.connectorLoss),
                 Figure(figures.spliceLoss));
    }
    }
    return ReportText("Report", "the instrument's threshold of each record");
}

QString WaveLengthsText(const std::vector<int32_t>& waveLengths)
{
    QStringList parts;
    for (const int32_t waveLength : waveLengths)
        parts << ReportText("Report", "%1 nm").arg(waveLength);
    return parts.join(QStringLiteral(", "));
}

// Where an incomplete fibre's first result is missing.
std::optional<VerdictPlace> FirstIncomplete(const LossTestVerdicts& verdicts, size_t record)
{
    for (int i = 0; i < verdicts.WaveCount(); ++i)
        for (const Direction d : Directions)
            if (verdicts.At(record, i).VerdictOf(d) == Verdict::Incomplete)
                return VerdictPlace{record, i, d};
    return std::nullopt;
}
} // namespace

SummaryPages::SummaryPages(const CDataStore& store, const ReportOptions& options, int pageBottom)
    : m_Store(store), m_Verdicts(CertifyLossTests(store, options.limits)),
      m_Cables(SummarizeByCable(store, m_Verdicts))
{
    const TestLimits& limits = options.limits;
    const size_t records = m_Verdicts.RecordCount();
    const int waves = m_Verdicts.WaveCount();
    for (int i = 0; i < waves; ++i)
        m_Waves.push_back(SummarizePart(m_Verdicts, 0, records, i, i + 1));
    for (size_t k = 0; k < records; ++k)
        if (m_Verdicts.FibreVerdict(k) == Verdict::Fail)
            m_Failed.push_back(k);
        else if (m_Verdicts.FibreVerdict(k) == Verdict::Incomplete)
            m_Incomplete.push_back(k);
        else if (m_Verdicts.FibreVerdict(k) == Verdict::Warning)
            m_Warnings.push_back(k);

    const CertificationSummary all = Summarize(m_Verdicts);
    AddResult(all, limits);
    if (options.signature) {
        m_Technician = QString::fromStdString(options.technician);
        m_Reviewer = QString::fromStdString(options.reviewer);
        m_Flow.AddBlock(SignatureHeight, [this](DrawContext& dc, int top) { PrintSignature(dc, top); });
    }

    m_Flow.AddSection(ReportText("Report", "Limit"));
    AddLimitLines(limits);

    m_Flow.AddSection(ReportText("Report", "Verdicts"));
    m_Flow.AddText(
        ReportText("Report",
                   "Fibres: %1   Pass: %2   Warning: %3   Incomplete: %4   Fail: %5   Not certified: %6")
            .arg(all.fibres.Total())
            .arg(all.fibres.pass)
            .arg(all.fibres.warning)
            .arg(all.fibres.incomplete)
            .arg(all.fibres.fail)
            .arg(all.fibres.noVerdict));
    if (all.worst) {
        const KavRecordView record = KavRecordAt(store, all.worst->record);
        m_Flow.AddText(
            ReportText("Report", "Worst margin: %1 dB   Cable: %2   Fiber: %3   %4 nm %5")
                .arg(Hundredths(all.worstMargin), NameText(CableOf(record)), NameText(FiberOf(record)))
                .arg(record.waveLength[all.worst->wave])
                .arg(QString::fromLatin1(DirectionText(all.worst->direction))));
    } else {
        m_Flow.AddText(ReportText("Report", "Worst margin: none (no loss has a limit)"));
    }

    m_Flow.AddSection(ReportText("Report", "By cable"));
    AddTable(Table::Cables, m_Cables.size());
    m_Flow.AddSection(ReportText("Report", "By wavelength"));
    AddTable(Table::Waves, m_Waves.size());
    AddFibreList(ReportText("Report", "Failed fibres"), Table::Failed, m_Failed);
    AddFibreList(ReportText("Report", "Incomplete fibres"), Table::Incomplete, m_Incomplete);
    AddFibreList(ReportText("Report", "Fibres with a warning"), Table::Warnings, m_Warnings);
    m_Flow.Paginate(pageBottom);
}

void SummaryPages::AddTable(Table table, size_t rows)
{
    // The columns that hold names wrap: the first of the counts, and a list
    // of fibres' cable and fiber.
    std::vector<FlowPages::Column> columns;
    if (table == Table::Cables || table == Table::Waves) {
        columns.push_back(
            {table == Table::Cables ? ReportText("Report", "Cable") : ReportText("Report", "Wavelength (nm)"),
             CountColumns[0].width, CountColumns[0].wraps});
        for (size_t c = 1; c < std::size(CountColumns); ++c)
            columns.push_back({ReportText("Report", CountColumns[c].title), CountColumns[c].width});
    } else {
        columns = ColumnsOf(FibreMarginColumns);
    }
    m_Flow.AddTable(std::move(columns), rows,
                    [this, table](size_t row) { return RowTexts(table, static_cast<uint32_t>(row)); });
}

void SummaryPages::AddResult(const CertificationSummary& all, const TestLimits& limits)
{
    const VerdictCounts& n = all.fibres;
    m_Result = n.fail != 0                             ? ReportText("Report", "FAIL")
               : n.incomplete != 0 || n.noVerdict != 0 ? ReportText("Report", "INCOMPLETE")
                                                       : ReportText("Report", "PASS");
    QStringList texts;
    texts << ReportText("Report", "%1: %2 passed, %3 with a warning, %4 incomplete, %5 failed")
                 .arg(CountsOf(n.Total(), QT_TRANSLATE_NOOP("Report", "%1 fibre"),
                               QT_TRANSLATE_NOOP("Report", "%1 fibres")))
                 .arg(n.pass)
                 .arg(n.warning)
                 .arg(n.incomplete)
                 .arg(n.fail);
    if (n.noVerdict != 0)
        texts << CountsOf(n.noVerdict, QT_TRANSLATE_NOOP("Report", "%1 fibre has no certified wavelength."),
                          QT_TRANSLATE_NOOP("Report", "%1 fibres have no certified wavelength."));
    if (!m_Verdicts.NotCertified().empty())
        texts << ReportText("Report", "Not certified: %1 (the limit gives no figure there)")
                     .arg(WaveLengthsText(m_Verdicts.NotCertified()));
    texts << ReportText("Report", "Limit: %1").arg(LimitInWords(limits));
    const QFontMetricsF body(MakeReportFont(ReportFont::Body));
    for (const QString& text : texts)
        m_ResultLines << EditControlLines(text, body, Right - Left - 2 * ResultPadding);
    m_Flow.AddBlock(ResultHeight(), [this](DrawContext& dc, int top) { PrintResult(dc, top); });
}

void SummaryPages::AddFibreList(const QString& title, Table table, const std::vector<size_t>& records)
{
    m_Flow.AddSection(title);
    if (records.empty())
        m_Flow.AddText(ReportText("Report", "None."));
    else
        AddTable(table, records.size());
}

void SummaryPages::AddLimitLines(const TestLimits& limits)
{
    // The limit in words heads the result's box; here its method and figures.
    const CableFigures figures = FiguresFor(limits, {});
    switch (limits.method) {
    case LimitMethod::Instrument:
        m_Flow.AddText(ReportText("Report", "Method: instrument (each record's own threshold)"));
        break;
    case LimitMethod::Fixed:
        m_Flow.AddText(ReportText("Report", "Method: fixed (one limit per wavelength)"));
        m_Flow.AddText(ReportText("Report", "Fixed limits: %1").arg(FiguresText(figures.fixed, "dB")));
        break;
    case LimitMethod::Budget:
        m_Flow.AddText(ReportText("Report", "Method: budget (attenuation x length + connections x "
                                            "connector loss + splices x splice loss)"));
        m_Flow.AddText(
            ReportText("Report", "Attenuation: %1").arg(FiguresText(figures.attenuation, "dB/km")));
        m_Flow.AddText(ReportText("Report", "Connector loss: %1 dB   Splice loss: %2 dB")
                           .arg(Figure(figures.connectorLoss), Figure(figures.spliceLoss)));
        m_Flow.AddText(ReportText("Report", "Connections: %1   Splices: %2")
                           .arg(figures.connections)
                           .arg(figures.splices));
        break;
    }
    m_Flow.AddText(ReportText("Report", "Warning band: %1 dB").arg(Figure(limits.warningBand)));

    // What the cables of this file have of their own, as far as the method
    // uses it.
    if (limits.method == LimitMethod::Instrument)
        return;
    for (const CableSummary& cable : m_Cables) {
        const auto own = limits.cables.find(cable.cable); // both as shown
        if (own == limits.cables.end())
            continue;
        QStringList parts;
        const CableLimits& ownFigures = own->second;
        if (limits.method == LimitMethod::Fixed && !ownFigures.fixed.empty())
            parts << ReportText("Report", "fixed limits %1").arg(FiguresText(ownFigures.fixed, "dB"));
        if (limits.method == LimitMethod::Budget) {
            if (ownFigures.connections)
                parts << CountsOf(static_cast<size_t>(*ownFigures.connections),
                                  QT_TRANSLATE_NOOP("Report", "%1 connection"),
                                  QT_TRANSLATE_NOOP("Report", "%1 connections"));
            if (ownFigures.splices)
                parts << CountsOf(static_cast<size_t>(*ownFigures.splices),
                                  QT_TRANSLATE_NOOP("Report", "%1 splice"),
                                  QT_TRANSLATE_NOOP("Report", "%1 splices"));
            if (!ownFigures.attenuation.empty())
                parts << ReportText("Report", "attenuation %1")
                             .arg(FiguresText(ownFigures.attenuation, "dB/km"));
        }
        if (!parts.isEmpty())
            m_Flow.AddText(ReportText("Report", "Cable %1: %2")
                               .arg(QString::fromStdString(cable.cable), parts.join(QStringLiteral(", "))));
    }
}

int SummaryPages::ResultHeight() const
{
    return 2 * ResultPadding + ResultWordHeight +
           static_cast<int>(m_ResultLines.size()) * FlowPages::TextHeight + SectionGap;
}

void SummaryPages::PrintPage(DrawContext& dc, unsigned page) const
{
    m_Flow.PrintPage(dc, page, ReportText("Report", "Certification Summary"));
}

void SummaryPages::PrintResult(DrawContext& dc, int top) const
{
    const int bottom = top + ResultHeight() - SectionGap;
    Box(dc, Left, top, Right, bottom);
    dc.SetFont(MakeReportFont(ReportFont::Title));
    dc.TextAt(Left + ResultPadding, top + ResultPadding, m_Result);
    dc.SetFont(MakeReportFont(ReportFont::Body));
    int y = top + ResultPadding + ResultWordHeight;
    for (const QString& line : m_ResultLines) {
        dc.TextAt(Left + ResultPadding, y, line);
        y += FlowPages::TextHeight;
    }
}

void SummaryPages::PrintSignature(DrawContext& dc, int top) const
{
    // Three places to sign, each a label over a line, with the name printed
    // beneath where the options give one.
    constexpr int Width = 220, Gap = 30, LineY = 50;
    const QString labels[] = {ReportText("Report", "Technician:"), ReportText("Report", "Reviewer:"),
                              ReportText("Report", "Date:")};
    const QString names[] = {m_Technician, m_Reviewer, QString()};
    dc.SetFont(MakeReportFont(ReportFont::Body));
    for (int i = 0; i < 3; ++i) {
        const int left = Left + i * (Width + Gap);
        dc.TextAt(left, top + SectionGap, labels[i]);
        Line(dc, left, top + LineY, left + Width, top + LineY);
        if (!names[i].isEmpty())
            dc.DrawTextIn(Edges(left, top + LineY + 4, left + Width, top + LineY + 24), names[i],
                          LeftAligned);
    }
}

std::vector<QString> SummaryPages::RowTexts(Table table, uint32_t row) const
{
    std::vector<QString> texts;
    const CertificationSummary* counted = nullptr;
    switch (table) {
    case Table::Cables:
        texts.push_back(QString::fromStdString(m_Cables[row].cable));
        counted = &m_Cables[row].summary;
        break;
    case Table::Waves:
        texts.push_back(QString::number(KavRecordAt(m_Store, 0).waveLength[row]));
        counted = &m_Waves[row];
        break;
    case Table::Failed:
    case Table::Incomplete:
    case Table::Warnings: {
        const size_t k = (table == Table::Failed       ? m_Failed
                          : table == Table::Incomplete ? m_Incomplete
                                                       : m_Warnings)[row];
        const CertificationSummary fibre = SummarizePart(m_Verdicts, k, k + 1, 0, m_Verdicts.WaveCount());
        const KavRecordView record = KavRecordAt(m_Store, k);
        // A failed or warning fibre is listed at its worst margin, which it
        // has; an incomplete one where its first result is missing.
        const bool incomplete = table == Table::Incomplete;
        const std::optional<VerdictPlace> place = incomplete ? FirstIncomplete(m_Verdicts, k) : fibre.worst;
        texts = {NameText(CableOf(record)), NameText(FiberOf(record)),
                 incomplete ? QStringLiteral("-") : Hundredths(fibre.worstMargin),
                 place ? QString::number(record.waveLength[place->wave]) : QStringLiteral("-"),
                 place ? QString::fromLatin1(DirectionText(place->direction)) : QStringLiteral("-")};
        return texts;
    }
    }
    const VerdictCounts& n = counted->fibres;
    for (const size_t count : {n.Total(), n.pass, n.warning, n.incomplete, n.fail, n.noVerdict})
        texts.push_back(QString::number(count));
    texts.push_back(WorstMarginText(*counted));
    return texts;
}
