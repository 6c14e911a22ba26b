#pragma once

#include <QRect>
#include <QString>

class DrawContext;

// What the live and the recorded trace charts draw alike: the power axis
// rising from the origin, the time axis running right from it, and the
// power scale of ten divisions above and ten below the zero line.

constexpr int PowerDivisions = 20;

// The chart's origin and size in the page's pixels, from its rectangle; the
// zero line lies half the height up, a power division is a twentieth of it.
struct TraceChartFrame
{
    explicit TraceChartFrame(const QRect& chart);

    // Where the curve is drawn: from the origin up the height and across
    // the width, both axes' ends included. A press there acts on the chart.
    QRect Area() const { return QRect(x0, y0 - h, w + 1, h + 1); }

    int x0;
    int y0;
    int w;
    int h;
    int mid;
    int step;
};

void DrawChartLine(DrawContext& dc, int x1, int y1, int x2, int y2);

// Up to the top of the chart, with an arrow head.
void DrawPowerAxis(DrawContext& dc, const TraceChartFrame& frame);
// Along the bottom to x0 + length, with an arrow head.
void DrawTimeAxis(DrawContext& dc, const TraceChartFrame& frame, int length);
// A reading below the meter's range as a mark rising from the chart's bottom
// at x, one above it as a mark hanging from its top: never a point.
void DrawRangeMark(DrawContext& dc, const TraceChartFrame& frame, int x, bool above);
// The zero line, labelled zeroLabel, and the ticks and labels of `unit` dB
// per division, each with `decimals` digits, those below prefixed "-".
void DrawPowerScale(DrawContext& dc, const TraceChartFrame& frame, float unit, int decimals,
                    const QString& zeroLabel);
