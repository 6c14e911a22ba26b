#include "platform/draw/TextFitting.h"

#include <QTextLayout>

#include <cmath>

const char* const NoRoomText = "###";

QTextOption EditControlWrapping(Qt::Alignment alignment)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

qreal EditControlWrappedHeight(const QString& text, const QFont& font, QPaintDevice* device, qreal width)
{
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(lines, font, device);
    layout.setTextOption(EditControlWrapping(Qt::AlignLeft));
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return height;
}

FittedValue FitCentredValue(const QFont& font, const QString& text, int naturalWidth, int width)
{
    if (naturalWidth <= width || naturalWidth <= 0)
        return {font, text};
    const int stretch = font.stretch() > 0 ? font.stretch() : 100;
    // Widths follow the stretch in proportion; a unit less than the cell
    // leaves room for the rounding of the glyphs' advances.
    const int narrowed =
        static_cast<int>(std::floor(double(stretch) * std::max(0, width - 1) / double(naturalWidth)));
    if (2 * narrowed < stretch)
        return {font, QString::fromLatin1(NoRoomText)};
    QFont narrow = font;
    narrow.setStretch(narrowed);
    return {narrow, text};
}
