#pragma once

#include "report/ReportPageLoop.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>

#include <optional>
#include <string>

class ReportJob;

// What a printer cannot print at the paper's edges; the report's origin is
// the corner of the printable area. A PDF has these margins, and so has a
// print where the printer can print there.
constexpr double ReportMarginInches = 0.25;

// Paper for a PDF: A4, or Letter where the user's locale measures in US units.
QPageSize DefaultReportPaper();
// "A4" or "Letter", in any letter case.
std::optional<QPageSize> ReportPaperNamed(const std::string& name);

struct ReportPdfResult
{
    PageLoopResult result = PageLoopResult::Done;
    QByteArray bytes; // the whole PDF, when done
};

// Every page of the report as one PDF document, the pages exactly as Print
// prints them, on `paper` with the margins of a typical printer.
ReportPdfResult ReportPdf(ReportJob& job, const QPageSize& paper,
                          QPageLayout::Orientation orientation = QPageLayout::Portrait,
                          const PageProgress& progress = {});
