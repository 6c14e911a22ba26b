#pragma once

#include <optional>
#include <string>

// A team job's name: a PostgreSQL connection string (a URI,
// "postgresql://host/kav?job=DC-North", or key=value pairs,
// "host=db dbname=kav job=DC-North") with the job's name in a `job`
// parameter of our own, which libpq never sees.
struct PgJobLocation
{
    std::string conninfo; // for libpq: the location without `job`
    std::string job;      // empty where none is named
};

// Whether `location` names a server rather than a job file: a URI of the
// postgresql scheme, or key=value pairs one of which is `job`.
bool IsPgJobLocation(const std::string& location);

// Nothing where `location` cannot be read as either form.
std::optional<PgJobLocation> ParsePgJobLocation(const std::string& location);

// The location of the job `job` on the server `conninfo` (either form,
// without a job of its own): the inverse of ParsePgJobLocation.
std::string PgJobLocationOf(const std::string& conninfo, const std::string& job);

// The location as it may be shown, logged or remembered: any password
// given in it is left out.
std::string PgJobLocationShown(const std::string& location);
