#pragma once

#include "jobs/JobStore.h"

#include <memory>
#include <string>

// A job's location names its store: a job file's path, or a team job on a
// PostgreSQL server (a connection string with job=NAME, see
// PgJobLocation.h).

// The store that keeps the job named `location`.
JobResult OpenJobStore(const std::string& location, const JobOpenOptions& options,
                       std::unique_ptr<JobStore>& store);
// A new job's store, which Publish makes visible under `location`.
JobResult CreateJobStore(const std::string& location, std::unique_ptr<JobStore>& store);

// The location as it may be shown, logged or remembered: never with a
// password.
std::string JobLocationShown(const std::string& location);
// The job's own name, as a report names it: a job file's name, or a team
// job's.
std::string JobNameOf(const std::string& location);
