#pragma once

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
// next, as a device context's line-to would, held to the chart's band of
// rows: a point above or below it is drawn on its edge, so a curve beyond
// the range runs along the edge, where the user sees that it goes on beyond.
// A point's y is given before it is cut to whole pixels, so a value far
// beyond the page (a sample hundreds of dB from the zero line, an infinity)
// never becomes an integer that overflows. A point whose y is no number is
// left out, and the line goes on from the point before it.
class TracePolyline
{
public:
    // The band runs from the row `top` down to the row `bottom`.
    TracePolyline(DrawContext& dc, int top, int bottom, CurveDetail detail);

    // x never decreases from one point to the next.
    void Add(int x, double y);
    // Draws what is still gathered; call once after the last point.
    void Finish();
    // Ends the line here: what is gathered is drawn, and the next point
    // starts a new line. Between the two the context may draw elsewhere.
    void Break();

private:
    struct Point
    {
        int x;
        int y;
    };

    void Flush();
    void Draw(const Point& point);

    DrawContext& m_Dc;
    int m_Top;
    int m_Bottom;
    CurveDetail m_Detail;

    // The pixel column being gathered: its first, lowest, highest and last
    // points, and the order in which they came.
    bool m_Gathering = false;
    Point m_First{}, m_Lowest{}, m_Highest{}, m_Last{};
    long m_FirstIndex = 0, m_LowestIndex = 0, m_HighestIndex = 0, m_LastIndex = 0;
    long m_Count = 0;

    bool m_Started = false;
};
