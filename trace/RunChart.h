#pragma once

#include "link/Reading.h"
#include "trace/LiveTraceChart.h"

#include <QRect>

#include <cstdint>
#include <vector>

class DrawContext;

// The chart of every reading of a trace or a stability run, over a window of
// its time that the user zooms: the power in dBm on an axis that fits the
// readings in view, a curve per wavelength, readings below or above the
// range as marks, and the time since the start in h:mm:ss. However many
// readings lie in view, the curve is cut to pixel columns.
struct RunChartData
{
    const std::vector<TimedReading>* readings = nullptr; // in time order
    int64_t startMs = 0;                                 // what the time axis counts from
    int64_t fromMs = 0;                                  // the window in view
    int64_t toMs = 0;
    std::vector<uint16_t> wavelengths; // in the order of their colours
    LiveTraceChartData values;         // printed beside the chart
};

void PaintRunChart(DrawContext& dc, const QRect& chart, const RunChartData& data);

// The time at x in the chart's pixels, within the window in view.
int64_t RunChartTimeAt(const QRect& chart, const RunChartData& data, int x);
