#include "trace/TracePolyline.h"

#include "platform/draw/DrawContext.h"

#include <algorithm>
#include <cmath>

namespace {
// Beyond any page; an infinity becomes this before any arithmetic on it.
constexpr double FarAway = 1e12;
} // namespace

TracePolyline::TracePolyline(DrawContext& dc, const QRect& bounds, CurveDetail detail)
    : m_Dc(dc), m_Bounds(bounds), m_Detail(detail)
{
}

void TracePolyline::Add(int x, double y)
{
    if (std::isnan(y))
        return;
    const Point point{x, std::clamp(y, -FarAway, FarAway)};
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

int TracePolyline::Pixel(double value)
{
    return static_cast<int>(value); // toward zero, as the chart's arithmetic cuts
}

bool TracePolyline::Inside(const Point& p) const
{
    return p.x >= m_Bounds.left() && p.x <= m_Bounds.right() && p.y >= m_Bounds.top() &&
           p.y <= m_Bounds.bottom();
}

void TracePolyline::Draw(const Point& point)
{
    if (!m_Started) {
        m_Started = true;
        m_ContextAtPrevious = Inside(point);
        if (m_ContextAtPrevious)
            m_Dc.MoveTo(point.x, Pixel(point.y));
    } else if (Inside(m_Previous) && Inside(point)) {
        if (!m_ContextAtPrevious)
            m_Dc.MoveTo(m_Previous.x, Pixel(m_Previous.y));
        m_Dc.LineTo(point.x, Pixel(point.y));
        m_ContextAtPrevious = true;
    } else {
        DrawClipped(m_Previous, point);
    }
    m_Previous = point;
}

void TracePolyline::DrawClipped(const Point& from, const Point& to)
{
    // Liang-Barsky: the part of the line from + t (to - from), 0 <= t <= 1,
    // inside the bounds.
    const double dx = double(to.x) - from.x;
    const double dy = to.y - from.y;
    double enter = 0.0, leave = 1.0;
    const auto within = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    const bool visible = within(-dx, from.x - m_Bounds.left()) && within(dx, m_Bounds.right() - from.x) &&
                         within(-dy, from.y - m_Bounds.top()) && within(dy, m_Bounds.bottom() - from.y);
    if (!visible) {
        m_ContextAtPrevious = false;
        return;
    }
    const bool fromInside = Inside(from);
    const bool toInside = Inside(to);
    if (!fromInside)
        m_Dc.MoveTo(int(std::lround(from.x + enter * dx)), int(std::lround(from.y + enter * dy)));
    else if (!m_ContextAtPrevious)
        m_Dc.MoveTo(from.x, Pixel(from.y));
    if (toInside)
        m_Dc.LineTo(to.x, Pixel(to.y));
    else
        m_Dc.LineTo(int(std::lround(from.x + leave * dx)), int(std::lround(from.y + leave * dy)));
    m_ContextAtPrevious = toInside;
}
