#pragma once

#include <QRect>

class DrawContext;

// How much of a curve is handed to the drawing context.
enum class CurveDetail
{
    // Per pixel column only the first, the lowest, the highest and the last
    // point, in their order: the same pixels as every point, since the lines
    // between the points of one column cover just the span from the lowest to
    // the highest, and the lines into and out of the column are kept.
    PixelColumns,
    EveryPoint,
};

// A chart's curve, drawn point by point as a line from each point to the
// next, as a device context's line-to would. A point's y is given before it
// is cut to whole pixels, so a value far beyond the page (a trace sample
// hundreds of dB from the zero line, an infinity) is not turned into an
// integer that overflows: a line reaching beyond `bounds` is clipped to them,
// which changes nothing that lies inside them. A point whose y is no number
// is left out, and the line goes on from the point before it.
class TracePolyline
{
public:
    // `bounds` should reach well beyond the area the curve is seen in, so
    // that what clipping takes off a line is never seen.
    TracePolyline(DrawContext& dc, const QRect& bounds, CurveDetail detail);

    // x never decreases from one point to the next.
    void Add(int x, double y);
    // Draws what is still gathered; call once after the last point.
    void Finish();

private:
    struct Point
    {
        int x;
        double y;
    };

    void Flush();
    void Draw(const Point& point);
    void DrawClipped(const Point& from, const Point& to);
    bool Inside(const Point& point) const;
    static int Pixel(double value);

    DrawContext& m_Dc;
    QRect m_Bounds;
    CurveDetail m_Detail;

    // The pixel column being gathered: its first, lowest, highest and last
    // points, and the order in which they came.
    bool m_Gathering = false;
    Point m_First{}, m_Lowest{}, m_Highest{}, m_Last{};
    long m_FirstIndex = 0, m_LowestIndex = 0, m_HighestIndex = 0, m_LastIndex = 0;
    long m_Count = 0;

    // The last point drawn to, and whether the context's current point is it.
    bool m_Started = false;
    Point m_Previous{};
    bool m_ContextAtPrevious = false;
};
