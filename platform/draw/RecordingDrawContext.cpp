#include "platform/draw/RecordingDrawContext.h"

#include <QTransform>

void RecordingDrawContext::SetDevice(const QSize& deviceSize, const QSize& dotsPerInch)
{
    m_DeviceSize = deviceSize;
    m_DotsPerInch = dotsPerInch;
}

void RecordingDrawContext::SetPen(const QColor& color, int)
{
    m_PenColor = color;
}

void RecordingDrawContext::SetFont(const QFont& font)
{
    m_Font = font;
}

void RecordingDrawContext::SetTextColor(const QColor& color)
{
    m_TextColor = color;
}

void RecordingDrawContext::MoveTo(int x, int y)
{
    m_Current = QPoint(x, y);
}

void RecordingDrawContext::LineTo(int x, int y)
{
    m_Lines.push_back({QLine(m_Current, QPoint(x, y)), m_PenColor});
    m_Current = QPoint(x, y);
}

void RecordingDrawContext::DrawRectangle(const QRect& rect)
{
    m_Rectangles.push_back(rect);
}

void RecordingDrawContext::FillRect(const QRect& rect, const QColor& color)
{
    m_Fills.push_back({rect, color});
}

void RecordingDrawContext::TextAt(int x, int y, const QString& text)
{
    m_Texts.push_back({QPoint(x, y), QRect(), text, m_TextColor, std::nullopt, m_Font});
}

void RecordingDrawContext::DrawTextIn(const QRect& rect, const QString& text, TextFormat format)
{
    m_Texts.push_back({rect.topLeft(), rect, text, m_TextColor, format, m_Font});
}

int RecordingDrawContext::TextWidth(const QString& text) const
{
    return CharWidth * static_cast<int>(text.size());
}

void RecordingDrawContext::DrawImage(const QRect& rect, const QImage& image)
{
    m_Images.push_back({rect, image.size()});
}

void RecordingDrawContext::SetMapping(const QRect& window, const QRect& viewport)
{
    m_Window = window;
    m_Viewport = viewport;
}

QPoint RecordingDrawContext::LogicalToDevice(const QPoint& point) const
{
    if (m_Window.width() == 0 || m_Window.height() == 0)
        return point;
    // The same transform, and so the same rounding, as a QPainter's view.
    const qreal sx = qreal(m_Viewport.width()) / m_Window.width();
    const qreal sy = qreal(m_Viewport.height()) / m_Window.height();
    const QTransform view(sx, 0, 0, sy, m_Viewport.left() - m_Window.left() * sx,
                          m_Viewport.top() - m_Window.top() * sy);
    return view.map(point);
}

std::vector<RecordingDrawContext::Line> RecordingDrawContext::LinesOfColor(const QColor& color) const
{
    std::vector<Line> lines;
    for (const Line& line : m_Lines)
        if (line.color == color)
            lines.push_back(line);
    return lines;
}

const RecordingDrawContext::Text* RecordingDrawContext::FirstText(const QString& text) const
{
    for (const Text& candidate : m_Texts)
        if (candidate.text == text)
            return &candidate;
    return nullptr;
}
