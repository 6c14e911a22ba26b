#include "platform/ui/DialogUnits.h"

#include <gtest/gtest.h>

// A dialog unit is a quarter of the font's average character width across and
// an eighth of its character height down; pixels are rounded to the nearest,
// halves away from zero.

TEST(DialogUnitsTest, WholeCharactersAreTheFontsBaseUnitsAndFractionsRound)
{
    const DialogBaseUnits font(5, 9); // 1.25 pixels across and 1.125 down per unit
    EXPECT_EQ(font.ToPixelsX(4 * 30), 5 * 30);
    EXPECT_EQ(font.ToPixelsY(8 * 30), 9 * 30);
    EXPECT_EQ(font.ToPixelsX(1), 1);   // 1.25
    EXPECT_EQ(font.ToPixelsX(3), 4);   // 3.75
    EXPECT_EQ(font.ToPixelsY(3), 3);   // 3.375
    EXPECT_EQ(font.ToPixelsY(4), 5);   // 4.5
    EXPECT_EQ(font.ToPixelsY(-4), -5); // -4.5

    // Rectangles convert each of left, top, width and height.
    const DialogBaseUnits wide(9, 16);                               // 2.25 across, 2 down
    EXPECT_EQ(wide.ToPixels(QRect(1, 3, 1, 5)), QRect(2, 6, 2, 10)); // not the 4.5 - 2.25 of its edges
    EXPECT_EQ(wide.ToPixels(QSize(2, 3)), QSize(5, 6));              // 4.5 rounds up
}
