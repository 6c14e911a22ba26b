#include "trace/TraceChartAxes.h"

#include "link/TraceText.h"
#include "platform/draw/DrawContext.h"

TraceChartFrame::TraceChartFrame(const QRect& chart)
    : x0(chart.left() + 5), y0(chart.top() + chart.height()), w(chart.width()), h(chart.height()),
      mid(y0 - h / 2), step(h / PowerDivisions)
{
}

void DrawChartLine(DrawContext& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void DrawPowerAxis(DrawContext& dc, const TraceChartFrame& f)
{
    const int top = f.y0 - f.h;
    DrawChartLine(dc, f.x0, f.y0, f.x0, top);
    DrawChartLine(dc, f.x0, top, f.x0 - 5, top + 10);
    DrawChartLine(dc, f.x0, top, f.x0 + 5, top + 10);
}

void DrawTimeAxis(DrawContext& dc, const TraceChartFrame& f, int length)
{
    const int end = f.x0 + length;
    DrawChartLine(dc, f.x0, f.y0, end, f.y0);
    DrawChartLine(dc, end, f.y0, end - 10, f.y0 - 5);
    DrawChartLine(dc, end, f.y0, end - 10, f.y0 + 5);
}

void DrawRangeMark(DrawContext& dc, const TraceChartFrame& f, int x, bool above)
{
    constexpr int Length = 8;
    const int edge = above ? f.y0 - f.h : f.y0;
    const int tip = above ? edge + Length : edge - Length;
    DrawChartLine(dc, x, edge, x, tip);
    DrawChartLine(dc, x - 3, edge, x, tip);
    DrawChartLine(dc, x + 3, edge, x, tip);
}

void DrawPowerScale(DrawContext& dc, const TraceChartFrame& f, float unit, int decimals,
                    const QString& zeroLabel)
{
    const auto label = [&](int i) { return QString::fromStdString(TraceFixedText(i * unit, decimals)); };
    DrawChartLine(dc, f.x0, f.mid, f.x0 + f.w, f.mid);
    for (int i = 0; i < PowerDivisions / 2; ++i) {
        const int y = f.mid - i * f.step;
        dc.TextAt(f.x0 - 40, y - 10, i == 0 ? zeroLabel : label(i));
        DrawChartLine(dc, f.x0, y, f.x0 + 10, y);
    }
    for (int i = 1; i <= PowerDivisions / 2; ++i) {
        const int y = f.mid + i * f.step;
        dc.TextAt(f.x0 - 40, y - 10, QStringLiteral("-") + label(i));
        if (i < PowerDivisions / 2)
            DrawChartLine(dc, f.x0, y, f.x0 + 10, y);
    }
}
