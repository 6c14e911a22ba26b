#pragma once

#include "data/TestLimits.h"
#include "jobs/JobResults.h"
#include "jobs/JobState.h"
#include "workbook/SheetTable.h"
#include "workbook/Workbook.h"

#include <string>
#include <vector>

// The workbook of a job's handover: "Results" (each fibre's current test as
// the loss-test sheet shows a file's), "Verdicts" (the rows of kav-job
// report --verdicts), "Completeness" (every fibre planned or tested, with
// its state), "History" (every record that is not current, and why) and
// "Files" (each imported file with its SHA-256).
WorkbookOutcome JobWorkbookBytes(const JobState& state, const JobResults& results, const TestLimits& limits,
                                 const std::string& jobName, const RowProgress& progress = {});

// One sheet of the same sheets of every run, one after the other, each
// part's cells filled and coloured as its own sheet has them.
SheetTable JoinedSheet(const std::string& name, std::vector<SheetTable> parts);
