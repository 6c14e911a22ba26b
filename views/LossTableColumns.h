#pragma once

#include "data/LossTableColumns.h"

#include <QString>

// A loss-test column's title as the grid shows it: its name, or its name and
// unit on two lines; `underLimit` when a limit other than the instrument's is
// chosen. The grid's demonstration shows the same columns.
inline QString LossTableTitle(const LossTableColumn& column, bool underLimit = false)
{
    const bool retitled = underLimit && column.nameUnderLimit;
    QString title = QString::fromLatin1(retitled ? column.nameUnderLimit : column.name);
    if (const char* unit = retitled ? column.unitUnderLimit : column.unit)
        title += QLatin1Char('\n') + QString::fromLatin1(unit);
    return title;
}
