#include "cli/LoadedFile.h"

#include "data/RecordKinds.h"
#include "report/CReportPrinting.h"
#include "report/ReportPdf.h"

namespace {
const RecordKindData& DataOfLoaded(const LoadedFile& file)
{
    return DataOf(RecordKindOf(file.outcome.kind));
}
} // namespace

const char* LoadedFile::KindName() const
{
    return DataOfLoaded(*this).name;
}

size_t LoadedFile::RecordCount() const
{
    return DataOfLoaded(*this).recordCount(store);
}

std::string LoadedFile::CsvBytes() const
{
    return DataOfLoaded(*this).csvBytes(store);
}

std::string LoadedFile::DocumentBytes() const
{
    return DataOfLoaded(*this).documentBytes(store);
}

ReportKind LoadedFile::Report() const
{
    return ReportKindOf(RecordKindOf(outcome.kind), store.KavWaveCount());
}

unsigned LoadedFile::ReportPageCount(const ReportOptions& options)
{
    return CReportPrinting(store, Report(), options).PageCount();
}

std::string LoadedFile::PdfBytes(const QPageSize& paper, const ReportOptions& options,
                                 const PageProgress& progress)
{
    CReportPrinting job(store, Report(), options);
    const ReportPdfResult pdf = ReportPdf(job, paper, QPageLayout::Portrait, progress);
    return pdf.bytes.toStdString();
}
