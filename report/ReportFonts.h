#pragma once

#include <QFont>

class DrawContext;

// The fonts of the reports. Sizes are in report units: the height is
// the font's cell height (ascent and descent), the width its average
// character width, which the face is stretched to match.
enum class ReportFont
{
    Table,     // OPM and ORL reports
    Title,     // "KAV Report"
    Brand,     // "CorvantaTech"
    Section,   // headings of the header block
    Body,      // labels and values of the header block
    Heading,   // the loss-test table's heading row
    HeavyCell, // loss-test columns 0, 2, 4, 7 and 8
    ThinCell,  // loss-test columns 1, 3, 5, 6 and 9
    Footer     // the page footer, in the little room below the fullest page
};

QFont MakeReportFont(ReportFont which);

// Selects a report font for its lifetime and puts the previous font back.
class SelectedFont
{
public:
    SelectedFont(DrawContext& dc, ReportFont font);
    ~SelectedFont();
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    DrawContext& m_Dc;
    QFont m_Previous;
};
