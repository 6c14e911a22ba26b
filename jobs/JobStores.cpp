#include "jobs/JobStores.h"

#include "jobs/SqliteJobStore.h"

JobResult OpenJobStore(const std::string& location, const JobOpenOptions& options,
                       std::unique_ptr<JobStore>& store)
{
    return SqliteJobStore::Open(location, options, store);
}

JobResult CreateJobStore(const std::string& location, std::unique_ptr<JobStore>& store)
{
    return SqliteJobStore::Create(location, store);
}
