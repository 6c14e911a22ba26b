#pragma once

#include "data/FileKind.h"

#include <QPoint>

class CReport;
class DrawContext;
struct PrintInfo;

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

// What the report layer does for each report, one row per kind; the data
// and the view keep tables of their own by the same record kinds.
struct ReportKindRow
{
    ReportKind kind;
    RecordKind records;
    int waveCount;     // the loss-test form the report prints; 0 for the lists
    const char* title; // the document's title
    unsigned (*pageCount)(CReport& report);
    void (*printPage)(CReport& report, DrawContext& dc, const PrintInfo& info);
    int layoutLeft;        // the left edge of every page's content
    QPoint (*layoutEnd)(); // the bottom-right corner of the fullest page
};

// Null for None.
const ReportKindRow* ReportRowOf(ReportKind kind);

// The report of a table of `records`; loss tests by their wave count (3, 2,
// or 0 before any file).
ReportKind ReportKindOf(RecordKind records, int kavWaveCount);

// "OPM Report", "KAV Report", "ORL Report": the document's title; empty for
// None.
const char* ReportTitle(ReportKind kind);
