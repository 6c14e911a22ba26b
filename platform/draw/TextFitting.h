#pragma once

#include <QFont>
#include <QString>
#include <QTextOption>

class QPaintDevice;

// How text that does not fit its box is still shown whole, the same in the
// reports and in the tables on screen.

// Edit-control line breaking: lines break between words, and a word longer
// than the line breaks after its last character that fits.
QTextOption EditControlWrapping(Qt::Alignment alignment);

// The height of `text` broken so into lines `width` wide.
qreal EditControlWrappedHeight(const QString& text, const QFont& font, QPaintDevice* device, qreal width);

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
