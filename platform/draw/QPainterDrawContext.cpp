#include "platform/draw/QPainterDrawContext.h"

#include "platform/draw/MergedLines.h"
#include "platform/draw/ShapedTextCache.h"
#include "platform/draw/TextFitting.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

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

QPainterDrawContext::QPainterDrawContext(QPainter& painter, const QRect& deviceArea, ShapedTextCache* shapes)
    : m_Painter(painter), m_DeviceArea(deviceArea), m_Shapes(shapes)
{
    if (m_DeviceArea.isNull() && painter.device())
        m_DeviceArea = QRect(0, 0, painter.device()->width(), painter.device()->height());
    UseLinePen();
}

QPainterDrawContext::~QPainterDrawContext()
{
    Flush();
}

void QPainterDrawContext::Flush()
{
    FlushGlyphs();
    FlushLines();
}

void QPainterDrawContext::FlushGlyphs()
{
    if (m_Glyphs.empty())
        return;
    QPen pen(m_GlyphColor, m_PenWidth);
    pen.setCosmetic(true);
    m_Painter.setPen(pen);
    for (const Glyphs& glyphs : m_Glyphs) {
        QGlyphRun run;
        run.setRawFont(glyphs.face);
        run.setGlyphIndexes(glyphs.indexes);
        run.setPositions(glyphs.positions);
        m_Painter.drawGlyphRun(QPointF(), run);
    }
    m_Glyphs.clear();
}

ShapedTextCache::FontTexts& QPainterDrawContext::FontShapes() const
{
    if (!m_FontShapes)
        m_FontShapes = &m_Shapes->ForFont(m_Painter.font(), m_Painter.device());
    return *m_FontShapes;
}

void QPainterDrawContext::FlushLines()
{
    if (m_Lines.empty())
        return;
    const std::vector<QLine> lines = MergedLines(m_Lines);
    m_Lines.clear();
    UseLinePen();
    m_Painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

QSize QPainterDrawContext::DeviceSize() const
{
    return m_DeviceArea.size();
}

QSize QPainterDrawContext::DotsPerInch() const
{
    const QPaintDevice* device = m_Painter.device();
    return device ? QSize(device->logicalDpiX(), device->logicalDpiY()) : QSize();
}

// Lines and text share one pen where they can (text takes only the pen's
// colour), so that a page of boxed cells does not switch the painter's pen,
// which a PDF records, between every line and every text.
void QPainterDrawContext::UseLinePen()
{
    QPen pen(m_PenColor, m_PenWidth);
    pen.setCosmetic(true);
    m_Painter.setPen(pen);
}

void QPainterDrawContext::UseTextPen()
{
    QPen pen(m_TextColor, m_PenWidth);
    pen.setCosmetic(true);
    m_Painter.setPen(pen);
}

void QPainterDrawContext::SetPen(const QColor& color, int width)
{
    if (color != m_PenColor || width != m_PenWidth)
        Flush();
    m_PenColor = color;
    m_PenWidth = width;
    UseLinePen();
}

void QPainterDrawContext::SetFont(const QFont& font)
{
    m_Painter.setFont(font);
    m_FontShapes = nullptr;
}

QFont QPainterDrawContext::Font() const
{
    return m_Painter.font();
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
    m_Lines.emplace_back(m_Current, QPoint(x, y));
    m_Current = QPoint(x, y);
}

void QPainterDrawContext::DrawRectangle(const QRect& rect)
{
    Flush();
    UseLinePen();
    m_Painter.setBrush(Qt::NoBrush);
    m_Painter.drawRect(rect);
}

void QPainterDrawContext::FillRect(const QRect& rect, const QColor& color)
{
    Flush();
    m_Painter.fillRect(rect, color);
}

// Text in the lines' own colour looks the same above or below them.
void QPainterDrawContext::TextAt(int x, int y, const QString& text)
{
    const int baseline = y + m_Painter.fontMetrics().ascent();
    if (m_Shapes) {
        const ShapedTextCache::Shaped& shaped = FontShapes().Get(text, m_Painter.device());
        PlaceShaped(shaped, QPointF(x, baseline - shaped.ascent), nullptr);
        return;
    }
    FlushGlyphs();
    if (m_TextColor != m_PenColor)
        FlushLines();
    UseTextPen();
    m_Painter.drawText(QPoint(x, baseline), text);
}

void QPainterDrawContext::DrawTextIn(const QRect& rect, const QString& text, TextFormat format)
{
    if (DrawShapedText(rect, text, format))
        return;
    FlushGlyphs();
    if (m_TextColor != m_PenColor)
        FlushLines();
    UseTextPen();
    if (!Includes(format, TextFormat::WordBreak) || !Includes(format, TextFormat::EditControl)) {
        m_Painter.drawText(rect, QtTextFlags(format), text);
        return;
    }
    DrawEditControlText(m_Painter, rect, text, static_cast<Qt::Alignment>(QtTextFlags(format)),
                        !Includes(format, TextFormat::NoClip));
}

void QPainterDrawContext::DrawImage(const QRect& rect, const QImage& image)
{
    Flush();
    m_Painter.drawImage(rect, image);
}

// Placed as the painter places a single line, or as the edit control's
// lines are placed, one below the other.
bool QPainterDrawContext::DrawShapedText(const QRect& rect, const QString& text, TextFormat format)
{
    if (!m_Shapes)
        return false;
    const bool clip = !Includes(format, TextFormat::NoClip);
    if (Includes(format, TextFormat::WordBreak)) {
        if (!Includes(format, TextFormat::EditControl))
            return false;
        const QFontMetricsF metrics(m_Painter.font(), m_Painter.device());
        qreal top = rect.top();
        for (const QString& line : EditControlLines(text, metrics, rect.width())) {
            const ShapedTextCache::Shaped& shaped = FontShapes().Get(line, m_Painter.device());
            PlaceShaped(shaped, QPointF(AcrossIn(rect, shaped, format), top), clip ? &rect : nullptr);
            top += metrics.height();
        }
        return true;
    }
    if (!Includes(format, TextFormat::SingleLine))
        return false;
    const ShapedTextCache::Shaped& shaped = FontShapes().Get(text, m_Painter.device());
    qreal y = rect.y();
    if (Includes(format, TextFormat::VCenter))
        y += (rect.height() - shaped.height) / 2;
    else if (Includes(format, TextFormat::Bottom))
        y += rect.height() - shaped.height;
    const bool overflows = shaped.width > rect.width() || shaped.height > rect.height();
    PlaceShaped(shaped, QPointF(AcrossIn(rect, shaped, format), y), clip && overflows ? &rect : nullptr);
    return true;
}

qreal QPainterDrawContext::AcrossIn(const QRect& rect, const ShapedTextCache::Shaped& shaped,
                                    TextFormat format)
{
    if (Includes(format, TextFormat::HCenter))
        return rect.x() + (rect.width() - shaped.width) / 2;
    if (Includes(format, TextFormat::Right))
        return rect.x() + rect.width() - shaped.width;
    return rect.x();
}

void QPainterDrawContext::PlaceShaped(const ShapedTextCache::Shaped& shaped, const QPointF& origin,
                                      const QRect* clipTo)
{
    // A clip that cuts no ink changes nothing drawn; the pixel around the
    // ink is the edge a painter smooths.
    const QRectF ink = shaped.ink.translated(origin).adjusted(-1, -1, 1, 1);
    const bool clip = clipTo && !shaped.ink.isEmpty() && !QRectF(*clipTo).contains(ink);
    if (clip || !shaped.plain) {
        // Drawn now, where it stands among the rest.
        if (m_TextColor != m_PenColor)
            Flush();
        FlushGlyphs();
        UseTextPen();
        if (clip) {
            m_Painter.save();
            m_Painter.setClipRect(*clipTo, Qt::IntersectClip);
        }
        for (const QGlyphRun& run : shaped.runs)
            m_Painter.drawGlyphRun(origin, run);
        if (clip)
            m_Painter.restore();
        return;
    }
    // Lines of another colour drawn so far stay below it.
    if (m_TextColor != m_PenColor)
        Flush();
    if (m_TextColor != m_GlyphColor)
        FlushGlyphs();
    m_GlyphColor = m_TextColor;
    for (const QGlyphRun& run : shaped.runs) {
        const QRawFont face = run.rawFont();
        auto glyphs = std::find_if(m_Glyphs.begin(), m_Glyphs.end(),
                                   [&face](const Glyphs& held) { return held.face == face; });
        if (glyphs == m_Glyphs.end())
            glyphs = m_Glyphs.insert(m_Glyphs.end(), Glyphs{face, {}, {}});
        glyphs->indexes.append(run.glyphIndexes());
        for (const QPointF& position : run.positions())
            glyphs->positions.append(origin + position);
    }
}

int QPainterDrawContext::TextWidth(const QString& text) const
{
    if (m_Shapes)
        return FontShapes().Get(text, m_Painter.device()).advance;
    return m_Painter.fontMetrics().horizontalAdvance(text);
}

void QPainterDrawContext::SetMapping(const QRect& window, const QRect& viewport)
{
    Flush();
    m_Painter.setWindow(window);
    m_Painter.setViewport(viewport.translated(m_DeviceArea.topLeft()));
}

QPoint QPainterDrawContext::LogicalToDevice(const QPoint& point) const
{
    return m_Painter.combinedTransform().map(point) - m_DeviceArea.topLeft();
}
