#pragma once

#include "jobs/JobState.h"

#include <string>

// The job's completeness as one line of JSON for scripts (kav-job status
// --json): the counts "planned", "tested", "pass", "warning", "fail",
// "incomplete", "missing", "unplanned", "retested", "conflicts", "files",
// then "cables", an array of objects with "cable" and the same counts, in
// the job's order. Names are written in plain ASCII escapes.
std::string StatusJson(const JobState& state);
