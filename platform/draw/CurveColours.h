#pragma once

#include <QColor>

#include <cstddef>
#include <iterator>

// The colours of the curves of a chart with one curve per wavelength, in the
// order the wavelengths came, on screen and on paper alike.
inline const QColor CurveColours[] = {QColor(220, 0, 0), QColor(0, 0, 200), QColor(0, 128, 0),
                                      QColor(160, 0, 160), QColor(200, 110, 0)};

inline QColor CurveColour(size_t index)
{
    return CurveColours[index % std::size(CurveColours)];
}
