#include "RecordingDrawContext.h"

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

void RecordingDrawContext::TextOut(int x, int y, const QString& text)
{
    m_Texts.push_back({QPoint(x, y), QRect(), text, m_TextColor, -1});
}

void RecordingDrawContext::DrawText(const QRect& rect, const QString& text, int format)
{
    m_Texts.push_back({rect.topLeft(), rect, text, m_TextColor, format});
}

int RecordingDrawContext::TextWidth(const QString& text) const
{
    return kCharWidth * static_cast<int>(text.size());
}

void RecordingDrawContext::SetMapping(const QRect& window, const QRect& viewport)
{
    m_Window = window;
    m_Viewport = viewport;
}

QPoint RecordingDrawContext::LogicalToDevice(const QPoint& point) const
{
    if (!m_Window.isValid() || !m_Viewport.isValid())
        return point;
    const double sx = double(m_Viewport.width()) / m_Window.width();
    const double sy = double(m_Viewport.height()) / m_Window.height();
    return QPoint(m_Viewport.left() + int((point.x() - m_Window.left()) * sx),
                  m_Viewport.top() + int((point.y() - m_Window.top()) * sy));
}

std::vector<RecordingDrawContext::Line> RecordingDrawContext::LinesOfColor(const QColor& color) const
{
    std::vector<Line> lines;
    for (const Line& line : m_Lines)
        if (line.color == color)
            lines.push_back(line);
    return lines;
}

const RecordingDrawContext::Text* RecordingDrawContext::FindText(const QString& text) const
{
    for (const Text& candidate : m_Texts)
        if (candidate.text == text)
            return &candidate;
    return nullptr;
}
