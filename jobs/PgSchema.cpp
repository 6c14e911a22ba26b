#include "jobs/PgSchema.h"

#include "jobs/PgConnection.h"

#include <iterator>
#include <string>

namespace {
struct LayoutStep
{
    int version; // the layout the step arrives at
    const char* sql;
};

// Every step ever taken, in order; a step once released never changes.
// Ids are numbered within each job, as a job file numbers them, so that a
// job keeps its ids wherever it is copied. Writers may add rows and change
// only the settings, the plan and the records' verdicts: an imported file
// and its records are never altered. Who imported and changed what is kept
// by the server's role names.
constexpr LayoutStep LayoutSteps[] = {
    {1,
     "CREATE TABLE kav.jobs(id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY, name text NOT NULL UNIQUE,"
     " created_at timestamptz NOT NULL DEFAULT now(), created_by text NOT NULL DEFAULT session_user);"
     "CREATE TABLE kav.settings(job bigint NOT NULL REFERENCES kav.jobs, key text NOT NULL,"
     " value text NOT NULL, PRIMARY KEY(job, key));"
     "CREATE TABLE kav.names(job bigint NOT NULL REFERENCES kav.jobs, id bigint NOT NULL,"
     " name bytea NOT NULL, PRIMARY KEY(job, id), UNIQUE(job, name));"
     "CREATE TABLE kav.limits(job bigint NOT NULL REFERENCES kav.jobs, id bigint NOT NULL,"
     " set_at text NOT NULL, limits text NOT NULL, PRIMARY KEY(job, id));"
     "CREATE TABLE kav.plan(job bigint NOT NULL REFERENCES kav.jobs, position bigint NOT NULL,"
     " cable bigint NOT NULL, fiber bigint NOT NULL, PRIMARY KEY(job, position));"
     "CREATE TABLE kav.files(job bigint NOT NULL REFERENCES kav.jobs, id bigint NOT NULL, name text NOT NULL,"
     " sha256 bytea NOT NULL, kind text NOT NULL, imported_at text NOT NULL,"
     " imported_by text NOT NULL DEFAULT session_user, size bigint NOT NULL, declared bigint NOT NULL,"
     " records bigint NOT NULL, bytes bytea NOT NULL, PRIMARY KEY(job, id), UNIQUE(job, sha256));"
     "CREATE TABLE kav.records(job bigint NOT NULL, file bigint NOT NULL, number bigint NOT NULL,"
     " cable bigint NOT NULL, fiber bigint NOT NULL, tested text NOT NULL, fingerprint bigint NOT NULL,"
     " verdict bigint NOT NULL, PRIMARY KEY(job, file, number),"
     " FOREIGN KEY(job, file) REFERENCES kav.files(job, id));"
     "CREATE TABLE kav.corrections(job bigint NOT NULL REFERENCES kav.jobs, id bigint NOT NULL,"
     " made_at text NOT NULL, made_by text NOT NULL DEFAULT session_user, file bigint NOT NULL,"
     " number bigint NOT NULL, kind text NOT NULL, name bigint, PRIMARY KEY(job, id));"
     "CREATE TABLE kav.audit(job bigint NOT NULL REFERENCES kav.jobs, id bigint NOT NULL, at text NOT NULL,"
     " by_role text NOT NULL DEFAULT session_user, action text NOT NULL, detail text NOT NULL,"
     " PRIMARY KEY(job, id));"
     "GRANT SELECT ON ALL TABLES IN SCHEMA kav TO kav_reader, kav_writer;"
     "GRANT INSERT ON kav.jobs, kav.settings, kav.names, kav.limits, kav.plan, kav.files, kav.records,"
     " kav.corrections, kav.audit TO kav_writer;"
     "GRANT UPDATE (value) ON kav.settings TO kav_writer;"
     "GRANT DELETE ON kav.plan TO kav_writer;"
     "GRANT UPDATE (verdict) ON kav.records TO kav_writer;"
     "GRANT USAGE ON ALL SEQUENCES IN SCHEMA kav TO kav_writer;"},
};
static_assert(std::size(LayoutSteps) == PgLayoutVersion, "a step for every layout version");

// The roles exist once per server and outlive any database's schema.
constexpr const char* PrepareRoles =
    "DO $$ BEGIN"
    " IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'kav_reader') THEN CREATE ROLE kav_reader; END IF;"
    " IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'kav_writer') THEN CREATE ROLE kav_writer; END IF;"
    " END $$;"
    "CREATE SCHEMA IF NOT EXISTS kav;"
    "CREATE TABLE IF NOT EXISTS kav.layout(version bigint NOT NULL);"
    "GRANT USAGE ON SCHEMA kav TO kav_reader, kav_writer;"
    "GRANT SELECT ON kav.layout TO kav_reader, kav_writer;";

JobResult ReadVersion(PgConnection& db, bool& present, int64_t& version)
{
    PgRows rows;
    JobResult result = db.Query("SELECT to_regclass('kav.layout') IS NOT NULL", {}, rows);
    present = result.ok() && rows.Count() == 1 && rows.Integer(0, 0) != 0;
    version = 0;
    if (result.ok() && present)
        result = db.Query("SELECT coalesce(max(version), 0) FROM kav.layout", {}, rows);
    if (result.ok() && present)
        version = rows.Integer(0, 0);
    return result;
}

JobResult RefuseNewer(int64_t version)
{
    return JobFailure(JobStatus::Newer, "the server's team jobs are of layout " + std::to_string(version) +
                                            "; this version reads up to " + std::to_string(PgLayoutVersion));
}
} // namespace

JobResult PrepareServer(PgConnection& db, int& version)
{
    // Serializable, as every write: two preparations at once cannot both
    // take the same step.
    JobResult result = db.Execute("BEGIN ISOLATION LEVEL SERIALIZABLE");
    if (result.ok())
        result = db.Execute(PrepareRoles);
    bool present = false;
    int64_t walked = 0;
    if (result.ok())
        result = ReadVersion(db, present, walked);
    if (result.ok() && walked > PgLayoutVersion)
        result = RefuseNewer(walked);
    for (const LayoutStep& step : LayoutSteps) {
        if (!result.ok() || step.version <= walked)
            continue;
        result = db.Execute(step.sql);
        walked = step.version;
    }
    if (result.ok())
        result = db.Query("DELETE FROM kav.layout", {});
    if (result.ok())
        result = db.Query("INSERT INTO kav.layout(version) VALUES($1)", {PgInteger(walked)});
    if (result.ok())
        result = db.Execute("COMMIT");
    if (!result.ok() && db.InTransaction())
        db.Execute("ROLLBACK");
    version = static_cast<int>(walked);
    return result;
}

JobResult CheckServerLayout(PgConnection& db)
{
    bool present = false;
    int64_t version = 0;
    if (JobResult read = ReadVersion(db, present, version); !read.ok())
        return read;
    if (!present)
        return JobFailure(JobStatus::NotFound,
                          "the database holds no team jobs; kav-job server-init prepares it");
    if (version > PgLayoutVersion)
        return RefuseNewer(version);
    if (version < PgLayoutVersion)
        return JobFailure(JobStatus::CannotOpen, "the server's team jobs are of the older layout " +
                                                     std::to_string(version) +
                                                     "; kav-job server-init brings them up to date");
    return {};
}
