#include "jobs/TeamJobServer.h"

#include "jobs/PgConnection.h"
#include "jobs/PgJobLocation.h"
#include "jobs/PgSchema.h"

JobResult PrepareJobServer(const std::string& conninfo, int& version)
{
    const std::optional<PgJobLocation> location = ParsePgJobLocation(conninfo);
    if (!location)
        return JobFailure(JobStatus::Refused, "the connection string cannot be read");
    std::unique_ptr<PgConnection> db;
    JobResult result = PgConnection::Connect(location->conninfo, db);
    if (result.ok())
        result = PrepareServer(*db, version);
    return result;
}
