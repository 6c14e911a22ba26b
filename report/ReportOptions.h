#pragma once

#include "data/TestLimits.h"

// What the user chooses about a printed report beyond its fixed layout. The
// window remembers the choice and offers it in one dialog; kav-convert takes
// the same choices as flags. Every print, preview and PDF of a report reads
// it through its CReportPrinting.
struct ReportOptions
{
    // The loss-test report ends with a page that sums up its verdicts.
    bool summaryPage = true;
    // The limit that page certifies the loss tests against: the one the
    // window shows, or kav-convert's --limits.
    TestLimits limits;
};
