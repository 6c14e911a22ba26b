#pragma once

#include "report/CReport.h"
#include "report/ReportJob.h"
#include "report/ReportKind.h"
#include "report/ReportOptions.h"
#include "report/ReportText.h"
#include "report/SummaryPages.h"

#include <QDateTime>
#include <QSize>

#include <memory>
#include <optional>
#include <string>

class CDataStore;
class DrawContext;
struct PrintInfo;

// The report of a record table as a print job. Printing, preview and PDF
// export all go through it.
class CReportPrinting : public ReportJob
{
public:
    CReportPrinting(const CDataStore& store, ReportKind kind, const ReportOptions& options = {});

    ReportKind Kind() const { return m_Kind; }
    const ReportOptions& Options() const override { return m_Options; }
    // The report's title ("KAV Report") in the report's language.
    QString Title() const override;
    const ReportLanguage& Language() const override { return *m_Language; }
    const QDateTime& PrintedAt() const override { return m_PrintedAt; }
    // The summary pages when it has them, which lead with the overall
    // result, then the report's own pages.
    unsigned PageCount() override;
    unsigned SummaryPageCount();

    // Sets the job's maximum page to the report's page count, and its scale
    // so that the fullest page fits the device's drawing area.
    void OnBeginPrinting(DrawContext& dc, PrintInfo& info) override;
    void OnPrepareDC(DrawContext& dc, const PrintInfo& info) override;
    void OnPrint(DrawContext& dc, const PrintInfo& info) override;

    // The cable that page `page` of a loss-test report heads its header
    // with, as the CableId information field holds it; nothing for the
    // other reports. The print commands keep the last page's in that field.
    // The summary pages belong to no cable.
    std::optional<std::string> CableIdOfPage(unsigned page);

private:
    // The summary pages that lead a loss-test report of at least one page,
    // when the options ask for them; made at first use, for the store as it
    // is while the job runs. Null otherwise.
    const SummaryPages* Summary(unsigned tablePages);

    const CDataStore& m_Store;
    CReport m_Report;
    ReportKind m_Kind;
    ReportOptions m_Options;
    std::shared_ptr<const ReportLanguage> m_Language;
    QDateTime m_PrintedAt;
    const ReportKindRow* m_Row; // null for None
    std::optional<SummaryPages> m_Summary;
};

// 1 when the report's fullest page, with its footer when it has one, fits
// `deviceSize` pixels at `dotsPerInch`; otherwise the largest factor, the
// same across and down, at which it fits.
double ReportFitScale(ReportKind kind, const QSize& deviceSize, const QSize& dotsPerInch, bool footer);
// The same for a layout whose content, footer included, ends at `end`
// (exclusive) in report units.
double ReportFitScaleTo(const QPoint& end, const QSize& deviceSize, const QSize& dotsPerInch);

// The company and logo that the options name; a logo that cannot be read is
// left out (it was refused where it was chosen).
ReportBrand ReportBrandOf(const ReportOptions& options);

// Now; or, where the environment sets SOURCE_DATE_EPOCH (seconds since 1970,
// UTC), that time, so that a report can be made again byte for byte.
QDateTime ReportPrintingTime();

// The time of printing as a footer shows it.
QString FooterTimeText(const QDateTime& time);
