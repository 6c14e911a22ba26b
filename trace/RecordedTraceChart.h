#pragma once

#include "platform/draw/TracePolyline.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class DrawContext;

// What the recorded trace chart shows besides its axes.
struct RecordedTraceChartData
{
    float range = 1.0f;             // dB from the zero line to the top (and the bottom) of the power axis
    bool zeroLineIsAverage = false; // labels the zero line "Avg." rather than "Ref."
    int sampleCount = 0;
    // From the recording's start to its end; below 0 when unknown (a trace
    // document has no times), and the time axis is then left unlabelled.
    int recordedSeconds = -1;
    // The zero line's level, then the samples in time order, dBm.
    const std::vector<float>* plotValues = nullptr;

    // Two cursors at samples, drawn across the chart, and what they read,
    // a line each in the chart's top left corner: the first line in the
    // first cursor's colour, the second in the second's, the rest in black.
    struct Cursors
    {
        int sampleA = 0;
        int sampleB = 0;
        std::vector<QString> readout;
    };
    std::optional<Cursors> cursors;
};

// The colours of the two cursors.
inline const QColor CursorColourA(0, 0, 200);
inline const QColor CursorColourB(0, 128, 0);

// Paints the recorded trace: the samples relative to the zero line across
// the chart's width, the power axis of +-range dB and the time axis with
// ticks at its quarters, labelled with the time elapsed there (mm:ss, or
// h:mm:ss for a recording of an hour or more). chart is the chart rectangle
// in the page's pixels (its right and bottom edges are left + width and
// top + height); the curve stays within its height, a sample beyond the
// range drawn on its edge.
void PaintRecordedTraceChart(DrawContext& dc, const QRect& chart, const RecordedTraceChartData& data,
                             CurveDetail detail = CurveDetail::PixelColumns);
