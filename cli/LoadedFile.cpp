#include "cli/LoadedFile.h"

#include "data/CsvExport.h"
#include "data/Documents.h"
#include "report/CReportPrinting.h"
#include "report/ReportPdf.h"

const char* LoadedFile::KindName() const
{
    switch (RecordKindOf(outcome.kind)) {
    case RecordKind::Opm:
        return "opm";
    case RecordKind::Kav:
        return "kav";
    case RecordKind::Orl:
        return "orl";
    case RecordKind::Trace:
        break;
    }
    return "trace";
}

size_t LoadedFile::RecordCount() const
{
    switch (RecordKindOf(outcome.kind)) {
    case RecordKind::Opm:
        return store.GetOpmRecords().size();
    case RecordKind::Kav:
        return store.KavRecordCount();
    case RecordKind::Orl:
        return store.GetOrlRecords().size();
    case RecordKind::Trace:
        break;
    }
    return static_cast<size_t>(outcome.trace.sampleCount);
}

std::string LoadedFile::CsvBytes() const
{
    switch (RecordKindOf(outcome.kind)) {
    case RecordKind::Opm:
        return OpmCsvBytes(store);
    case RecordKind::Kav:
        // Before any loss test (a document of the initial form) the table
        // has the three-wavelength header and no lines.
        return KavCsvBytes(store, store.KavWaveCount() == 2 ? 2 : 3);
    case RecordKind::Orl:
        return OrlCsvBytes(store);
    case RecordKind::Trace:
        break;
    }
    return TraceCsvBytes(store);
}

std::string LoadedFile::DocumentBytes() const
{
    switch (RecordKindOf(outcome.kind)) {
    case RecordKind::Opm:
        return OpmDocumentBytes(store);
    case RecordKind::Kav:
        return KavDocumentBytes(store);
    case RecordKind::Orl:
        return OrlDocumentBytes(store);
    case RecordKind::Trace:
        break;
    }
    return TraceDocumentBytes(store);
}

ReportKind LoadedFile::Report() const
{
    return ReportKindOf(RecordKindOf(outcome.kind), store.KavWaveCount());
}

unsigned LoadedFile::ReportPageCount()
{
    return CReportPrinting(store, Report()).PageCount();
}

std::string LoadedFile::PdfBytes(const QPageSize& paper)
{
    CReportPrinting job(store, Report());
    const ReportPdfResult pdf = ReportPdf(job, paper);
    return pdf.bytes.toStdString();
}
