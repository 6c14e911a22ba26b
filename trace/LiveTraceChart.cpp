#include "LiveTraceChart.h"

#include "DrawContext.h"
#include "TraceText.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kRange = 20.0f;     // the power axis spans +-kRange dB around the reference
constexpr int kPowerDivisions = 20; // 10 above and 10 below the reference line
constexpr int kTimeDivisions = 20;  // sample spacing: 12 samples per division
constexpr int kTimeTicks = 8;       // labelled 0 to 120 s
constexpr int kSeconds = 120;
constexpr float kUpperClamp = 19.5f; // the limits are not symmetric
constexpr float kLowerClamp = -21.5f;

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

void Line(DrawContext& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

QString Tenths(double value)
{
    return QString::fromStdString(TraceFixedText(value, 1));
}
} // namespace

void PaintLiveTraceChart(DrawContext& dc, const QRect& chart, const LiveTraceChartData& data)
{
    const int x0 = chart.left() + 5;
    const int y0 = chart.top() + chart.height();
    const int w = chart.width();
    const int h = chart.height();
    const int mid = y0 - h / 2;
    const int step = h / kPowerDivisions;
    const float unit = 2 * kRange / kPowerDivisions;

    dc.SetPen(kBlack);
    dc.SetTextColor(kBlack);
    Line(dc, x0, y0, x0, y0 - h);
    Line(dc, x0, y0, x0 + w + 40, y0);
    Line(dc, x0 + w + 40, y0, x0 + w + 30, y0 - 5);
    Line(dc, x0 + w + 40, y0, x0 + w + 30, y0 + 5);
    Line(dc, x0, y0 - h, x0 - 5, y0 - h + 10);
    Line(dc, x0, y0 - h, x0 + 5, y0 - h + 10);

    dc.FillRect(QRect(x0 + w + 130, y0 / 2 - 60, 50, 95), data.valueBoxColor);
    const int labelX = x0 + w;
    const int valueX = x0 + w + 130;
    dc.TextAt(labelX, y0 / 2 - 60, QStringLiteral("WaveLength(nm):"));
    dc.TextAt(valueX, y0 / 2 - 60, data.waveLength);
    dc.TextAt(labelX, y0 / 2 - 20, QStringLiteral("Reference(dBm):"));
    dc.TextAt(valueX, y0 / 2 - 20, data.reference);
    dc.TextAt(labelX, y0 / 2 + 20, QStringLiteral("CurrentPower(dBm):"));
    dc.TextAt(valueX, y0 / 2 + 20, data.power);

    dc.SetTextColor(kRed);
    dc.TextAt(x0 + w + 50, y0 / 2 + 90, QStringLiteral("Please switch the unit to OPM mode"));
    dc.SetTextColor(kBlack);

    for (int i = 0; i <= kTimeTicks; ++i) {
        const int x = x0 + (i * w) / kTimeTicks;
        dc.TextAt(x - 7, y0 + 5, QString::number((i * kSeconds) / kTimeTicks));
        Line(dc, x, y0, x, y0 - 10);
    }
    dc.TextAt(x0 + w + 25, y0 + 5, QStringLiteral("Time(s)"));

    Line(dc, x0, mid, x0 + w, mid);
    for (int i = 0; i < kPowerDivisions / 2; ++i) {
        const int y = mid - i * step;
        dc.TextAt(x0 - 40, y - 10, i == 0 ? QStringLiteral("Ref.") : Tenths(i * unit));
        Line(dc, x0, y, x0 + 10, y);
    }
    for (int i = 1; i <= kPowerDivisions / 2; ++i) {
        const int y = mid + i * step;
        dc.TextAt(x0 - 40, y - 10, QStringLiteral("-") + Tenths(i * unit));
        if (i < kPowerDivisions / 2)
            Line(dc, x0, y, x0 + 10, y);
    }
    dc.TextAt(x0 + 5, 10, QStringLiteral("Power(dB)"));

    if (data.series == nullptr || data.series->empty())
        return;
    dc.SetPen(kRed);
    const double reference = LeadingNumber(data.reference.toStdString());
    const auto yOf = [&](float sample) {
        float d = static_cast<float>(sample - reference);
        // A report's power is the instrument's bytes: one that is no number
        // goes to the bottom rather than into an undefined conversion.
        if (std::isnan(d))
            d = kLowerClamp;
        d = std::clamp(d, kLowerClamp, kUpperClamp);
        return static_cast<int>(mid - (d / unit) * step);
    };
    const std::vector<float>& series = *data.series;
    dc.MoveTo(x0, yOf(series.front()));
    for (size_t k = 0; k < series.size(); ++k)
        dc.LineTo(x0 + (static_cast<int>(k) * (w / kTimeDivisions)) / 12, yOf(series[k]));
}
