#pragma once

#include "jobs/JobResult.h"

#include <string>

// Prepares a PostgreSQL server to keep team jobs (`conninfo` as libpq reads
// it, or a team job's location, whose job is not needed): its schema,
// walked forward from an older layout, and the roles kav_writer and
// kav_reader with their grants; `version` is the layout left.
JobResult PrepareJobServer(const std::string& conninfo, int& version);
