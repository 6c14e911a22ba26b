#include "trace/LiveTraceChart.h"

#include "link/Reading.h"
#include "link/TraceText.h"
#include "platform/draw/DrawContext.h"
#include "trace/TraceChartAxes.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
constexpr float PowerRange = 20.0f; // the power axis spans +-PowerRange dB around the reference
constexpr int TimeDivisions = 20;   // sample spacing: 12 samples per division
constexpr int TimeTicks = 8;        // labelled 0 to 120 s
constexpr int SecondsShown = 120;
constexpr float UpperClamp = 19.5f; // the limits are not symmetric
constexpr float LowerClamp = -21.5f;

const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);
} // namespace

void PaintLiveValues(DrawContext& dc, const TraceChartFrame& frame, const LiveTraceChartData& data)
{
    const int x0 = frame.x0;
    const int y0 = frame.y0;
    const int w = frame.w;
    dc.FillRect(QRect(x0 + w + 130, y0 / 2 - 60, 50, 95), data.valueBoxColor);
    const int labelX = x0 + w;
    const int valueX = x0 + w + 130;
    dc.TextAt(labelX, y0 / 2 - 60, QCoreApplication::translate("TraceChart", "WaveLength(nm):"));
    dc.TextAt(valueX, y0 / 2 - 60, data.waveLength);
    dc.TextAt(labelX, y0 / 2 - 20, QCoreApplication::translate("TraceChart", "Reference(dBm):"));
    dc.TextAt(valueX, y0 / 2 - 20, data.reference);
    dc.TextAt(labelX, y0 / 2 + 20, QCoreApplication::translate("TraceChart", "CurrentPower(dBm):"));
    dc.TextAt(valueX, y0 / 2 + 20, data.power);
    if (!data.wrongMode)
        return;
    dc.SetTextColor(Red);
    dc.TextAt(x0 + w + 50, y0 / 2 + 90,
              QCoreApplication::translate("TraceChart", "Please switch the unit to OPM mode"));
    dc.SetTextColor(Black);
}

void PaintLiveTraceChart(DrawContext& dc, const QRect& chart, const LiveTraceChartData& data)
{
    const TraceChartFrame frame(chart);
    const int x0 = frame.x0;
    const int y0 = frame.y0;
    const int w = frame.w;
    const int mid = frame.mid;
    const int step = frame.step;
    const float unit = 2 * PowerRange / PowerDivisions;

    dc.SetPen(Black);
    dc.SetTextColor(Black);
    DrawPowerAxis(dc, frame);
    DrawTimeAxis(dc, frame, w + 40);
    PaintLiveValues(dc, frame, data);

    for (int i = 0; i <= TimeTicks; ++i) {
        const int x = x0 + (i * w) / TimeTicks;
        dc.TextAt(x - 7, y0 + 5, QString::number((i * SecondsShown) / TimeTicks));
        DrawChartLine(dc, x, y0, x, y0 - 10);
    }
    dc.TextAt(x0 + w + 25, y0 + 5, QCoreApplication::translate("TraceChart", "Time(s)"));

    DrawPowerScale(dc, frame, unit, 1, QCoreApplication::translate("TraceChart", "Ref."));
    dc.TextAt(x0 + 5, 10, QCoreApplication::translate("TraceChart", "Power(dB)"));

    if (data.series == nullptr || data.series->empty())
        return;
    dc.SetPen(Red);
    const double reference = LeadingNumber(data.reference.toStdString());
    const auto yOf = [&](float sample) {
        const float d = std::clamp(static_cast<float>(sample - reference), LowerClamp, UpperClamp);
        return static_cast<int>(mid - (d / unit) * step);
    };
    // The curve runs through the samples with a number; one below or above
    // the range breaks it with a mark.
    bool drawing = false;
    const std::vector<float>& series = *data.series;
    for (size_t k = 0; k < series.size(); ++k) {
        const int x = x0 + (static_cast<int>(k) * (w / TimeDivisions)) / 12;
        const ReadingState state = StateOfPower(series[k]);
        if (state != ReadingState::Ok) {
            DrawRangeMark(dc, frame, x, state == ReadingState::High);
            drawing = false;
            continue;
        }
        if (!drawing)
            dc.MoveTo(x, yOf(series[k]));
        dc.LineTo(x, yOf(series[k]));
        drawing = true;
    }
}
