#include "platform/draw/TextFitting.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

const char* const NoRoomText = "###";

namespace {
// The longest start of `word` that fits, at least one character.
int FittingLength(const QString& word, const QFontMetricsF& metrics, qreal width)
{
    int length = 1;
    while (length < word.size() && metrics.horizontalAdvance(word.left(length + 1)) <= width)
        ++length;
    return length;
}
} // namespace

QStringList EditControlLines(const QString& text, const QFontMetricsF& metrics, qreal width)
{
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (QString word : paragraph.split(QLatin1Char(' '))) {
            const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (metrics.horizontalAdvance(joined) <= width || (line.isEmpty() && word.isEmpty())) {
                line = joined;
                continue;
            }
            if (!line.isEmpty())
                lines.push_back(line);
            while (metrics.horizontalAdvance(word) > width && word.size() > 1) {
                const int length = FittingLength(word, metrics, width);
                lines.push_back(word.left(length));
                word = word.mid(length);
            }
            line = word;
        }
        lines.push_back(line);
    }
    return lines;
}

void DrawEditControlText(QPainter& painter, const QRect& rect, const QString& text, Qt::Alignment alignment,
                         bool clip)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    if (clip) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    qreal top = rect.top();
    for (const QString& line : EditControlLines(text, metrics, rect.width())) {
        painter.drawText(QRectF(rect.left(), top, rect.width(), metrics.height()),
                         int(alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine, line);
        top += metrics.height();
    }
    if (clip)
        painter.restore();
}

namespace {
// The stretch at which a text `naturalWidth` wide at `font`'s fits `width`.
int NarrowedStretch(const QFont& font, int naturalWidth, int width)
{
    const int stretch = font.stretch() > 0 ? font.stretch() : 100;
    // Widths follow the stretch in proportion; a unit less than the cell
    // leaves room for the rounding of the glyphs' advances.
    return static_cast<int>(std::floor(double(stretch) * std::max(0, width - 1) / double(naturalWidth)));
}
} // namespace

FittedValue FitCentredValue(const QFont& font, const QString& text, int naturalWidth, int width)
{
    if (naturalWidth <= width || naturalWidth <= 0)
        return {font, text};
    const int narrowed = NarrowedStretch(font, naturalWidth, width);
    const int stretch = font.stretch() > 0 ? font.stretch() : 100;
    if (2 * narrowed < stretch)
        return {font, QString::fromLatin1(NoRoomText)};
    QFont narrow = font;
    narrow.setStretch(narrowed);
    return {narrow, text};
}

QFont NarrowedToFit(const QFont& font, int naturalWidth, int width)
{
    if (naturalWidth <= width || naturalWidth <= 0)
        return font;
    QFont narrow = font;
    narrow.setStretch(std::max(1, NarrowedStretch(font, naturalWidth, width)));
    return narrow;
}
