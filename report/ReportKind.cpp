#include "report/ReportKind.h"

ReportKind ReportKindOf(RecordKind records, int kavWaveCount)
{
    switch (records) {
    case RecordKind::Opm:
        return ReportKind::Opm;
    case RecordKind::Orl:
        return ReportKind::Orl;
    case RecordKind::Kav:
        return kavWaveCount == 3 ? ReportKind::Kav3 : kavWaveCount == 2 ? ReportKind::Kav2 : ReportKind::None;
    case RecordKind::Trace:
        break;
    }
    return ReportKind::None;
}

const char* ReportTitle(ReportKind kind)
{
    switch (kind) {
    case ReportKind::Opm:
        return "OPM Report";
    case ReportKind::Kav2:
    case ReportKind::Kav3:
        return "KAV Report";
    case ReportKind::Orl:
        return "ORL Report";
    case ReportKind::None:
        break;
    }
    return "";
}
