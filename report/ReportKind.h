#pragma once

#include "data/FileKind.h"

// The printed reports: one per record table, the loss-test report in the
// form of the last loss-test file read.
enum class ReportKind
{
    None, // a recorded trace, or no loss-test file read yet
    Opm,
    Kav2,
    Kav3,
    Orl
};

// The report of a table of `records`; loss tests by their wave count (3, 2,
// or 0 before any file).
ReportKind ReportKindOf(RecordKind records, int kavWaveCount);

// "OPM Report", "KAV Report", "ORL Report": the document's title.
const char* ReportTitle(ReportKind kind);
