#pragma once

#include "platform/draw/DrawContext.h"

#include "platform/draw/ShapedTextCache.h"

#include <QLine>
#include <QRawFont>

#include <vector>

class QPainter;

// A DrawContext over a QPainter that the caller opened on any paint device.
//
// Lines are drawn together, merged where they continue one another, when
// something must come after them: a fill, a rectangle, text in a colour of
// its own, another pen or mapping, or the end of the context. A page of
// boxed cells so costs a printer or a PDF one line per rule, not four per
// cell. With a cache of shaped texts, text is held back the same way, a
// line at a time (single lines, the lines of wrapped text, text at a
// point), and drawn together, one run of glyphs per face and colour, before
// the lines: a PDF then sets its font and colour once for them all. A box
// the text overflows clips it only where its ink leaves the box.
class QPainterDrawContext : public DrawContext
{
public:
    // `deviceArea` is the part of the device drawn on, in device pixels: the
    // printable area of a page that a preview shows inside its paper. By
    // default the whole device.
    // `shapes`, when given, keeps single lines of text shaped for the next
    // page that draws them again.
    explicit QPainterDrawContext(QPainter& painter, const QRect& deviceArea = QRect(),
                                 ShapedTextCache* shapes = nullptr);
    ~QPainterDrawContext() override;
    QPainterDrawContext(const QPainterDrawContext&) = delete;
    QPainterDrawContext& operator=(const QPainterDrawContext&) = delete;

    QSize DeviceSize() const override;
    QSize DotsPerInch() const override;
    void SetPen(const QColor& color, int width = 1) override;
    void SetFont(const QFont& font) override;
    QFont Font() const override;
    void SetTextColor(const QColor& color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void DrawRectangle(const QRect& rect) override;
    void FillRect(const QRect& rect, const QColor& color) override;
    void TextAt(int x, int y, const QString& text) override;
    void DrawTextIn(const QRect& rect, const QString& text, TextFormat format) override;
    int TextWidth(const QString& text) const override;
    void DrawImage(const QRect& rect, const QImage& image) override;
    void SetMapping(const QRect& window, const QRect& viewport) override;
    QPoint LogicalToDevice(const QPoint& point) const override;

private:
    void UseLinePen();
    void UseTextPen();
    // Draws the glyphs, then the lines, held back; whatever is drawn next
    // comes after them.
    void Flush();
    void FlushLines();
    void FlushGlyphs();
    // The shaped texts of the painter's font.
    ShapedTextCache::FontTexts& FontShapes() const;
    // Text in `rect` from its shaped glyphs, a line at a time; false when
    // it cannot be.
    bool DrawShapedText(const QRect& rect, const QString& text, TextFormat format);
    // Where a line starts across `rect`, placed as `format` says.
    static qreal AcrossIn(const QRect& rect, const ShapedTextCache::Shaped& shaped, TextFormat format);
    // Draws a shaped line from `origin`, clipped to `clipTo` where its ink
    // leaves it; held back with the other glyphs where it can be.
    void PlaceShaped(const ShapedTextCache::Shaped& shaped, const QPointF& origin, const QRect* clipTo);

    QPainter& m_Painter;
    QRect m_DeviceArea;
    ShapedTextCache* m_Shapes;
    QColor m_PenColor = Qt::black;
    int m_PenWidth = 1;
    QColor m_TextColor = Qt::black;
    QPoint m_Current;
    std::vector<QLine> m_Lines; // drawn, not yet painted
    mutable ShapedTextCache::FontTexts* m_FontShapes = nullptr;
    // Glyphs drawn, not yet painted, in the text colour of the moment.
    struct Glyphs
    {
        QRawFont face;
        QList<quint32> indexes;
        QList<QPointF> positions;
    };
    std::vector<Glyphs> m_Glyphs;
    QColor m_GlyphColor;
};
