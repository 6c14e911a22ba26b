#pragma once

#include "jobs/JobStore.h"

#include <memory>
#include <string>

// The store that keeps the job named `location`: a job file's path.
JobResult OpenJobStore(const std::string& location, const JobOpenOptions& options,
                       std::unique_ptr<JobStore>& store);
// A new job's store, which Publish makes visible under `location`.
JobResult CreateJobStore(const std::string& location, std::unique_ptr<JobStore>& store);
