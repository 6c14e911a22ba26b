#pragma once

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

inline const char* const TabLabels[TabCount] = {"OPM", "KAV", "TRACE", "AUTOTRACE", "ORL"};
