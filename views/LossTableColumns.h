#pragma once

#include "data/LossTableColumns.h"

#include <QString>

// A loss-test column's title as the grid shows it: its name, or its name and
// unit on two lines. The grid's demonstration shows the same columns.
inline QString LossTableTitle(const LossTableColumn& column)
{
    QString title = QString::fromLatin1(column.name);
    if (column.unit)
        title += QLatin1Char('\n') + QString::fromLatin1(column.unit);
    return title;
}
