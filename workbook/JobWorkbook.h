#pragma once

#include "data/TestLimits.h"
#include "jobs/JobResults.h"
#include "jobs/JobState.h"
#include "workbook/Workbook.h"

#include <string>

// The workbook of a job's handover: "Results" (each fibre's current test as
// the loss-test sheet shows a file's), "Verdicts" (the rows of kav-job
// report --verdicts), "Completeness" (every fibre planned or tested, with
// its state), "History" (every record that is not current, and why) and
// "Files" (each imported file with its SHA-256).
WorkbookOutcome JobWorkbookBytes(const JobState& state, const JobResults& results, const TestLimits& limits,
                                 const std::string& jobName);
