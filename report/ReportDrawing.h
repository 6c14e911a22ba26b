#pragma once

#include "platform/draw/DrawContext.h"

#include <QRect>
#include <QString>

// The drawing steps the report painters share, by edges (left, top, right,
// bottom) as the layout gives them.

constexpr DrawContext::TextFormat Centred =
    DrawContext::TextFormat::HCenter | DrawContext::TextFormat::VCenter | DrawContext::TextFormat::SingleLine;
constexpr DrawContext::TextFormat LeftAligned =
    DrawContext::TextFormat::Left | DrawContext::TextFormat::VCenter | DrawContext::TextFormat::SingleLine;
// Edit-control wrapping: a word longer than its line breaks inside itself.
constexpr DrawContext::TextFormat Wrapped =
    DrawContext::TextFormat::WordBreak | DrawContext::TextFormat::EditControl;

inline QRect Edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

inline void Line(DrawContext& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

// A value centred in its cell, whole: narrowed, or "###", where it is wider
// than the cell.
void DrawCentred(DrawContext& dc, const QRect& rect, const QString& text);

// The closed outline of a rectangle: top edge, right edge, bottom edge,
// left edge.
inline void Box(DrawContext& dc, int left, int top, int right, int bottom)
{
    dc.MoveTo(left, top);
    dc.LineTo(right, top);
    dc.LineTo(right, bottom);
    dc.LineTo(left, bottom);
    dc.LineTo(left, top);
}
