#include "trace/RecordedTraceChart.h"

#include "platform/draw/DrawContext.h"
#include "trace/TraceChartAxes.h"

namespace {
constexpr int TimeQuarters = 4;
// Lines leaving the page are cut this many pixels beyond it: far enough that
// neither the cut nor its rounding is ever seen, near enough for the
// fixed-point coordinates of any rasteriser.
constexpr int ClipMargin = 1 << 16;

const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);

void DrawCurve(DrawContext& dc, const TraceChartFrame& f, const QRect& page,
               const RecordedTraceChartData& data, float unit, CurveDetail detail)
{
    const std::vector<float>& values = *data.plotValues;
    const int n = static_cast<int>(values.size());
    const float level = values[0];
    TracePolyline curve(dc, page.adjusted(-ClipMargin, -ClipMargin, ClipMargin, ClipMargin), detail);
    dc.SetPen(Red);
    // The first sample is placed by the power divisions, the others by the
    // half height: the two agree when the height is a multiple of 20.
    curve.Add(f.x0, f.mid - ((values[1] - level) / unit) * f.step);
    // 32-bit floats, as the samples are spread: element k lands at
    // x0 + k * w / sampleCount.
    const float spacing = (static_cast<float>(n) / static_cast<float>(data.sampleCount)) *
                          static_cast<float>(f.w) / static_cast<float>(n);
    const float halfHeight = static_cast<float>(f.h / 2);
    for (int k = 2; k < n; ++k) {
        const float d = values[k] - level;
        const float y = static_cast<float>(f.mid) - (d / data.range) * halfHeight;
        const int x = static_cast<int>(static_cast<float>(f.x0) + spacing * static_cast<float>(k));
        curve.Add(x, y);
    }
    curve.Finish();
}
} // namespace

void PaintRecordedTraceChart(DrawContext& dc, const QRect& chart, const QRect& page,
                             const RecordedTraceChartData& data, CurveDetail detail)
{
    const TraceChartFrame frame(chart);
    const float unit = 2 * data.range / PowerDivisions;

    dc.SetPen(Black);
    dc.SetTextColor(Black);
    DrawPowerAxis(dc, frame);
    DrawTimeAxis(dc, frame, frame.w);
    for (int i = 1; i < TimeQuarters; ++i) {
        const int x = frame.x0 + i * (frame.w / TimeQuarters);
        DrawChartLine(dc, x, frame.y0 - 10, x, frame.y0);
    }
    DrawPowerScale(dc, frame, unit, 2,
                   data.zeroLineIsAverage ? QStringLiteral("Avg.") : QStringLiteral("Ref."));
    dc.TextAt(frame.x0 + 15, 10, QStringLiteral("Power(dB)"));

    if (data.plotValues != nullptr && data.plotValues->size() >= 2 && data.sampleCount > 0)
        DrawCurve(dc, frame, page, data, unit, detail);
}
