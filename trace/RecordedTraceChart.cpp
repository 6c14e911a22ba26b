#include "trace/RecordedTraceChart.h"

#include "platform/draw/DrawContext.h"
#include "trace/TraceChartAxes.h"
#include "trace/TraceCursors.h"

#include <QCoreApplication>

namespace {
constexpr int TimeQuarters = 4;

const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);
const QColor ReadoutBackground(255, 255, 255);
constexpr int ReadoutLine = 18;

QString ElapsedText(int seconds, bool withHours)
{
    const int s = seconds % 60, m = (seconds / 60) % 60, h = seconds / 3600;
    return withHours ? QString::asprintf("%d:%02d:%02d", h, m, s) : QString::asprintf("%02d:%02d", m, s);
}

// Below the axis at each tick, the origin and the arrow's end included.
void DrawTimeLabels(DrawContext& dc, const TraceChartFrame& f, int recordedSeconds)
{
    const bool withHours = recordedSeconds >= 3600;
    for (int i = 0; i <= TimeQuarters; ++i) {
        const int x = i == TimeQuarters ? f.x0 + f.w : f.x0 + i * (f.w / TimeQuarters);
        const auto elapsed = static_cast<int>(static_cast<long long>(recordedSeconds) * i / TimeQuarters);
        const QString label = ElapsedText(elapsed, withHours);
        dc.TextAt(x - dc.TextWidth(label) / 2, f.y0 + 5, label);
    }
}

void DrawCurve(DrawContext& dc, const TraceChartFrame& f, const RecordedTraceChartData& data, float unit,
               CurveDetail detail)
{
    const std::vector<float>& values = *data.plotValues;
    const int n = static_cast<int>(values.size());
    const float level = values[0];
    TracePolyline curve(dc, f.y0 - f.h, f.y0, detail);
    dc.SetPen(Red);
    // The first sample is placed by the power divisions, the others by the
    // half height: the two agree when the height is a multiple of 20.
    curve.Add(f.x0, f.mid - ((values[1] - level) / unit) * f.step);
    // 32-bit floats, as the samples are spread: element k lands at
    // x0 + k * w / sampleCount.
    const float spacing = (static_cast<float>(n) / static_cast<float>(data.sampleCount)) *
                          static_cast<float>(f.w) / static_cast<float>(n);
    // Half the height in whole pixels, as the frame places its middle line.
    const float halfHeight = static_cast<float>(f.h / 2); // NOLINT(bugprone-integer-division)
    for (int k = 2; k < n; ++k) {
        const float d = values[k] - level;
        const float y = static_cast<float>(f.mid) - (d / data.range) * halfHeight;
        const int x = static_cast<int>(static_cast<float>(f.x0) + spacing * static_cast<float>(k));
        curve.Add(x, y);
    }
    curve.Finish();
}
// The cursors across the chart, then their readout on a white ground, in
// the corner above the curve's start.
void DrawCursors(DrawContext& dc, const TraceChartFrame& f, const RecordedTraceChartData& data)
{
    const RecordedTraceChartData::Cursors& cursors = *data.cursors;
    const QRect chart(f.x0 - 5, f.y0 - f.h, f.w, f.h);
    const std::pair<int, QColor> lines[] = {{cursors.sampleA, CursorColourA},
                                            {cursors.sampleB, CursorColourB}};
    for (const auto& [sample, colour] : lines) {
        dc.SetPen(colour);
        const int x = RecordedSampleX(chart, data.sampleCount, sample);
        DrawChartLine(dc, x, f.y0 - f.h, x, f.y0);
    }
    int y = f.y0 - f.h + 25;
    for (size_t i = 0; i < cursors.readout.size(); ++i, y += ReadoutLine) {
        const QString& line = cursors.readout[i];
        dc.FillRect(QRect(f.x0 + 20, y, dc.TextWidth(line), ReadoutLine - 2), ReadoutBackground);
        dc.SetTextColor(i == 0 ? CursorColourA : i == 1 ? CursorColourB : Black);
        dc.TextAt(f.x0 + 20, y, line);
    }
    dc.SetTextColor(Black);
}
} // namespace

void PaintRecordedTraceChart(DrawContext& dc, const QRect& chart, const RecordedTraceChartData& data,
                             CurveDetail detail)
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
    if (data.recordedSeconds >= 0)
        DrawTimeLabels(dc, frame, data.recordedSeconds);
    DrawPowerScale(dc, frame, unit, 2,
                   data.zeroLineIsAverage ? QCoreApplication::translate("TraceChart", "Avg.")
                                          : QCoreApplication::translate("TraceChart", "Ref."));
    dc.TextAt(frame.x0 + 15, 10, QCoreApplication::translate("TraceChart", "Power(dB)"));

    if (data.plotValues != nullptr && data.plotValues->size() >= 2 && data.sampleCount > 0)
        DrawCurve(dc, frame, data, unit, detail);
    if (data.cursors)
        DrawCursors(dc, frame, data);
}
