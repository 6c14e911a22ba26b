#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class QPaintDevice;

// Single lines of text shaped once for a font and a device and then drawn as
// glyphs: a report repeats its labels and many of its numbers on every page,
// and shaping costs more than drawing. One cache serves one print job.
class ShapedTextCache
{
public:
    struct Shaped
    {
        QList<QGlyphRun> runs; // positioned from the line's top-left corner
        qreal width = 0;
        qreal height = 0; // ascent and descent
        qreal ascent = 0;
        int advance = 0; // as the font's metrics measure the text on the device
        // Where the glyphs put ink, from the line's top-left corner: a box
        // the line overflows clips nothing when the ink stays inside it.
        QRectF ink;
        // No run needs more than its glyphs and positions to be drawn again
        // (none is right to left, underlined or the like).
        bool plain = true;
    };

    // The texts of one font at one resolution. A painter keeps the one of
    // its font while the font stays, so a text is found by its characters
    // alone.
    class FontTexts
    {
    public:
        FontTexts(const QFont& font, int dotsPerInch) : m_Font(font), m_DotsPerInch(dotsPerInch) {}
        // `device` has the resolution the texts were made for.
        const Shaped& Get(const QString& text, QPaintDevice* device);

    private:
        friend class ShapedTextCache;
        QFont m_Font;
        int m_DotsPerInch;
        QHash<QString, Shaped> m_Shapes;
    };

    // Kept as long as the cache.
    FontTexts& ForFont(const QFont& font, QPaintDevice* device);
    const Shaped& Get(const QString& text, const QFont& font, QPaintDevice* device)
    {
        return ForFont(font, device).Get(text, device);
    }

private:
    std::vector<std::unique_ptr<FontTexts>> m_Fonts;
};
