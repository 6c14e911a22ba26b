#pragma once

#include "report/FlowPages.h"
#include "report/ReportText.h"

#include <QtGlobal>

#include <vector>

// A column of a report's table as the code writes it: its title, translated
// in the context "Report" when the pages are laid out, and its width in the
// page's units.
struct ColumnHeading
{
    const char* title;
    int width;
    // A name: wider than the column, it wraps in a row grown to its lines
    // rather than being cut at the column's edges.
    bool wraps = false;
};

// A list of fibres by their margins: the summary's lists of failed,
// incomplete and warned fibres, and the job report's lowest margins.
constexpr ColumnHeading FibreMarginColumns[] = {{QT_TRANSLATE_NOOP("Report", "Cable"), 160, true},
                                                {QT_TRANSLATE_NOOP("Report", "Fiber"), 160, true},
                                                {QT_TRANSLATE_NOOP("Report", "Margin (dB)"), 120},
                                                {QT_TRANSLATE_NOOP("Report", "Wavelength (nm)"), 140},
                                                {QT_TRANSLATE_NOOP("Report", "Direction"), 140}};

// A table's columns in the report's language, for the pages that flow.
template <size_t N> std::vector<FlowPages::Column> ColumnsOf(const ColumnHeading (&headings)[N])
{
    std::vector<FlowPages::Column> columns;
    for (const ColumnHeading& heading : headings)
        columns.push_back({ReportText("Report", heading.title), heading.width, heading.wraps});
    return columns;
}
