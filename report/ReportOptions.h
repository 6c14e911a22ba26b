#pragma once

#include "data/TestLimits.h"

#include <QImage>

#include <string>

// What the user chooses about a printed report beyond its fixed layout. The
// window remembers the choice and offers it in one dialog; kav-convert takes
// the same choices as flags. Every print, preview and PDF of a report reads
// it through its CReportPrinting.
struct ReportOptions
{
    // The loss-test report leads with pages that sum up its verdicts.
    bool summaryPage = true;
    // The limit that page certifies the loss tests against: the one the
    // window shows, or kav-convert's --limits.
    TestLimits limits;
    // Every page ends with its number, the time of printing, the file's
    // name and, on a loss-test page, its cable.
    bool footer = true;
    // The contractor's company and logo (a PNG or SVG file) take the place
    // of the maker's name in the loss-test header. UTF-8; empty: none.
    std::string company;
    std::string logoFile;
    // The logo's picture, read from logoFile before the report is made
    // (ReadReportLogo), once for all its pages; null: none.
    QImage logo;
    // The name of the file the report shows, for the footer; empty: none.
    std::string sourceFile;
    // The language the report's own texts are printed in ("en", "zh_CN"),
    // whatever the window speaks. The instrument's data prints as it is.
    std::string language = "en";
    // Under the overall result, places for the technician and a reviewer
    // to sign and date, with their names where given (UTF-8).
    bool signature = false;
    std::string technician, reviewer;
    // Records' dates as the instrument shows them ("(10/03/2026 08:00:00
    // AM)") rather than in ISO 8601 ("2026-03-10 08:00:00").
    bool instrumentDates = false;
};
