#include "report/SummaryPages.h"

#include "data/CDataStore.h"
#include "data/Json.h"
#include "data/LossTestRules.h"
#include "report/NameText.h"
#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"
#include "report/ReportText.h"

#include <QStringList>

namespace {
constexpr int Left = 80;
constexpr int Right = 800; // the table pages' right edge
constexpr int TitleTop = 60;
constexpr int RuleY = TitleTop + 44; // below the title's line, as in the header block
constexpr int ContentTop = RuleY + 16;
constexpr int SectionHeight = 44; // a gap of 16, the section font's 20 and 8 below
constexpr int SectionGap = 16;
constexpr int TextHeight = 20; // 1.25 lines of the body font
constexpr int RowHeight = 24;  // as the loss-test table's rows

struct Column
{
    const char* title;
    int width;
};
// The counts by cable and by wavelength share their columns but the first.
constexpr Column CountColumns[] = {{nullptr, 160},
                                   {QT_TRANSLATE_NOOP("Report", "Fibres"), 80},
                                   {QT_TRANSLATE_NOOP("Report", "Pass"), 80},
                                   {QT_TRANSLATE_NOOP("Report", "Warning"), 80},
                                   {QT_TRANSLATE_NOOP("Report", "Fail"), 80},
                                   {QT_TRANSLATE_NOOP("Report", "No verdict"), 100},
                                   {QT_TRANSLATE_NOOP("Report", "Worst margin (dB)"), 140}};
constexpr Column FibreColumns[] = {{QT_TRANSLATE_NOOP("Report", "Cable"), 160},
                                   {QT_TRANSLATE_NOOP("Report", "Fiber"), 160},
                                   {QT_TRANSLATE_NOOP("Report", "Margin (dB)"), 120},
                                   {QT_TRANSLATE_NOOP("Report", "Wavelength (nm)"), 140},
                                   {QT_TRANSLATE_NOOP("Report", "Direction"), 140}};

QString Hundredths(int64_t hundredths)
{
    std::string text;
    AppendHundredths(text, hundredths);
    return QString::fromStdString(text);
}

// A figure as the limit holds it, in its shortest exact form.
QString Figure(double value)
{
    std::string text;
    AppendJsonNumber(text, value);
    return QString::fromStdString(text);
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
} // namespace

SummaryPages::SummaryPages(const CDataStore& store, const TestLimits& limits, int pageBottom)
    : m_Store(store), m_Verdicts(CertifyLossTests(store, limits)),
      m_Cables(SummarizeByCable(store, m_Verdicts))
{
    const size_t records = m_Verdicts.RecordCount();
    const int waves = m_Verdicts.WaveCount();
    for (int i = 0; i < waves; ++i)
        m_Waves.push_back(SummarizePart(m_Verdicts, 0, records, i, i + 1));
    for (size_t k = 0; k < records; ++k)
        if (m_Verdicts.FibreVerdict(k) == Verdict::Fail)
            m_Failed.push_back(k);
        else if (m_Verdicts.FibreVerdict(k) == Verdict::Warning)
            m_Warnings.push_back(k);

    AddText(LineKind::Section, ReportText("Report", "Limit"));
    AddLimitLines(limits);

    const CertificationSummary all = Summarize(m_Verdicts);
    AddText(LineKind::Section, ReportText("Report", "Verdicts"));
    AddText(LineKind::Text,
            ReportText("Report", "Fibres: %1   Pass: %2   Warning: %3   Fail: %4   No verdict: %5")
                .arg(all.fibres.Total())
                .arg(all.fibres.pass)
                .arg(all.fibres.warning)
                .arg(all.fibres.fail)
                .arg(all.fibres.noVerdict));
    if (all.worst) {
        const KavRecordView record = KavRecordAt(store, all.worst->record);
        AddText(LineKind::Text,
                ReportText("Report", "Worst margin: %1 dB   Cable: %2   Fiber: %3   %4 nm %5")
                    .arg(Hundredths(all.worstMargin), NameText(CableOf(record)), NameText(FiberOf(record)))
                    .arg(record.waveLength[all.worst->wave])
                    .arg(QString::fromLatin1(DirectionText(all.worst->direction))));
    } else {
        AddText(LineKind::Text, ReportText("Report", "Worst margin: none (no loss has a limit)"));
    }

    AddText(LineKind::Section, ReportText("Report", "By cable"));
    AddTable(Table::Cables, m_Cables.size());
    AddText(LineKind::Section, ReportText("Report", "By wavelength"));
    AddTable(Table::Waves, m_Waves.size());
    AddFibreList(ReportText("Report", "Failed fibres"), Table::Failed, m_Failed);
    AddFibreList(ReportText("Report", "Fibres with a warning"), Table::Warnings, m_Warnings);
    Paginate(pageBottom);
}

void SummaryPages::AddText(LineKind kind, const QString& text)
{
    m_Entries.push_back({kind, Table::None, static_cast<uint32_t>(m_Texts.size())});
    m_Texts.push_back(text);
}

void SummaryPages::AddTable(Table table, size_t rows)
{
    m_Entries.push_back({LineKind::Heading, table, 0});
    for (size_t row = 0; row < rows; ++row)
        m_Entries.push_back({LineKind::Row, table, static_cast<uint32_t>(row)});
}

void SummaryPages::AddFibreList(const QString& title, Table table, const std::vector<size_t>& records)
{
    AddText(LineKind::Section, title);
    if (records.empty())
        AddText(LineKind::Text, ReportText("Report", "None."));
    else
        AddTable(table, records.size());
}

void SummaryPages::AddLimitLines(const TestLimits& limits)
{
    AddText(LineKind::Text, ReportText("Report", "Limit: %1").arg(QString::fromStdString(LimitName(limits))));
    const CableFigures figures = FiguresFor(limits, {});
    switch (limits.method) {
    case LimitMethod::Instrument:
        AddText(LineKind::Text, ReportText("Report", "Method: instrument (each record's own threshold)"));
        break;
    case LimitMethod::Fixed:
        AddText(LineKind::Text, ReportText("Report", "Method: fixed (one limit per wavelength)"));
        AddText(LineKind::Text,
                ReportText("Report", "Fixed limits: %1").arg(FiguresText(figures.fixed, "dB")));
        break;
    case LimitMethod::Budget:
        AddText(LineKind::Text, ReportText("Report", "Method: budget (attenuation x length + connections x "
                                                     "connector loss + splices x splice loss)"));
        if (!limits.preset.empty())
            AddText(LineKind::Text,
                    ReportText("Report", "Preset: %1").arg(QString::fromStdString(limits.preset)));
        AddText(LineKind::Text,
                ReportText("Report", "Attenuation: %1").arg(FiguresText(figures.attenuation, "dB/km")));
        AddText(LineKind::Text, ReportText("Report", "Connector loss: %1 dB   Splice loss: %2 dB")
                                    .arg(Figure(figures.connectorLoss), Figure(figures.spliceLoss)));
        AddText(LineKind::Text, ReportText("Report", "Connections: %1   Splices: %2")
                                    .arg(figures.connections)
                                    .arg(figures.splices));
        break;
    }
    AddText(LineKind::Text, ReportText("Report", "Warning band: %1 dB").arg(Figure(limits.warningBand)));

    // What the cables of this file have of their own, as far as the method
    // uses it.
    if (limits.method == LimitMethod::Instrument)
        return;
    for (const CableSummary& cable : m_Cables) {
        const auto own = limits.cables.find(cable.cable);
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
            AddText(LineKind::Text, ReportText("Report", "Cable %1: %2")
                                        .arg(NameText(cable.cable), parts.join(QStringLiteral(", "))));
    }
}

int SummaryPages::HeightOf(LineKind kind)
{
    switch (kind) {
    case LineKind::Section:
        return SectionHeight;
    case LineKind::Text:
        return TextHeight;
    case LineKind::Heading:
    case LineKind::Row:
        break;
    }
    return RowHeight;
}

void SummaryPages::Paginate(int pageBottom)
{
    m_PageStarts = {0};
    int y = ContentTop;
    for (size_t i = 0; i < m_Entries.size(); ++i) {
        // A heading goes with what follows it down to the first line of text
        // or the first row.
        int together = HeightOf(m_Entries[i].kind);
        for (size_t j = i; j + 1 < m_Entries.size() &&
                           (m_Entries[j].kind == LineKind::Section || m_Entries[j].kind == LineKind::Heading);
             ++j)
            together += HeightOf(m_Entries[j + 1].kind);
        if (i != m_PageStarts.back() && y + together > pageBottom) {
            m_PageStarts.push_back(i);
            y = ContentTop;
            if (m_Entries[i].kind == LineKind::Row)
                y += RowHeight; // the repeated heading row
        }
        y += HeightOf(m_Entries[i].kind);
    }
}

void SummaryPages::PrintPage(DrawContext& dc, unsigned page) const
{
    if (page == 0 || page > PageCount())
        return;
    SelectedFont restored(dc, ReportFont::Title);
    dc.TextAt(Left, TitleTop, ReportText("Report", "Certification Summary"));
    Line(dc, Left, RuleY, Right, RuleY);

    const size_t first = m_PageStarts[page - 1];
    const size_t end = page < PageCount() ? m_PageStarts[page] : m_Entries.size();
    int y = ContentTop;
    if (first < end && m_Entries[first].kind == LineKind::Row) {
        PrintEntry(dc, {LineKind::Heading, m_Entries[first].table, 0}, y);
        y += RowHeight;
    }
    for (size_t i = first; i < end; ++i) {
        PrintEntry(dc, m_Entries[i], y);
        y += HeightOf(m_Entries[i].kind);
    }
}

void SummaryPages::PrintEntry(DrawContext& dc, const Entry& entry, int top) const
{
    switch (entry.kind) {
    case LineKind::Section:
        dc.SetFont(MakeReportFont(ReportFont::Section));
        dc.TextAt(Left, top + SectionGap, m_Texts[entry.index]);
        return;
    case LineKind::Text:
        dc.SetFont(MakeReportFont(ReportFont::Body));
        dc.TextAt(Left, top, m_Texts[entry.index]);
        return;
    case LineKind::Heading:
    case LineKind::Row:
        break;
    }
    const bool heading = entry.kind == LineKind::Heading;
    dc.SetFont(MakeReportFont(heading ? ReportFont::Heading : ReportFont::ThinCell));
    const bool counts = entry.table == Table::Cables || entry.table == Table::Waves;
    const std::vector<QString> texts =
        heading ? HeadingTexts(entry.table) : RowTexts(entry.table, entry.index);
    int left = Left;
    for (size_t c = 0; c < texts.size(); ++c) {
        const int right = left + (counts ? CountColumns[c].width : FibreColumns[c].width);
        Box(dc, left, top, right, top + RowHeight);
        dc.DrawTextIn(Edges(left, top, right, top + RowHeight), texts[c], Centred);
        left = right;
    }
}

std::vector<QString> SummaryPages::HeadingTexts(Table table)
{
    std::vector<QString> texts;
    if (table == Table::Cables || table == Table::Waves) {
        texts.push_back(table == Table::Cables ? ReportText("Report", "Cable")
                                               : ReportText("Report", "Wavelength (nm)"));
        for (size_t c = 1; c < std::size(CountColumns); ++c)
            texts.push_back(ReportText("Report", CountColumns[c].title));
    } else {
        for (const Column& column : FibreColumns)
            texts.push_back(ReportText("Report", column.title));
    }
    return texts;
}

std::vector<QString> SummaryPages::RowTexts(Table table, uint32_t row) const
{
    std::vector<QString> texts;
    const CertificationSummary* counted = nullptr;
    switch (table) {
    case Table::Cables:
        texts.push_back(NameText(m_Cables[row].cable));
        counted = &m_Cables[row].summary;
        break;
    case Table::Waves:
        texts.push_back(QString::number(KavRecordAt(m_Store, 0).waveLength[row]));
        counted = &m_Waves[row];
        break;
    case Table::Failed:
    case Table::Warnings: {
        const size_t k = (table == Table::Failed ? m_Failed : m_Warnings)[row];
        const CertificationSummary fibre = SummarizePart(m_Verdicts, k, k + 1, 0, m_Verdicts.WaveCount());
        const KavRecordView record = KavRecordAt(m_Store, k);
        // A failed or warning fibre has a margin somewhere.
        texts = {NameText(CableOf(record)), NameText(FiberOf(record)), Hundredths(fibre.worstMargin),
                 QString::number(record.waveLength[fibre.worst->wave]),
                 QString::fromLatin1(DirectionText(fibre.worst->direction))};
        return texts;
    }
    case Table::None:
        return texts;
    }
    const VerdictCounts& n = counted->fibres;
    for (const size_t count : {n.Total(), n.pass, n.warning, n.fail, n.noVerdict})
        texts.push_back(QString::number(count));
    texts.push_back(WorstMarginText(*counted));
    return texts;
}
