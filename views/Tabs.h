#pragma once

#include <QCoreApplication>
#include <QString>

// The view's five tabs, by index.
enum TabIndex : int
{
    TabOpm = 0,
    TabKav = 1,
    TabTrace = 2,
    TabAutoTrace = 3,
    TabOrl = 4
};
constexpr int TabCount = 5;

// The tabs' names as the program knows them (settings, folders, pictures).
inline const char* const TabLabels[TabCount] = {
    QT_TRANSLATE_NOOP("Tabs", "OPM"), QT_TRANSLATE_NOOP("Tabs", "KAV"), QT_TRANSLATE_NOOP("Tabs", "TRACE"),
    QT_TRANSLATE_NOOP("Tabs", "AUTOTRACE"), QT_TRANSLATE_NOOP("Tabs", "ORL")};

// A tab's name as the user reads it, in the window's language.
inline QString TabText(int tab)
{
    return QCoreApplication::translate("Tabs", TabLabels[tab]);
}
