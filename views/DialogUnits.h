#pragma once

#include <QRect>
#include <QSize>

// Sizes of the forms and dialogs are given in dialog units. We convert them
// with the base units of an 8-point system font (6 x 13 pixels per character
// cell, so 1.5 pixels per horizontal and 1.625 per vertical unit), which keeps
// the layouts as large as technicians know them on a 96-dpi screen.
constexpr double PixelsPerDialogUnitX = 1.5;
constexpr double PixelsPerDialogUnitY = 1.625;

inline int DialogUnitsToPixelsX(int units)
{
    return static_cast<int>(units * PixelsPerDialogUnitX + 0.5);
}
inline int DialogUnitsToPixelsY(int units)
{
    return static_cast<int>(units * PixelsPerDialogUnitY + 0.5);
}

// The view's form: 742 x 398 dialog units.
inline QSize ViewFormSize()
{
    return QSize(DialogUnitsToPixelsX(742), DialogUnitsToPixelsY(398));
}
