#include "report/ReportPdf.h"

#include "platform/AppTitle.h"
#include "report/CReportPrinting.h"
#include "report/PdfSourceDate.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cctype>

namespace {
// The resolution of a common laser printer: report coordinates map to whole
// pixels as they do on paper.
constexpr int PdfResolution = 600;
// What a printer cannot print at the paper's edges; the report's origin is
// the corner of the printable area.
constexpr double PdfMarginInches = 0.25;
} // namespace

QPageSize DefaultReportPaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

std::optional<QPageSize> ReportPaperNamed(const std::string& name)
{
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "a4")
        return QPageSize(QPageSize::A4);
    if (lower == "letter")
        return QPageSize(QPageSize::Letter);
    return std::nullopt;
}

ReportPdfResult ReportPdf(CReportPrinting& job, const QPageSize& paper, QPageLayout::Orientation orientation,
                          const PageProgress& progress)
{
    ReportPdfResult pdf;
    QBuffer buffer(&pdf.bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        const QMarginsF margins(PdfMarginInches, PdfMarginInches, PdfMarginInches, PdfMarginInches);
        writer.setPageLayout(QPageLayout(paper, orientation, margins, QPageLayout::Inch));
        writer.setTitle(QString::fromLatin1(ReportTitle(job.Kind())));
        writer.setCreator(QString::fromLatin1(MainCaption));
        QPainter painter;
        if (!painter.begin(&writer)) {
            pdf.result = PageLoopResult::Failed;
        } else {
            pdf.result = PrintReportPages(painter, writer, job, 1, job.PageCount(), progress);
            painter.end();
        }
    }
    if (pdf.result != PageLoopResult::Done)
        pdf.bytes.clear();
    StampSourceDate(pdf.bytes);
    return pdf;
}
