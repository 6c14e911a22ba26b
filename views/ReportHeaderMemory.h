#pragma once

#include "data/InfoFields.h"

// The job and system information is typed once per job and per pair of test
// units, so it outlives the run; the cable information belongs to the file
// at hand and lives for the run only.

// Puts what an earlier run kept into `fields`.
void RestoreReportHeader(InfoFields& fields);
// Keeps the job and system fields of `fields` for the next run.
void RememberReportHeader(const InfoFields& fields);
