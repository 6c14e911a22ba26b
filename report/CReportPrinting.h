#pragma once

#include "report/CReport.h"
#include "report/ReportKind.h"

#include <QSize>

class CDataStore;
class DrawContext;
struct PrintInfo;

// The report side of a print job, in the steps a print loop takes: begin
// (the page count and the page's scale), prepare each page's coordinates,
// paint the page. Printing, preview and PDF export all go through it.
class CReportPrinting
{
public:
    CReportPrinting(CDataStore& store, ReportKind kind);

    ReportKind Kind() const { return m_Kind; }
    unsigned PageCount();

    // Sets the job's maximum page to the report's page count, and its scale
    // so that the fullest page fits the device's drawing area.
    void OnBeginPrinting(DrawContext& dc, PrintInfo& info);
    void OnPrepareDC(DrawContext& dc, const PrintInfo& info);
    void OnPrint(DrawContext& dc, const PrintInfo& info);

private:
    CReport m_Report;
    ReportKind m_Kind;
};

// 1 when the report's fullest page fits `deviceSize` pixels at `dotsPerInch`;
// otherwise the largest factor, the same across and down, at which it fits.
double ReportFitScale(ReportKind kind, const QSize& deviceSize, const QSize& dotsPerInch);
