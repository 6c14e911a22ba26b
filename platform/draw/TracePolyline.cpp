#include "platform/draw/TracePolyline.h"

#include "platform/draw/DrawContext.h"

#include <algorithm>
#include <cmath>

TracePolyline::TracePolyline(DrawContext& dc, int top, int bottom, CurveDetail detail)
    : m_Dc(dc), m_Top(top), m_Bottom(bottom), m_Detail(detail)
{
}

void TracePolyline::Add(int x, double y)
{
    if (std::isnan(y))
        return;
    // Cut toward zero, as the chart's arithmetic cuts, once within the band.
    const Point point{x, static_cast<int>(std::clamp(y, double(m_Top), double(m_Bottom)))};
    if (m_Detail == CurveDetail::EveryPoint) {
        Draw(point);
        return;
    }
    if (m_Gathering && x != m_First.x)
        Flush();
    if (!m_Gathering) {
        m_Gathering = true;
        m_First = m_Lowest = m_Highest = m_Last = point;
        m_FirstIndex = m_LowestIndex = m_HighestIndex = m_LastIndex = m_Count++;
        return;
    }
    if (point.y < m_Lowest.y) {
        m_Lowest = point;
        m_LowestIndex = m_Count;
    }
    if (point.y > m_Highest.y) {
        m_Highest = point;
        m_HighestIndex = m_Count;
    }
    m_Last = point;
    m_LastIndex = m_Count++;
}

void TracePolyline::Finish()
{
    if (m_Gathering)
        Flush();
}

void TracePolyline::Break()
{
    Finish();
    m_Started = false;
}

void TracePolyline::Flush()
{
    struct Kept
    {
        long index;
        Point point;
    };
    Kept kept[] = {{m_FirstIndex, m_First},
                   {m_LowestIndex, m_Lowest},
                   {m_HighestIndex, m_Highest},
                   {m_LastIndex, m_Last}};
    std::sort(std::begin(kept), std::end(kept),
              [](const Kept& a, const Kept& b) { return a.index < b.index; });
    long drawn = -1;
    for (const Kept& each : kept) {
        if (each.index != drawn)
            Draw(each.point);
        drawn = each.index;
    }
    m_Gathering = false;
}

void TracePolyline::Draw(const Point& point)
{
    if (m_Started) {
        m_Dc.LineTo(point.x, point.y);
        return;
    }
    m_Started = true;
    m_Dc.MoveTo(point.x, point.y);
}
