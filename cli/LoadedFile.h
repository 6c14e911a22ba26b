#pragma once

#include "data/CDataStore.h"
#include "data/FileLoading.h"
#include "report/ReportKind.h"
#include "report/ReportOptions.h"
#include "report/ReportPageLoop.h"

#include <string>

class QPageSize;

// A file kav-convert has loaded, with what it prints and writes for it.
struct LoadedFile
{
    CDataStore store;
    LoadOutcome outcome;

    // "opm", "kav", "orl" or "trace"
    const char* KindName() const;
    size_t RecordCount() const;
    // What Save As CSV and Save As write on the tab of the file's kind.
    std::string CsvBytes() const;
    std::string DocumentBytes() const;
    // The report that Print prints on that tab: none for a trace, nor for a
    // loss-test document saved before any loss test.
    ReportKind Report() const;
    unsigned ReportPageCount(const ReportOptions& options);
    // The report as a PDF (a Qt Gui must exist); empty if it failed or was
    // stopped.
    std::string PdfBytes(const QPageSize& paper, const ReportOptions& options,
                         const PageProgress& progress = {});
};
