#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

// The drawing surface every chart and report painter draws on, in the manner
// of a device context: a current pen, font and text colour, a current point
// for line drawing, and a logical-to-device mapping. A QPainter stands behind
// it on screen, on a printer, in preview and in a PDF; tests record the calls.
class DrawContext
{
public:
    // Placement of text in a rectangle, combinable.
    enum TextFormat
    {
        Left = 0x0,
        HCenter = 0x1,
        Right = 0x2,
        Top = 0x0,
        VCenter = 0x4,
        Bottom = 0x8,
        SingleLine = 0x20,
        WordBreak = 0x10,
        NoClip = 0x100,
    };

    virtual ~DrawContext() = default;

    virtual void SetPen(const QColor& color, int width = 1) = 0;
    virtual void SetFont(const QFont& font) = 0;
    virtual void SetTextColor(const QColor& color) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0; // draws with the pen and moves the current point
    virtual void DrawRectangle(const QRect& rect) = 0; // outline with the pen
    virtual void FillRect(const QRect& rect, const QColor& color) = 0;

    // Text with its top-left corner at (x, y), on a transparent background.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual void DrawText(const QRect& rect, const QString& text, int format) = 0;
    virtual int TextWidth(const QString& text) const = 0;

    // Logical coordinates: the window rectangle maps onto the device's
    // viewport rectangle (anisotropically).
    virtual void SetMapping(const QRect& window, const QRect& viewport) = 0;
    virtual QPoint LogicalToDevice(const QPoint& point) const = 0;
};
