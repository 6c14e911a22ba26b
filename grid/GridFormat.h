#pragma once

#include <Qt>

// Text drawing flags of a cell. The values are those of the desktop DrawText
// flags the table's callers already speak (0x11 = centred with word wrap).
enum GridFormat : unsigned
{
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
};

// The format a merged block gets when it ends inside the fixed rows.
constexpr unsigned kFixedMergeFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

// Qt alignment and wrap flags for a format. Vertical alignment applies to a
// single line only, as with DrawText; several lines start at the top.
int QtTextFlags(unsigned format);
