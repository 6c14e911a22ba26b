#include "views/FixedTabBar.h"

QSize FixedTabBar::tabSizeHint(int index) const
{
    Q_UNUSED(index);
    return QSize(TabWidth, BandHeight);
}

QSize FixedTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}
