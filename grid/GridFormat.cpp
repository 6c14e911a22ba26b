#include "GridFormat.h"

int QtTextFlags(unsigned format)
{
    int flags = 0;
    if (format & DT_CENTER) {
        flags |= Qt::AlignHCenter;
    } else if (format & DT_RIGHT) {
        flags |= Qt::AlignRight;
    } else {
        flags |= Qt::AlignLeft;
    }
    if (format & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
        if (format & DT_VCENTER) {
            flags |= Qt::AlignVCenter;
        } else if (format & DT_BOTTOM) {
            flags |= Qt::AlignBottom;
        } else {
            flags |= Qt::AlignTop;
        }
    } else {
        flags |= Qt::AlignTop;
        if (format & DT_WORDBREAK) {
            flags |= Qt::TextWordWrap;
        }
    }
    return flags;
}
