#pragma once

#include "jobs/JobResult.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct pg_conn;
struct pg_result;

// A query's parameter: text, bytes sent as they are (bytea), or null.
struct PgValue
{
    std::string text;
    bool bytes = false;
    bool null = false;
};
PgValue PgText(std::string_view text);
PgValue PgInteger(int64_t value);
PgValue PgBytes(std::string_view bytes);
PgValue PgNull();

// The rows a query returned, in PostgreSQL's binary form: integers of any
// width, texts and byteas as their bytes.
class PgRows
{
public:
    PgRows() = default;
    ~PgRows();
    PgRows(const PgRows&) = delete;
    PgRows& operator=(const PgRows&) = delete;

    int Count() const;
    int64_t Integer(int row, int column) const;
    std::string_view Bytes(int row, int column) const;
    bool IsNull(int row, int column) const;

private:
    friend class PgConnection;
    void Take(pg_result* result);

    pg_result* m_Result = nullptr;
};

// One connection to a server through libpq. Every failure is told in the
// jobs layer's status by one translation of SQLSTATEs (PgResultOf); a
// connection that went away is told as such. Nothing here ever shows the
// connection's password: libpq's messages do not hold it.
class PgConnection
{
public:
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    // `conninfo` as libpq reads it (a URI or key=value pairs); passwords
    // come from it, ~/.pgpass or PGPASSFILE, as for any libpq program,
    // unless `password` gives one. NeedsPassword when the server asks for
    // one that none of them gave.
    static JobResult Connect(const std::string& conninfo, std::unique_ptr<PgConnection>& connection,
                             const std::string& password = {});

    // SQL without parameters or rows; several statements may follow each other.
    JobResult Execute(const std::string& sql);
    JobResult Query(const std::string& sql, const std::vector<PgValue>& parameters, PgRows& rows);
    JobResult Query(const std::string& sql, const std::vector<PgValue>& parameters);
    // COPY ... FROM STDIN with `data` in COPY's text form.
    JobResult CopyIn(const std::string& sql, const std::string& data);

    bool InTransaction() const;
    // The role the connection logged in as.
    std::string Role() const;

private:
    explicit PgConnection(pg_conn* connection) : m_Connection(connection) {}
    JobResult ResultOf(pg_result* result) const;

    pg_conn* m_Connection;
};

// A text as COPY's text form holds it in one column.
void AppendCopyText(std::string& data, std::string_view text);
