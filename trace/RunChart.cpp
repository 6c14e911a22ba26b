#include "trace/RunChart.h"

#include "link/TraceText.h"
#include "platform/draw/CurveColours.h"
#include "platform/draw/DrawContext.h"
#include "platform/draw/TracePolyline.h"
#include "trace/TraceChartAxes.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
constexpr int TimeQuarters = 4;
constexpr int PowerLevels = 4; // labelled levels above the bottom

const QColor Black(0, 0, 0);

QString ElapsedText(int64_t ms)
{
    const int64_t seconds = ms / 1000;
    return QString::asprintf("%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                             static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
}

using Iterator = std::vector<TimedReading>::const_iterator;

// The readings of the window, from its start to its end.
std::pair<Iterator, Iterator> InView(const RunChartData& data)
{
    const std::vector<TimedReading>& readings = *data.readings;
    const auto before = [](const TimedReading& reading, int64_t ms) { return reading.atMs < ms; };
    const auto first = std::lower_bound(readings.begin(), readings.end(), data.fromMs, before);
    const auto end = std::lower_bound(first, readings.end(), data.toMs + 1, before);
    return {first, end};
}

struct Levels
{
    double low;
    double high;
};

// The readings in view, widened a little so the curve clears the frame, and
// to a tenth of a dB at least.
Levels LevelsOf(Iterator first, Iterator end)
{
    double low = 0.0, high = 0.0;
    bool any = false;
    for (auto it = first; it != end; ++it) {
        if (it->state != ReadingState::Ok)
            continue;
        low = any ? std::min(low, double(it->power)) : it->power;
        high = any ? std::max(high, double(it->power)) : it->power;
        any = true;
    }
    const double margin = std::max(0.05, (high - low) * 0.1);
    return {low - margin, high + margin};
}

int64_t Span(const RunChartData& data)
{
    return std::max<int64_t>(1, data.toMs - data.fromMs);
}
} // namespace

int64_t RunChartTimeAt(const QRect& chart, const RunChartData& data, int x)
{
    const TraceChartFrame frame(chart);
    const double along = std::clamp(double(x - frame.x0) / std::max(1, frame.w), 0.0, 1.0);
    return data.fromMs + static_cast<int64_t>(along * double(Span(data)));
}

void PaintRunChart(DrawContext& dc, const QRect& chart, const RunChartData& data)
{
    const TraceChartFrame frame(chart);
    dc.SetPen(Black);
    dc.SetTextColor(Black);
    DrawPowerAxis(dc, frame);
    DrawTimeAxis(dc, frame, frame.w + 40);
    PaintLiveValues(dc, frame, data.values);
    dc.TextAt(frame.x0 + 5, 10, QCoreApplication::translate("TraceChart", "Power(dBm)"));
    dc.TextAt(frame.x0 + frame.w + 25, frame.y0 + 5, QCoreApplication::translate("TraceChart", "Time"));

    // The first label starts at the origin and the last ends at the axis's
    // end, clear of the axis's caption; those between are centred.
    for (int i = 0; i <= TimeQuarters; ++i) {
        const int x = frame.x0 + i * frame.w / TimeQuarters;
        DrawChartLine(dc, x, frame.y0, x, frame.y0 - 10);
        const QString label = ElapsedText(data.fromMs - data.startMs + Span(data) * i / TimeQuarters);
        const int width = dc.TextWidth(label);
        const int left = i == 0 ? x : i == TimeQuarters ? x - width : x - width / 2;
        dc.TextAt(left, frame.y0 + 5, label);
    }
    if (data.readings == nullptr)
        return;
    const auto [first, end] = InView(data);
    const Levels levels = LevelsOf(first, end);
    const int top = frame.y0 - frame.h;
    for (int i = 0; i <= PowerLevels; ++i) {
        const int y = frame.y0 - i * frame.h / PowerLevels;
        DrawChartLine(dc, frame.x0, y, frame.x0 + 10, y);
        const double level = levels.low + (levels.high - levels.low) * i / PowerLevels;
        dc.TextAt(frame.x0 - 44, y - 10, QString::fromStdString(TraceFixedText(level, 2)));
    }

    const double pixelsPerMs = double(frame.w) / double(Span(data));
    const double pixelsPerDb = double(frame.h) / (levels.high - levels.low);
    int legendX = frame.x0 + 110;
    for (size_t i = 0; i < data.wavelengths.size(); ++i) {
        const uint16_t wavelength = data.wavelengths[i];
        const QColor colour = CurveColour(i);
        dc.SetPen(colour);
        TracePolyline curve(dc, top, frame.y0, CurveDetail::PixelColumns);
        for (auto it = first; it != end; ++it) {
            if (it->wavelength != wavelength)
                continue;
            const int x = frame.x0 + static_cast<int>(double(it->atMs - data.fromMs) * pixelsPerMs);
            if (it->state == ReadingState::Ok)
                curve.Add(x, frame.y0 - (double(it->power) - levels.low) * pixelsPerDb);
            else {
                curve.Break();
                DrawRangeMark(dc, frame, x, it->state == ReadingState::High);
            }
        }
        curve.Finish();
        const QString legend = QCoreApplication::translate("TraceChart", "%1 nm").arg(wavelength);
        dc.SetTextColor(colour);
        dc.TextAt(legendX, 10, legend);
        legendX += dc.TextWidth(legend) + 20;
    }
    dc.SetTextColor(Black);
    dc.SetPen(Black);
}
