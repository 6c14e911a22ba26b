#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The drawing surface every chart and report painter draws on, in the manner
// of a device context: a current pen, font and text colour, a current point
// for line drawing, and a logical-to-device mapping. A QPainter stands behind
// it on screen, on a printer, in preview and in a PDF; tests record the calls.
//
// No method is named like a macro of the Windows headers (DrawText, TextOut),
// so the painters build whatever those headers define.
class DrawContext
{
public:
    // Placement of text in a rectangle, combinable with |. Left and Top are
    // the placements when neither of their alternatives is given.
    enum class TextFormat : unsigned
    {
        Left = 0x0,
        HCenter = 0x1,
        Right = 0x2,
        Top = 0x0,
        VCenter = 0x4,
        Bottom = 0x8,
        WordBreak = 0x10,
        SingleLine = 0x20,
        NoClip = 0x100,
        // With WordBreak: a word longer than the line breaks inside itself,
        // as an edit control breaks it.
        EditControl = 0x2000,
    };

    virtual ~DrawContext() = default;

    // The device: its drawing area in device pixels and its resolution, as a
    // device context tells its HORZRES, VERTRES and LOGPIXELSX/Y.
    virtual QSize DeviceSize() const = 0;
    virtual QSize DotsPerInch() const = 0;

    // A pen `width` device pixels wide whatever the mapping, as a device
    // context's default pen is; 0 and 1 both give the thinnest line.
    virtual void SetPen(const QColor& color, int width = 1) = 0;
    virtual void SetFont(const QFont& font) = 0;
    // The font selected now, so that a painter can put it back when it is done.
    virtual QFont Font() const = 0;
    virtual void SetTextColor(const QColor& color) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;             // draws with the pen and moves the current point
    virtual void DrawRectangle(const QRect& rect) = 0; // outline with the pen
    virtual void FillRect(const QRect& rect, const QColor& color) = 0;

    // Text with its top-left corner at (x, y), on a transparent background.
    virtual void TextAt(int x, int y, const QString& text) = 0;
    // Text placed in `rect` as `format` says.
    virtual void DrawTextIn(const QRect& rect, const QString& text, TextFormat format) = 0;
    virtual int TextWidth(const QString& text) const = 0;
    // An image scaled into `rect`.
    virtual void DrawImage(const QRect& rect, const QImage& image) = 0;

    // Logical coordinates: the window rectangle maps onto the device's
    // viewport rectangle (anisotropically).
    virtual void SetMapping(const QRect& window, const QRect& viewport) = 0;
    // A logical point in device pixels, rounded to the nearest pixel.
    virtual QPoint LogicalToDevice(const QPoint& point) const = 0;
};

constexpr DrawContext::TextFormat operator|(DrawContext::TextFormat a, DrawContext::TextFormat b)
{
    return static_cast<DrawContext::TextFormat>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

constexpr DrawContext::TextFormat operator&(DrawContext::TextFormat a, DrawContext::TextFormat b)
{
    return static_cast<DrawContext::TextFormat>(static_cast<unsigned>(a) & static_cast<unsigned>(b));
}

// Whether `format` includes `flag` (never true for the zero placements Left and Top).
constexpr bool Includes(DrawContext::TextFormat format, DrawContext::TextFormat flag)
{
    return (format & flag) != DrawContext::TextFormat{};
}
