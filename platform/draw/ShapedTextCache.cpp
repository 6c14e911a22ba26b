#include "platform/draw/ShapedTextCache.h"

#include <QPaintDevice>
#include <QTextLayout>

#include <algorithm>

namespace {
// Enough for every distinct text of a long report; past it the cache starts
// again rather than grow without bound.
constexpr qsizetype MostTexts = 50000;
} // namespace

const ShapedTextCache::Shaped& ShapedTextCache::Get(const QString& text, const QFont& font,
                                                    QPaintDevice* device)
{
    Key key{font, device ? device->logicalDpiY() : 0, text};
    const auto found = m_Shapes.constFind(key);
    if (found != m_Shapes.constEnd())
        return *found;
    if (m_Shapes.size() >= MostTexts)
        m_Shapes.clear();

    QTextLayout layout(text, font, device);
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
        shaped.width = line.naturalTextWidth();
        shaped.height = line.ascent() + line.descent();
    }
    return *m_Shapes.insert(key, shaped);
}
