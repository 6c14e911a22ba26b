#pragma once

#include <QDateTime>
#include <QString>

class DrawContext;
class ReportLanguage;
struct PrintInfo;
struct ReportOptions;

// A job the page loop prints, previews or writes as a PDF, in the steps a
// print loop takes: begin (the page count and the page's scale), prepare
// each page's coordinates, paint the page. The record tables' reports and
// the stability certificate are such jobs.
class ReportJob
{
public:
    virtual ~ReportJob() = default;

    // The document's title in the report's language.
    virtual QString Title() const = 0;
    virtual const ReportOptions& Options() const = 0;
    virtual const ReportLanguage& Language() const = 0;
    // When the report was printed, as its footer and its PDF say.
    virtual const QDateTime& PrintedAt() const = 0;
    virtual unsigned PageCount() = 0;

    virtual void OnBeginPrinting(DrawContext& dc, PrintInfo& info) = 0;
    virtual void OnPrepareDC(DrawContext& dc, const PrintInfo& info) = 0;
    virtual void OnPrint(DrawContext& dc, const PrintInfo& info) = 0;
};
