#include "report/ReportKind.h"

#include "data/RecordColumns.h"
#include "report/CReport.h"

namespace {
const ReportKindRow Rows[] = {
    {ReportKind::Opm, RecordKind::Opm, 0, QT_TRANSLATE_NOOP("Report", "OPM Report"),
     [](CReport& r) { return r.GetOpmPrintPages(); },
     [](CReport& r, DrawContext& dc, const PrintInfo& info) { r.PrintOpmPage(dc, info); },
     OpmColumns.reportLeft, &CReport::OpmLayoutEnd},
    {ReportKind::Kav2, RecordKind::Kav, 2, QT_TRANSLATE_NOOP("Report", "KAV Report"),
     [](CReport& r) { return r.GetKav2PrintPages(); },
     [](CReport& r, DrawContext& dc, const PrintInfo& info) { r.PrintKav2Page(dc, info); },
     CReport::KavTableLeft, [] { return CReport::KavLayoutEnd(2); }},
    {ReportKind::Kav3, RecordKind::Kav, 3, QT_TRANSLATE_NOOP("Report", "KAV Report"),
     [](CReport& r) { return r.GetKav3PrintPages(); },
     [](CReport& r, DrawContext& dc, const PrintInfo& info) { r.PrintKav3Page(dc, info); },
     CReport::KavTableLeft, [] { return CReport::KavLayoutEnd(3); }},
    {ReportKind::Orl, RecordKind::Orl, 0, QT_TRANSLATE_NOOP("Report", "ORL Report"),
     [](CReport& r) { return r.GetOrlPrintPages(); },
     [](CReport& r, DrawContext& dc, const PrintInfo& info) { r.PrintOrlPage(dc, info); },
     OrlColumns.reportLeft, &CReport::OrlLayoutEnd},
};
} // namespace

const ReportKindRow* ReportRowOf(ReportKind kind)
{
    for (const ReportKindRow& row : Rows)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

ReportKind ReportKindOf(RecordKind records, int kavWaveCount)
{
    for (const ReportKindRow& row : Rows)
        if (row.records == records && (row.waveCount == 0 || row.waveCount == kavWaveCount))
            return row.kind;
    return ReportKind::None;
}

const char* ReportTitle(ReportKind kind)
{
    const ReportKindRow* row = ReportRowOf(kind);
    return row ? row->title : "";
}
