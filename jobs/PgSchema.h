#pragma once

#include "jobs/JobResult.h"

class PgConnection;

// The team jobs' layout on a server: the schema `kav`, one set of tables
// for every job of the database, each row keyed by its job. Its version is
// kept in kav.layout and walked forward by kav-job server-init, which alone
// may change the layout (technicians' roles only read and write rows).

// The layout this version of the program writes.
constexpr int PgLayoutVersion = 1;

// Creates the schema, the roles kav_writer and kav_reader and their grants,
// or walks an older layout forward, in one transaction; `version` is the
// layout it leaves. Refuses a newer layout (Newer), changing nothing.
JobResult PrepareServer(PgConnection& db, int& version);

// Ok for a server whose layout this program reads and writes; NotFound
// where it holds no team jobs, Newer or CannotOpen where its layout is
// another version's.
JobResult CheckServerLayout(PgConnection& db);
