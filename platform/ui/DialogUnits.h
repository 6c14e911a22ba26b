#pragma once

#include <QRect>
#include <QSize>

// The forms are laid out in dialog units, which follow the form's font: a
// unit is a quarter of the font's average character width across and an
// eighth of its character height down. A font is known here by these two
// base units, in pixels at 96 dpi, so a layout comes out the same size on
// every machine whatever fonts it has.
class DialogBaseUnits
{
public:
    constexpr DialogBaseUnits(int charWidth, int charHeight)
        : m_CharWidth(charWidth), m_CharHeight(charHeight)
    {
    }

    // Lengths are rounded to the nearest pixel, halves away from zero.
    constexpr int ToPixelsX(int units) const { return RoundedQuotient(units * m_CharWidth, 4); }
    constexpr int ToPixelsY(int units) const { return RoundedQuotient(units * m_CharHeight, 8); }
    constexpr QSize ToPixels(const QSize& units) const
    {
        return QSize(ToPixelsX(units.width()), ToPixelsY(units.height()));
    }
    // Left, top, width and height each converted, as a layout gives them.
    constexpr QRect ToPixels(const QRect& units) const
    {
        return QRect(ToPixelsX(units.left()), ToPixelsY(units.top()), ToPixelsX(units.width()),
                     ToPixelsY(units.height()));
    }

private:
    static constexpr int RoundedQuotient(int numerator, int denominator)
    {
        const int half = denominator / 2;
        return numerator >= 0 ? (numerator + half) / denominator : -((half - numerator) / denominator);
    }

    int m_CharWidth;
    int m_CharHeight;
};

// The 8-point font of a form that names none of its own, such as the view's.
inline constexpr DialogBaseUnits DefaultFontUnits{6, 13};
// "System" 10, the font of the two trace pages.
inline constexpr DialogBaseUnits System10Units{9, 16};
