#include "jobs/SqliteSchema.h"

#include "jobs/JobStore.h"
#include "jobs/SqliteStatement.h"

#include <string>

namespace {
// "KAVJ"
constexpr int64_t JobApplicationId = 0x4B41564A;

struct LayoutStep
{
    int version; // the layout the step arrives at
    const char* sql;
};

// Every step ever taken, in order; a step once released never changes.
// Each record's values stay in its file's bytes: the records table holds
// the columns a job is worked out from, names once in `names`.
constexpr LayoutStep LayoutSteps[] = {
    {1,
     "CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT NOT NULL);"
     "CREATE TABLE names(id INTEGER PRIMARY KEY, name BLOB NOT NULL UNIQUE);"
     "CREATE TABLE limits(id INTEGER PRIMARY KEY, set_at TEXT NOT NULL, limits TEXT NOT NULL);"
     "CREATE TABLE plan(position INTEGER PRIMARY KEY, cable INTEGER NOT NULL, fiber INTEGER NOT NULL);"
     "CREATE TABLE files(id INTEGER PRIMARY KEY, name TEXT NOT NULL, sha256 BLOB NOT NULL UNIQUE,"
     " kind TEXT NOT NULL, imported_at TEXT NOT NULL, size INTEGER NOT NULL, declared INTEGER NOT NULL,"
     " records INTEGER NOT NULL, bytes BLOB NOT NULL);"
     "CREATE TABLE records(file INTEGER NOT NULL, number INTEGER NOT NULL, cable INTEGER NOT NULL,"
     " fiber INTEGER NOT NULL, tested TEXT NOT NULL, fingerprint INTEGER NOT NULL, verdict INTEGER NOT NULL,"
     " PRIMARY KEY(file, number)) WITHOUT ROWID;"
     "CREATE TABLE corrections(id INTEGER PRIMARY KEY, made_at TEXT NOT NULL, file INTEGER NOT NULL,"
     " number INTEGER NOT NULL, kind TEXT NOT NULL, name INTEGER);"
     "CREATE TABLE audit(id INTEGER PRIMARY KEY, at TEXT NOT NULL, action TEXT NOT NULL,"
     " detail TEXT NOT NULL);"},
};
static_assert(std::size(LayoutSteps) == JobSchemaVersion, "a step for every layout version");

JobResult ReadNumber(sqlite3* db, const char* sql, int64_t& value)
{
    SqliteStatement statement(db, sql);
    if (!statement.Step())
        return statement.Result();
    value = statement.Integer(0);
    return {};
}

// Takes the steps after the file's version, in one transaction: a failure
// leaves the file as it was.
JobResult WalkForward(sqlite3* db)
{
    if (JobResult begun = SqliteExecute(db, "BEGIN IMMEDIATE"); !begun.ok())
        return begun;
    // Another program may have taken the steps while this one waited.
    int64_t version = 0;
    JobResult result = ReadNumber(db, "PRAGMA user_version", version);
    for (const LayoutStep& step : LayoutSteps) {
        if (!result.ok() || step.version <= version)
            continue;
        result = SqliteExecute(db, step.sql);
        if (result.ok())
            result = SqliteExecute(db, ("PRAGMA user_version = " + std::to_string(step.version)).c_str());
    }
    if (result.ok())
        result = SqliteExecute(db, ("PRAGMA application_id = " + std::to_string(JobApplicationId)).c_str());
    if (result.ok())
        result = SqliteExecute(db, "COMMIT");
    if (!result.ok())
        SqliteExecute(db, "ROLLBACK");
    return result;
}
} // namespace

JobResult CheckJobLayout(sqlite3* db, bool checkWhole)
{
    int64_t application = 0, version = 0;
    JobResult result = ReadNumber(db, "PRAGMA application_id", application);
    if (result.ok() && application != JobApplicationId)
        return JobFailure(JobStatus::NotAJob, application == 0 ? "" : "an SQLite file of another program");
    if (result.ok())
        result = ReadNumber(db, "PRAGMA user_version", version);
    if (!result.ok())
        return result;
    if (version > JobSchemaVersion)
        return JobFailure(JobStatus::Newer, "layout " + std::to_string(version) +
                                                "; this version reads up to " +
                                                std::to_string(JobSchemaVersion));
    if (checkWhole) {
        SqliteStatement check(db, "PRAGMA quick_check(1)");
        if (!check.Step())
            return check.Result();
        if (check.Text(0) != "ok")
            return JobFailure(JobStatus::Damaged, std::string(check.Text(0)));
    }
    return version < JobSchemaVersion ? WalkForward(db) : JobResult{};
}

JobResult LayOutNewJob(sqlite3* db)
{
    return WalkForward(db);
}
