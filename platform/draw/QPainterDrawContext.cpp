#include "QPainterDrawContext.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
int QtTextFlags(DrawContext::TextFormat format)
{
    using Format = DrawContext::TextFormat;
    int flags = Includes(format, Format::HCenter) ? Qt::AlignHCenter
                : Includes(format, Format::Right) ? Qt::AlignRight
                                                  : Qt::AlignLeft;
    flags |= Includes(format, Format::VCenter)  ? Qt::AlignVCenter
             : Includes(format, Format::Bottom) ? Qt::AlignBottom
                                                : Qt::AlignTop;
    if (Includes(format, Format::SingleLine))
        flags |= Qt::TextSingleLine;
    if (Includes(format, Format::WordBreak))
        flags |= Qt::TextWordWrap;
    if (Includes(format, Format::NoClip))
        flags |= Qt::TextDontClip;
    return flags;
}
} // namespace

QPainterDrawContext::QPainterDrawContext(QPainter& painter) : m_Painter(painter)
{
    m_Painter.setPen(QPen(m_PenColor, m_PenWidth));
}

void QPainterDrawContext::SetPen(const QColor& color, int width)
{
    m_PenColor = color;
    m_PenWidth = width;
    m_Painter.setPen(QPen(color, width));
}

void QPainterDrawContext::SetFont(const QFont& font)
{
    m_Painter.setFont(font);
}

void QPainterDrawContext::SetTextColor(const QColor& color)
{
    m_TextColor = color;
}

void QPainterDrawContext::MoveTo(int x, int y)
{
    m_Current = QPoint(x, y);
}

void QPainterDrawContext::LineTo(int x, int y)
{
    m_Painter.setPen(QPen(m_PenColor, m_PenWidth));
    m_Painter.drawLine(m_Current, QPoint(x, y));
    m_Current = QPoint(x, y);
}

void QPainterDrawContext::DrawRectangle(const QRect& rect)
{
    m_Painter.setPen(QPen(m_PenColor, m_PenWidth));
    m_Painter.setBrush(Qt::NoBrush);
    m_Painter.drawRect(rect);
}

void QPainterDrawContext::FillRect(const QRect& rect, const QColor& color)
{
    m_Painter.fillRect(rect, color);
}

void QPainterDrawContext::TextAt(int x, int y, const QString& text)
{
    m_Painter.setPen(m_TextColor);
    m_Painter.drawText(QPoint(x, y + m_Painter.fontMetrics().ascent()), text);
}

void QPainterDrawContext::DrawTextIn(const QRect& rect, const QString& text, TextFormat format)
{
    m_Painter.setPen(m_TextColor);
    m_Painter.drawText(rect, QtTextFlags(format), text);
}

int QPainterDrawContext::TextWidth(const QString& text) const
{
    return m_Painter.fontMetrics().horizontalAdvance(text);
}

void QPainterDrawContext::SetMapping(const QRect& window, const QRect& viewport)
{
    m_Painter.setWindow(window);
    m_Painter.setViewport(viewport);
}

QPoint QPainterDrawContext::LogicalToDevice(const QPoint& point) const
{
    return m_Painter.combinedTransform().map(point);
}
