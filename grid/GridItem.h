#pragma once

#include <QFont>
#include <QRgb>
#include <QString>

// A cell colour of this value stands for the grid's own colour.
constexpr QRgb kDefaultColour = 0xFF000000;

enum GridCellState : unsigned
{
    GVIS_FOCUSED = 0x1,
    GVIS_SELECTED = 0x2,
    GVIS_DROPHILITED = 0x4,
    GVIS_READONLY = 0x8,
};

enum GridItemMask : unsigned
{
    GVIF_TEXT = 0x01,
    GVIF_IMAGE = 0x02,
    GVIF_PARAM = 0x04,
    GVIF_STATE = 0x08,
    GVIF_BKCLR = 0x10,
    GVIF_FGCLR = 0x20,
    GVIF_FORMAT = 0x40,
    GVIF_FONT = 0x80,
};

// Describes what to set in, or read from, one cell: only the members named
// by the mask take part.
struct GridItem
{
    int row = 0;
    int col = 0;
    unsigned mask = 0;
    unsigned state = 0;
    unsigned nFormat = 0;
    QString strText;
    int iImage = -1;
    QRgb crBkClr = kDefaultColour;
    QRgb crFgClr = kDefaultColour;
    qint32 lParam = 0;
    QFont font;
};
