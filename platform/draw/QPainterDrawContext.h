#pragma once

#include "DrawContext.h"

class QPainter;

// A DrawContext over a QPainter that the caller opened on any paint device.
class QPainterDrawContext : public DrawContext
{
public:
    explicit QPainterDrawContext(QPainter& painter);

    void SetPen(const QColor& color, int width = 1) override;
    void SetFont(const QFont& font) override;
    void SetTextColor(const QColor& color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void DrawRectangle(const QRect& rect) override;
    void FillRect(const QRect& rect, const QColor& color) override;
    void TextAt(int x, int y, const QString& text) override;
    void DrawTextIn(const QRect& rect, const QString& text, TextFormat format) override;
    int TextWidth(const QString& text) const override;
    void SetMapping(const QRect& window, const QRect& viewport) override;
    QPoint LogicalToDevice(const QPoint& point) const override;

private:
    QPainter& m_Painter;
    QColor m_PenColor = Qt::black;
    int m_PenWidth = 1;
    QColor m_TextColor = Qt::black;
    QPoint m_Current;
};
