#pragma once

#include "grid/BitFlags.h"
#include "grid/GridFormat.h"

#include <QFont>
#include <QRgb>
#include <QString>

// A cell colour of this value stands for the grid's own colour.
constexpr QRgb DefaultColour = 0xFF000000;

// The state bits of a cell; a cell keeps them in one byte.
enum class CellState : quint8
{
    Focused = 0x1,
    Selected = 0x2,
    DropHighlighted = 0x4,
    ReadOnly = 0x8,
};

template <> struct BitFlagsEnabled<CellState> : std::true_type
{
};

// Which members of a GridItem take part in setting or reading a cell.
enum class ItemMask : quint32
{
    Text = 0x01,
    Image = 0x02,
    UserValue = 0x04,
    State = 0x08,
    BkColour = 0x10,
    FgColour = 0x20,
    Format = 0x40,
    Font = 0x80,
};

template <> struct BitFlagsEnabled<ItemMask> : std::true_type
{
};

// Describes what to set in, or read from, one cell: only the members named
// by the mask take part.
struct GridItem
{
    int row = 0;
    int col = 0;
    ItemMask mask{};
    CellState state{};
    CellFormat format{};
    QString text;
    int image = -1;
    QRgb bkColour = DefaultColour;
    QRgb fgColour = DefaultColour;
    qint32 userValue = 0;
    QFont font;
};
