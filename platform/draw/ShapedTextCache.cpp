#include "platform/draw/ShapedTextCache.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>

namespace {
// Enough for every distinct text of a long report in one font; past it the
// font's texts start again rather than grow without bound.
constexpr qsizetype MostTexts = 50000;

int DotsPerInchOf(const QPaintDevice* device)
{
    return device ? device->logicalDpiY() : 0;
}
} // namespace

ShapedTextCache::FontTexts& ShapedTextCache::ForFont(const QFont& font, QPaintDevice* device)
{
    // A report uses a handful of fonts: a look along them is enough.
    const int dotsPerInch = DotsPerInchOf(device);
    for (const std::unique_ptr<FontTexts>& texts : m_Fonts)
        if (texts->m_DotsPerInch == dotsPerInch && texts->m_Font == font)
            return *texts;
    return *m_Fonts.emplace_back(std::make_unique<FontTexts>(font, dotsPerInch));
}

const ShapedTextCache::Shaped& ShapedTextCache::FontTexts::Get(const QString& text, QPaintDevice* device)
{
    const auto found = m_Shapes.constFind(text);
    if (found != m_Shapes.constEnd())
        return *found;
    if (m_Shapes.size() >= MostTexts)
        m_Shapes.clear();

    QTextLayout layout(text, m_Font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    Shaped shaped;
    if (line.isValid()) {
        shaped.runs = layout.glyphRuns();
        // The layout hands a line's runs (one per font, as in a Chinese text
        // with Latin figures) in the order of a hash, which differs from run
        // to run of the program: drawn in the order of the text, the same
        // report gives the same bytes.
        std::stable_sort(shaped.runs.begin(), shaped.runs.end(), [](const QGlyphRun& a, const QGlyphRun& b) {
            const QPointF first = a.positions().isEmpty() ? QPointF() : a.positions().front();
            const QPointF second = b.positions().isEmpty() ? QPointF() : b.positions().front();
            return first.x() < second.x() || (first.x() == second.x() && first.y() < second.y());
        });
        for (const QGlyphRun& run : shaped.runs) {
            shaped.plain = shaped.plain && run.flags() == QGlyphRun::GlyphRunFlags();
            const QRawFont face = run.rawFont();
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            // A face made bold by the painter draws its glyphs again a line's
            // thickness further on.
            const qreal bolder = face.lineThickness();
            for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
                shaped.ink |=
                    face.boundingRect(indexes[i]).adjusted(0, 0, bolder, 0).translated(positions[i]);
        }
        shaped.width = line.naturalTextWidth();
        shaped.height = line.ascent() + line.descent();
        shaped.ascent = line.ascent();
    }
    shaped.advance = QFontMetrics(m_Font, device).horizontalAdvance(text);
    return *m_Shapes.insert(text, shaped);
}
