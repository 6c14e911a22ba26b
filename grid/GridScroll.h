#pragma once

// Scroll requests, with the codes of the desktop scroll bar messages and the
// two row-wise codes the wheel uses.
enum class GridScroll
{
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Top = 6,
    Bottom = 7,
    RowUp = 9,
    RowDown = 10,
};
