#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

class DrawContext;
struct TraceChartFrame;

// What the live chart shows besides its axes.
struct LiveTraceChartData
{
    QString waveLength;                         // nm
    QString reference;                          // dBm, "%.2f"
    QString power;                              // dBm, "%.2f", "Low" or "High"
    const std::vector<float>* series = nullptr; // power samples, oldest first
    QColor valueBoxColor;
    bool wrongMode = false; // the unit answers without a power reading: the hint shows
};

// Paints the live power chart: power relative to the reference over two
// minutes of samples, with the values printed beside it. A sample below or
// above the meter's range is a mark on the chart's bottom or top edge, never
// a point of the curve. chart is the chart rectangle in the page's pixels;
// its right and bottom edges are left + width and top + height.
void PaintLiveTraceChart(DrawContext& dc, const QRect& chart, const LiveTraceChartData& data);

// The values beside the chart (wavelength, reference, current power) and,
// while the unit is in the wrong mode, the red hint below them: what the
// live chart and the chart of the whole trace both print there.
void PaintLiveValues(DrawContext& dc, const TraceChartFrame& frame, const LiveTraceChartData& data);
