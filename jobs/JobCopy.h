#pragma once

#include "jobs/JobResult.h"

#include <string>

// Copies the job at `from` whole to a new job at `to`, either of them a job
// file or a team job: the files' bytes, records, names, plan, limits,
// corrections, settings and audit log, each row with its dates. The new job
// appears whole or not at all; nothing is written to `from`.
JobResult CopyJob(const std::string& from, const std::string& to);
