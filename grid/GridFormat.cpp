#include "grid/GridFormat.h"

#include <Qt>

int QtTextFlags(CellFormat format)
{
    int flags = 0;
    if (Has(format, CellFormat::HCenter))
        flags |= Qt::AlignHCenter;
    else if (Has(format, CellFormat::Right))
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (Has(format, CellFormat::SingleLine)) {
        flags |= Qt::TextSingleLine;
        if (Has(format, CellFormat::VCenter))
            flags |= Qt::AlignVCenter;
        else if (Has(format, CellFormat::Bottom))
            flags |= Qt::AlignBottom;
        else
            flags |= Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
        if (Has(format, CellFormat::WordBreak))
            flags |= Qt::TextWordWrap;
    }
    return flags;
}
