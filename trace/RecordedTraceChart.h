#pragma once

#include "trace/TracePolyline.h"

#include <QRect>

#include <vector>

class DrawContext;

// What the recorded trace chart shows besides its axes.
struct RecordedTraceChartData
{
    float range = 1.0f;             // dB from the zero line to the top (and the bottom) of the power axis
    bool zeroLineIsAverage = false; // labels the zero line "Avg." rather than "Ref."
    int sampleCount = 0;
    // The zero line's level, then the samples in time order, dBm.
    const std::vector<float>* plotValues = nullptr;
};

// Paints the recorded trace: the samples relative to the zero line across
// the chart's width, the power axis of +-range dB and the time axis with
// ticks at its quarters. chart is the chart rectangle in the page's pixels
// (its right and bottom edges are left + width and top + height), page the
// page's own rectangle: the curve is not held to the power axis, a sample
// beyond the range is drawn beyond it, as far as the page reaches.
void PaintRecordedTraceChart(DrawContext& dc, const QRect& chart, const QRect& page,
                             const RecordedTraceChartData& data,
                             CurveDetail detail = CurveDetail::PixelColumns);
