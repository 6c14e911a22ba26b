#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

class DrawContext;

// What the live chart shows besides its axes.
struct LiveTraceChartData
{
    QString waveLength;                         // nm
    QString reference;                          // dBm, "%.2f"
    QString power;                              // dBm, "%.2f", "Low" or "High"
    const std::vector<float>* series = nullptr; // power samples, oldest first
    QColor valueBoxColor;
};

// Paints the live power chart: power relative to the reference over two
// minutes of samples, with the values printed beside it. chart is the chart
// rectangle in the page's pixels; its right and bottom edges are
// left + width and top + height.
void PaintLiveTraceChart(DrawContext& dc, const QRect& chart, const LiveTraceChartData& data);
