#include "jobs/PgConnection.h"

#include <libpq-fe.h>

#include <cstring>

namespace {
// libpq's message up to its first line end: the rest explains what the
// first line says, in words of its own.
std::string FirstLine(const char* message)
{
    std::string text = message == nullptr ? "" : message;
    text = text.substr(0, text.find('\n'));
    return text;
}

bool ConnectionLost(std::string_view state)
{
    return state.substr(0, 2) == "08" || state == "57P01" || state == "57P02" || state == "57P03";
}
} // namespace

PgValue PgText(std::string_view text)
{
    return {std::string(text), false, false};
}

PgValue PgInteger(int64_t value)
{
    return {std::to_string(value), false, false};
}

PgValue PgBytes(std::string_view bytes)
{
    return {std::string(bytes), true, false};
}

PgValue PgNull()
{
    return {"", false, true};
}

PgRows::~PgRows()
{
    PQclear(m_Result);
}

void PgRows::Take(pg_result* result)
{
    PQclear(m_Result);
    m_Result = result;
}

int PgRows::Count() const
{
    return m_Result == nullptr ? 0 : PQntuples(m_Result);
}

int64_t PgRows::Integer(int row, int column) const
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(PQgetvalue(m_Result, row, column));
    const int length = PQgetlength(m_Result, row, column);
    // Network order, signed as wide as the column.
    uint64_t value = length > 0 && (bytes[0] & 0x80) != 0 ? ~uint64_t(0) : 0;
    for (int i = 0; i < length; ++i)
        value = (value << 8) | bytes[i];
    return static_cast<int64_t>(value);
}

std::string_view PgRows::Bytes(int row, int column) const
{
    return {PQgetvalue(m_Result, row, column), static_cast<size_t>(PQgetlength(m_Result, row, column))};
}

bool PgRows::IsNull(int row, int column) const
{
    return PQgetisnull(m_Result, row, column) != 0;
}

PgConnection::~PgConnection()
{
    PQfinish(m_Connection);
}

JobResult PgConnection::Connect(const std::string& conninfo, std::unique_ptr<PgConnection>& connection,
                                const std::string& password)
{
    // The connection string may be a URI: libpq expands the dbname given
    // first, and the keys after it override it; the name the server shows
    // for us is the program's.
    const char* keys[] = {"dbname", "fallback_application_name", "client_encoding", "password", nullptr};
    const char* values[] = {conninfo.c_str(), "kav", "UTF8", password.c_str(), nullptr};
    if (password.empty())
        keys[3] = nullptr;
    PGconn* made = PQconnectdbParams(keys, values, 1);
    if (made == nullptr)
        return JobFailure(JobStatus::Failed, "out of memory");
    if (PQstatus(made) != CONNECTION_OK) {
        // A password asked for and not given is for the caller to ask the
        // user; any other refusal is final.
        JobResult refused = JobFailure(PQconnectionNeedsPassword(made) != 0 ? JobStatus::NeedsPassword
                                                                            : JobStatus::CannotOpen,
                                       FirstLine(PQerrorMessage(made)));
        PQfinish(made);
        return refused;
    }
    connection.reset(new PgConnection(made));
    return {};
}

JobResult PgConnection::ResultOf(pg_result* result) const
{
    const ExecStatusType status = PQresultStatus(result);
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_COPY_IN)
        return {};
    const char* field = result == nullptr ? nullptr : PQresultErrorField(result, PG_DIAG_SQLSTATE);
    const std::string state = field == nullptr ? "" : field;
    const char* primary = result == nullptr ? nullptr : PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
    const std::string message = FirstLine(primary != nullptr ? primary : PQerrorMessage(m_Connection));
    if (PQstatus(m_Connection) == CONNECTION_BAD || ConnectionLost(state))
        return JobFailure(JobStatus::Disconnected, message);
    if (state == "40001" || state == "40P01")
        return JobFailure(JobStatus::Contended, message);
    if (state == "55P03")
        return JobFailure(JobStatus::Busy, message);
    if (state == "42501")
        return JobFailure(JobStatus::ReadOnly,
                          "the server lets role \"" + Role() + "\" only read team jobs (" + message + ")");
    if (state == "53100")
        return JobFailure(JobStatus::NoSpace, message);
    if (state == "23505")
        return JobFailure(JobStatus::Exists, message);
    return JobFailure(JobStatus::Failed, message);
}

JobResult PgConnection::Execute(const std::string& sql)
{
    PGresult* result = PQexec(m_Connection, sql.c_str());
    const JobResult outcome = ResultOf(result);
    PQclear(result);
    return outcome;
}

JobResult PgConnection::Query(const std::string& sql, const std::vector<PgValue>& parameters, PgRows& rows)
{
    std::vector<const char*> values;
    std::vector<int> lengths, formats;
    for (const PgValue& value : parameters) {
        values.push_back(value.null ? nullptr : value.text.c_str());
        lengths.push_back(static_cast<int>(value.text.size()));
        formats.push_back(value.bytes ? 1 : 0);
    }
    rows.Take(PQexecParams(m_Connection, sql.c_str(), static_cast<int>(parameters.size()), nullptr,
                           values.data(), lengths.data(), formats.data(), 1));
    return ResultOf(rows.m_Result);
}

JobResult PgConnection::Query(const std::string& sql, const std::vector<PgValue>& parameters)
{
    PgRows rows;
    return Query(sql, parameters, rows);
}

JobResult PgConnection::CopyIn(const std::string& sql, const std::string& data)
{
    PgRows started;
    started.Take(PQexec(m_Connection, sql.c_str()));
    if (JobResult result = ResultOf(started.m_Result); !result.ok())
        return result;
    const bool sent = PQputCopyData(m_Connection, data.data(), static_cast<int>(data.size())) == 1;
    if (PQputCopyEnd(m_Connection, sent ? nullptr : "the rows could not be sent") != 1)
        return ResultOf(nullptr);
    JobResult outcome;
    // The COPY's own result, then nothing.
    while (PGresult* result = PQgetResult(m_Connection)) {
        if (outcome.ok())
            outcome = ResultOf(result);
        PQclear(result);
    }
    return outcome;
}

bool PgConnection::InTransaction() const
{
    return PQtransactionStatus(m_Connection) != PQTRANS_IDLE;
}

std::string PgConnection::Role() const
{
    const char* user = PQuser(m_Connection);
    return user == nullptr ? "" : user;
}

void AppendCopyText(std::string& data, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '\\':
            data += "\\\\";
            break;
        case '\t':
            data += "\\t";
            break;
        case '\n':
            data += "\\n";
            break;
        case '\r':
            data += "\\r";
            break;
        default:
            data += c;
        }
    }
}
