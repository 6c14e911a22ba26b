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
struct ColumnSpec
{
    const char* title;
    int width;
};
// The counts by cable and by wavelength share their columns but the first.
constexpr ColumnSpec CountColumns[] = {{nullptr, 160},
                                       {QT_TRANSLATE_NOOP("Report", "Fibres"), 80},
                                       {QT_TRANSLATE_NOOP("Report", "Pass"), 80},
                                       {QT_TRANSLATE_NOOP("Report", "Warning"), 80},
                                       {QT_TRANSLATE_NOOP("Report", "Fail"), 80},
                                       {QT_TRANSLATE_NOOP("Report", "No verdict"), 100},
                                       {QT_TRANSLATE_NOOP("Report", "Worst margin (dB)"), 140}};
constexpr ColumnSpec FibreColumns[] = {{QT_TRANSLATE_NOOP("Report", "Cable"), 160},
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

// A row of counts: its name, the fibres by verdict and the worst margin.
std::vector<QString> CountTexts(const QString& name, const CertificationSummary& counted)
{
    std::vector<QString> texts{name};
    const VerdictCounts& n = counted.fibres;
    for (const size_t count : {n.Total(), n.pass, n.warning, n.fail, n.noVerdict})
        texts.push_back(QString::number(count));
    texts.push_back(WorstMarginText(counted));
    return texts;
}

// The columns in the report's language; the first titled `first` where given.
template <size_t N>
std::vector<FlowPages::Column> ColumnsOf(const ColumnSpec (&specs)[N], const QString& first = QString())
{
    std::vector<FlowPages::Column> columns;
    for (const ColumnSpec& spec : specs)
        columns.push_back({spec.title ? ReportText("Report", spec.title) : first, spec.width});
    return columns;
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

    m_Flow.AddSection(ReportText("Report", "Limit"));
    AddLimitLines(limits);

    const CertificationSummary all = Summarize(m_Verdicts);
    m_Flow.AddSection(ReportText("Report", "Verdicts"));
    m_Flow.AddText(ReportText("Report", "Fibres: %1   Pass: %2   Warning: %3   Fail: %4   No verdict: %5")
                       .arg(all.fibres.Total())
                       .arg(all.fibres.pass)
                       .arg(all.fibres.warning)
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
    m_Flow.AddTable(
        ColumnsOf(CountColumns, ReportText("Report", "Cable")), m_Cables.size(),
        [this](size_t row) { return CountTexts(NameText(m_Cables[row].cable), m_Cables[row].summary); });
    m_Flow.AddSection(ReportText("Report", "By wavelength"));
    m_Flow.AddTable(
        ColumnsOf(CountColumns, ReportText("Report", "Wavelength (nm)")), m_Waves.size(), [this](size_t row) {
            return CountTexts(QString::number(KavRecordAt(m_Store, 0).waveLength[row]), m_Waves[row]);
        });
    AddFibreList(ReportText("Report", "Failed fibres"), m_Failed);
    AddFibreList(ReportText("Report", "Fibres with a warning"), m_Warnings);
    m_Flow.Paginate(pageBottom);
}

void SummaryPages::AddFibreList(const QString& title, const std::vector<size_t>& records)
{
    m_Flow.AddSection(title);
    if (records.empty()) {
        m_Flow.AddText(ReportText("Report", "None."));
        return;
    }
    m_Flow.AddTable(ColumnsOf(FibreColumns), records.size(), [this, &records](size_t row) {
        const size_t k = records[row];
        const CertificationSummary fibre = SummarizePart(m_Verdicts, k, k + 1, 0, m_Verdicts.WaveCount());
        const KavRecordView record = KavRecordAt(m_Store, k);
        // A failed or warning fibre has a margin somewhere.
        return std::vector<QString>{NameText(CableOf(record)), NameText(FiberOf(record)),
                                    Hundredths(fibre.worstMargin),
                                    QString::number(record.waveLength[fibre.worst->wave]),
                                    QString::fromLatin1(DirectionText(fibre.worst->direction))};
    });
}

void SummaryPages::AddLimitLines(const TestLimits& limits)
{
    m_Flow.AddText(ReportText("Report", "Limit: %1").arg(QString::fromStdString(LimitName(limits))));
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
        if (!limits.preset.empty())
            m_Flow.AddText(ReportText("Report", "Preset: %1").arg(QString::fromStdString(limits.preset)));
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
            m_Flow.AddText(ReportText("Report", "Cable %1: %2")
                               .arg(NameText(cable.cable), parts.join(QStringLiteral(", "))));
    }
}

void SummaryPages::PrintPage(DrawContext& dc, unsigned page) const
{
    m_Flow.PrintPage(dc, page, ReportText("Report", "Certification Summary"));
}
