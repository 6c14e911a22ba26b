#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QFontMetricsF;
class QPainter;

// How text that does not fit its box is still shown whole, the same in the
// reports and in the tables on screen.

// Edit-control line breaking: lines break at line feeds and between words,
// and a word longer than the line breaks after its last character that fits.
QStringList EditControlLines(const QString& text, const QFontMetricsF& metrics, qreal width);

// The lines from the top of `rect` down, each placed across as `alignment`
// says, in the painter's font; clipped to `rect` when `clip`.
void DrawEditControlText(QPainter& painter, const QRect& rect, const QString& text, Qt::Alignment alignment,
                         bool clip);

// A centred value wider than its cell: the same text with the face narrowed
// (its stretch) until it fits, or "###" where that would take it below half
// its width, as spreadsheets show a number that does not fit. A middle part
// of a number would read like another number.
struct FittedValue
{
    QFont font;
    QString text;
};
// `naturalWidth` is the text's width in `font`, `width` the cell's.
FittedValue FitCentredValue(const QFont& font, const QString& text, int naturalWidth, int width);

extern const char* const NoRoomText; // "###"

// `font` narrowed (its stretch) so that a text `naturalWidth` wide in it
// fits `width`, however narrow that makes it: for names, which must show.
QFont NarrowedToFit(const QFont& font, int naturalWidth, int width);
