#pragma once

#include "jobs/JobResult.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The one translation of SQLite's result codes into the jobs layer's status,
// with SQLite's words for it.
JobResult SqliteResult(sqlite3* db, int code);

// One prepared SQL statement of an SQLite connection, finalized with it.
class SqliteStatement
{
public:
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Parameters count from 1. Text and blobs must outlive the step.
    SqliteStatement& Bind(int index, int64_t value);
    SqliteStatement& BindText(int index, std::string_view text);
    SqliteStatement& BindBlob(int index, const void* bytes, size_t size);
    SqliteStatement& BindNull(int index);

    // True while there is a row; false at the end or on an error, which
    // Result() then tells.
    bool Step();
    // Ok after a step that ended the statement without an error.
    JobResult Result() const;
    // Clears the bindings' use for another run with new ones.
    void Reset();

    int64_t Integer(int column) const;
    std::string_view Text(int column) const;
    // A blob's bytes (also a text's).
    std::string_view Blob(int column) const;
    bool IsNull(int column) const;

private:
    sqlite3* m_Db;
    sqlite3_stmt* m_Statement = nullptr;
    int m_Code; // the last result
};

// Runs SQL without rows (several statements may follow each other).
JobResult SqliteExecute(sqlite3* db, const char* sql);
