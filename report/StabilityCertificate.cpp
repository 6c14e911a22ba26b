#include "report/StabilityCertificate.h"

#include "platform/draw/CurveColours.h"
#include "platform/draw/DrawContext.h"
#include "platform/draw/TracePolyline.h"
#include "report/CReport.h"
#include "report/CReportPrinting.h"
#include "report/PrintInfo.h"
#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
constexpr int Left = CReport::KavTableLeft;
constexpr int Width = 720;
constexpr int Right = Left + Width;
constexpr int Middle = Left + Width / 2;
constexpr int TitleTop = 60;
constexpr int TitleHeight = 40;
constexpr int BodyHeight = 16;
constexpr int RowStep = 20;
constexpr int SectionToRow = 30;
constexpr int HeadingHeight = 2 * BodyHeight + 4; // two body lines
constexpr int MostResultRows = 6;
constexpr int ChartTop = 510;
constexpr int ChartBottom = 770;
constexpr int ChartLeft = Left + 60; // the power labels stand left of it
constexpr int PowerLines = 4;        // labelled levels above the bottom one
constexpr int TimeQuarters = 4;
constexpr int MarkLength = 8;
constexpr int VerdictTop = 800;
constexpr int FooterTop = VerdictTop + TitleHeight + 10;

const QColor Black(0, 0, 0);
const QColor Grey(170, 170, 170);

using Facts = StabilityCertificateFacts;

QString Fixed(const std::optional<double>& value)
{
    return value && std::isfinite(*value) ? QString::number(*value, 'f', 2) : QStringLiteral("N/A");
}

QString DurationText(int64_t seconds)
{
    return QString::asprintf("%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                             static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
}

QString DateTimeText(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString VerdictText(Facts::Verdict verdict)
{
    switch (verdict) {
    case Facts::Verdict::Pass:
        return ReportText("Certificate", "Pass");
    case Facts::Verdict::Fail:
        return ReportText("Certificate", "Fail");
    case Facts::Verdict::Incomplete:
        return ReportText("Certificate", "Incomplete");
    case Facts::Verdict::None:
        break;
    }
    return ReportText("Certificate", "No tolerance");
}

// A label and, after a space, its value, on a line of a column that ends at
// `right`; a value too long for it is cut at the column's end.
void Labelled(DrawContext& dc, int x, int y, int right, const QString& label, const QString& value)
{
    dc.TextAt(x, y, label);
    const int valueLeft = x + dc.TextWidth(label + QLatin1Char(' '));
    dc.DrawTextIn(Edges(valueLeft, y, right, y + BodyHeight), value, LeftAligned);
}

void Rule(DrawContext& dc, int y)
{
    Line(dc, Left, y, Right, y);
}

void Section(DrawContext& dc, int y, const QString& title)
{
    SelectedFont restored(dc, ReportFont::Section);
    dc.TextAt(Left, y, title);
}

// The results table's columns: their right edges and titles.
struct Column
{
    int right;
    const char* title;
};
const Column ResultColumns[] = {
    {Left + 80, QT_TRANSLATE_NOOP("Certificate", "Wavelength (nm)")},
    {Left + 145, QT_TRANSLATE_NOOP("Certificate", "Readings")},
    {Left + 220, QT_TRANSLATE_NOOP("Certificate", "First (dBm)")},
    {Left + 295, QT_TRANSLATE_NOOP("Certificate", "Last (dBm)")},
    {Left + 375, QT_TRANSLATE_NOOP("Certificate", "Minimum (dBm)")},
    {Left + 455, QT_TRANSLATE_NOOP("Certificate", "Maximum (dBm)")},
    {Left + 540, QT_TRANSLATE_NOOP("Certificate", "Max - min (dB)")},
    {Left + 620, QT_TRANSLATE_NOOP("Certificate", "Drift (dB)")},
    {Right, QT_TRANSLATE_NOOP("Certificate", "Result")},
};

std::vector<QString> ResultTexts(const Facts::Result& result)
{
    return {QString::number(result.wavelength),
            QString::number(result.readings),
            Fixed(result.first),
            Fixed(result.last),
            Fixed(result.minimum),
            Fixed(result.maximum),
            Fixed(result.span),
            Fixed(result.drift),
            VerdictText(result.verdict)};
}

struct PowerScale
{
    double low;
    double high;
};

// The readings' span, widened a little on each side so the curve clears the
// frame, and to at least a tenth of a dB.
PowerScale ScaleOf(const std::vector<Facts::Reading>& readings)
{
    double low = 0.0, high = 0.0;
    bool any = false;
    for (const Facts::Reading& reading : readings) {
        if (reading.mark != Facts::Mark::Number)
            continue;
        low = any ? std::min(low, double(reading.dBm)) : reading.dBm;
        high = any ? std::max(high, double(reading.dBm)) : reading.dBm;
        any = true;
    }
    const double margin = std::max(0.05, (high - low) * 0.1);
    return {low - margin, high + margin};
}
} // namespace

CStabilityCertificate::CStabilityCertificate(StabilityCertificateFacts facts, const ReportOptions& options)
    : m_Facts(std::move(facts)), m_Options(options), m_Brand(ReportBrandOf(options)),
      m_Language(std::make_shared<ReportLanguage>(options.language)), m_PrintedAt(ReportPrintingTime())
{
}

QString CStabilityCertificate::Title() const
{
    const ReportLanguage::Use language(*m_Language);
    return ReportText("Certificate", "Stability Certificate");
}

QPoint CStabilityCertificate::LayoutEnd()
{
    return QPoint(Right + 1, FooterTop + CReport::FooterHeight);
}

void CStabilityCertificate::OnBeginPrinting(DrawContext& dc, PrintInfo& info)
{
    info.m_MaxPage = 1;
    info.m_Scale = ReportFitScaleTo(LayoutEnd(), dc.DeviceSize(), dc.DotsPerInch());
}

void CStabilityCertificate::OnPrepareDC(DrawContext& dc, const PrintInfo& info)
{
    CReport::PrepareReportDC(dc, info);
}

void CStabilityCertificate::OnPrint(DrawContext& dc, const PrintInfo& info)
{
    if (info.m_CurrentPage != 1)
        return;
    const ReportLanguage::Use language(*m_Language);
    dc.SetPen(Black);
    dc.SetTextColor(Black);
    {
        SelectedFont restored(dc, ReportFont::Title);
        dc.TextAt(Left, TitleTop, Title());
    }
    CReport::PrintBrand(dc, m_Brand, TitleTop);
    int y = TitleTop + TitleHeight + 4;
    Rule(dc, y);
    y = PrintRun(dc, y + 16);
    Rule(dc, y += 10);
    PrintResults(dc, y + 16);
    PrintChart(dc, ChartTop, ChartBottom);
    PrintVerdict(dc, VerdictTop);
    if (!m_Options.footer)
        return;
    const QString logName = QFileInfo(m_Facts.log).fileName();
    CReport::PrintPageFooter(dc, info,
                             {Left, FooterTop, Right, logName, FooterTimeText(m_PrintedAt), std::nullopt});
}

int CStabilityCertificate::PrintRun(DrawContext& dc, int top) const
{
    Section(dc, top, ReportText("Certificate", "Run"));
    SelectedFont restored(dc, ReportFont::Body);
    const int gap = dc.TextWidth(QStringLiteral(" "));
    int y = top + SectionToRow;
    const int64_t lasted = m_Facts.started.msecsTo(m_Facts.ended) / 1000;
    QString duration = DurationText(lasted);
    if (m_Facts.ending == Facts::Ending::Stopped)
        duration = ReportText("Certificate", "%1 of %2, stopped")
                       .arg(duration, DurationText(m_Facts.plannedSeconds));
    else if (m_Facts.ending == Facts::Ending::InstrumentLost)
        duration = ReportText("Certificate", "%1 of %2, the instrument was lost")
                       .arg(duration, DurationText(m_Facts.plannedSeconds));
    const QString interval = m_Facts.intervalS == 0
                                 ? ReportText("Certificate", "every reading")
                                 : ReportText("Certificate", "%1 s").arg(m_Facts.intervalS);
    const QString tolerance = m_Facts.toleranceDb
                                  ? ReportText("Certificate", "%1 dB").arg(Fixed(m_Facts.toleranceDb))
                                  : ReportText("Certificate", "none");
    Labelled(dc, Left, y, Middle - gap, ReportText("Certificate", "Started:"), DateTimeText(m_Facts.started));
    Labelled(dc, Middle, y, Right, ReportText("Certificate", "Ended:"), DateTimeText(m_Facts.ended));
    y += RowStep;
    Labelled(dc, Left, y, Middle - gap, ReportText("Certificate", "Duration:"), duration);
    Labelled(dc, Middle, y, Right, ReportText("Certificate", "Interval:"), interval);
    y += RowStep;
    Labelled(dc, Left, y, Middle - gap, ReportText("Certificate", "Tolerance:"), tolerance);
    Labelled(dc, Middle, y, Right, ReportText("Certificate", "Program:"), m_Facts.program);
    if (!m_Facts.log.isEmpty()) {
        y += RowStep;
        Labelled(dc, Left, y, Right, ReportText("Certificate", "Log:"), m_Facts.log);
    }
    return y + BodyHeight;
}

int CStabilityCertificate::PrintResults(DrawContext& dc, int top) const
{
    Section(dc, top, ReportText("Certificate", "Results"));
    int y = top + SectionToRow;
    {
        SelectedFont restored(dc, ReportFont::Body);
        int left = Left;
        for (const Column& column : ResultColumns) {
            dc.DrawTextIn(Edges(left, y, column.right, y + HeadingHeight),
                          ReportText("Certificate", column.title),
                          DrawContext::TextFormat::HCenter | DrawContext::TextFormat::Bottom |
                              DrawContext::TextFormat::WordBreak);
            left = column.right;
        }
    }
    y += HeadingHeight + 2;
    Line(dc, Left, y, Right, y);
    SelectedFont restored(dc, ReportFont::Body);
    const size_t rows = std::min(m_Facts.results.size(), size_t(MostResultRows));
    QStringList marks;
    for (size_t i = 0; i < rows; ++i) {
        const Facts::Result& result = m_Facts.results[i];
        const std::vector<QString> texts = ResultTexts(result);
        int left = Left;
        for (size_t c = 0; c < std::size(ResultColumns); ++c) {
            DrawCentred(dc, Edges(left, y + 2, ResultColumns[c].right, y + 2 + BodyHeight), texts[c]);
            left = ResultColumns[c].right;
        }
        y += RowStep;
        if (result.low > 0 || result.high > 0)
            marks << ReportText("Certificate", "%1 nm: %2 below the range, %3 above it")
                         .arg(result.wavelength)
                         .arg(result.low)
                         .arg(result.high);
    }
    if (!marks.isEmpty()) {
        dc.TextAt(Left, y + 4, marks.join(QStringLiteral("; ")));
        y += RowStep;
    }
    return y;
}

void CStabilityCertificate::PrintChart(DrawContext& dc, int top, int bottom) const
{
    SelectedFont restored(dc, ReportFont::Body);
    dc.TextAt(Left, top - 2 * RowStep, ReportText("Certificate", "Power (dBm) over the run"));
    const PowerScale scale = ScaleOf(m_Facts.readings);
    const double seconds = std::max(1.0, double(m_Facts.started.msecsTo(m_Facts.ended)) / 1000.0);
    const auto yOf = [&](double dBm) {
        return bottom - (dBm - scale.low) / (scale.high - scale.low) * (bottom - top);
    };
    const auto xOf = [&](double at) {
        return ChartLeft + static_cast<int>(at / seconds * (Right - ChartLeft));
    };

    dc.SetPen(Grey);
    for (int i = 0; i <= PowerLines; ++i) {
        const int y = bottom - i * (bottom - top) / PowerLines;
        Line(dc, ChartLeft, y, Right, y);
        const double level = scale.low + (scale.high - scale.low) * i / PowerLines;
        dc.DrawTextIn(Edges(Left, y - BodyHeight / 2, ChartLeft - 6, y + BodyHeight / 2),
                      QString::number(level, 'f', 2),
                      DrawContext::TextFormat::Right | DrawContext::TextFormat::VCenter |
                          DrawContext::TextFormat::SingleLine);
    }
    for (int i = 0; i <= TimeQuarters; ++i) {
        const int x = ChartLeft + i * (Right - ChartLeft) / TimeQuarters;
        Line(dc, x, bottom, x, bottom + 4);
        const QString label = DurationText(static_cast<int64_t>(seconds * i / TimeQuarters));
        dc.TextAt(x - dc.TextWidth(label) / 2, bottom + 6, label);
    }
    dc.SetPen(Black);
    dc.DrawRectangle(Edges(ChartLeft, top, Right, bottom));

    int legendX = Right;
    for (size_t i = 0; i < m_Facts.results.size(); ++i) {
        const int wavelength = m_Facts.results[i].wavelength;
        const QColor colour = CurveColour(i);
        dc.SetPen(colour);
        TracePolyline curve(dc, top, bottom, CurveDetail::PixelColumns);
        for (const Facts::Reading& reading : m_Facts.readings) {
            if (reading.wavelength != wavelength)
                continue;
            const int x = xOf(reading.seconds);
            if (reading.mark == Facts::Mark::Number) {
                curve.Add(x, yOf(reading.dBm));
                continue;
            }
            // A reading below or above the range is a mark on the edge.
            curve.Break();
            if (reading.mark == Facts::Mark::Low)
                Line(dc, x, bottom, x, bottom - MarkLength);
            else
                Line(dc, x, top, x, top + MarkLength);
        }
        curve.Finish();
        const QString legend = ReportText("Certificate", "%1 nm").arg(wavelength);
        legendX -= dc.TextWidth(legend);
        dc.SetTextColor(colour);
        dc.TextAt(legendX, top - 2 * RowStep, legend);
        legendX -= dc.TextWidth(QStringLiteral("    "));
    }
    dc.SetTextColor(Black);
    dc.SetPen(Black);
}

void CStabilityCertificate::PrintVerdict(DrawContext& dc, int top) const
{
    SelectedFont restored(dc, ReportFont::Title);
    dc.TextAt(Left, top, ReportText("Certificate", "Result: %1").arg(VerdictText(m_Facts.verdict)));
}
