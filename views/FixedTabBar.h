#pragma once

#include <QTabBar>

// The tab control's strip: tabs of one fixed width in a band of fixed height
// above the pages.
class FixedTabBar : public QTabBar
{
    Q_OBJECT

public:
    static constexpr int BandHeight = 20;
    static constexpr int TabWidth = 110;

    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
};
