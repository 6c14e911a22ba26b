#pragma once

#include "jobs/JobResult.h"

struct sqlite3;

// The layout of a job file and the steps that bring an older file up to
// date. PRAGMA application_id marks the file as a job (no other SQLite file
// passes for one); PRAGMA user_version counts the steps taken.

// Refuses a file that is not a job (NotAJob), one of a newer layout (Newer)
// and, where `checkWhole`, a damaged one (Damaged), writing nothing; then
// walks an older layout forward, each step in one transaction with the
// others.
JobResult CheckJobLayout(sqlite3* db, bool checkWhole);

// Lays out an empty database as a job of the present layout.
JobResult LayOutNewJob(sqlite3* db);
