#pragma once

#include "grid/BitFlags.h"

#include <QtGlobal>

// How a cell's text is placed, combinable. The values are the desktop's text
// drawing flags, which the table's callers already speak (0x11 = centred with
// word wrap); 16 bits hold them all, which keeps a cell small.
enum class CellFormat : quint16
{
    Left = 0x0,
    Top = 0x0,
    HCenter = 0x1,
    Right = 0x2,
    VCenter = 0x4,
    Bottom = 0x8,
    WordBreak = 0x10,
    SingleLine = 0x20,
    NoPrefix = 0x800,
    EndEllipsis = 0x8000,
};

template <> struct BitFlagsEnabled<CellFormat> : std::true_type
{
};

// Centred lines wrapped at word breaks: what the loss-test table shows.
constexpr CellFormat CentredWordWrap = CellFormat::HCenter | CellFormat::WordBreak;

// The format a merged block gets when it ends inside the fixed rows.
constexpr CellFormat FixedMergeFormat =
    CellFormat::HCenter | CellFormat::VCenter | CellFormat::SingleLine | CellFormat::EndEllipsis;

// Qt alignment and wrap flags for a format. Vertical alignment applies to a
// single line only, as with the desktop's text drawing; several lines start
// at the top.
int QtTextFlags(CellFormat format);
