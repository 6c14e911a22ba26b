#include "jobs/SqliteStatement.h"

#include <sqlite3.h>

JobResult SqliteResult(sqlite3* db, int code)
{
    if (code == SQLITE_OK || code == SQLITE_DONE || code == SQLITE_ROW)
        return {};
    // SQLite's own words for the connection's last error, when the code is
    // that error; otherwise those for the code.
    std::string words =
        db != nullptr && sqlite3_extended_errcode(db) == code ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return JobFailure(JobStatus::Busy, words);
    case SQLITE_CORRUPT:
        return JobFailure(JobStatus::Damaged, words);
    case SQLITE_NOTADB:
        return JobFailure(JobStatus::NotAJob, words);
    case SQLITE_READONLY:
        return JobFailure(JobStatus::ReadOnly, words);
    case SQLITE_FULL:
        return JobFailure(JobStatus::NoSpace, words);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return JobFailure(JobStatus::CannotOpen, words);
    default:
        return JobFailure(JobStatus::Failed, words);
    }
}

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) : m_Db(db)
{
    m_Code = sqlite3_prepare_v2(db, sql, -1, &m_Statement, nullptr);
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_Statement);
}

SqliteStatement& SqliteStatement::Bind(int index, int64_t value)
{
    if (m_Code == SQLITE_OK)
        m_Code = sqlite3_bind_int64(m_Statement, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::BindText(int index, std::string_view text)
{
    if (m_Code == SQLITE_OK)
        m_Code =
            sqlite3_bind_text64(m_Statement, index, text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8);
    return *this;
}

SqliteStatement& SqliteStatement::BindBlob(int index, const void* bytes, size_t size)
{
    // A blob of no bytes is still a blob, never NULL.
    static const char None = 0;
    if (m_Code == SQLITE_OK)
        m_Code = sqlite3_bind_blob64(m_Statement, index, size == 0 ? &None : bytes, size, SQLITE_STATIC);
    return *this;
}

SqliteStatement& SqliteStatement::BindNull(int index)
{
    if (m_Code == SQLITE_OK)
        m_Code = sqlite3_bind_null(m_Statement, index);
    return *this;
}

bool SqliteStatement::Step()
{
    if (m_Code != SQLITE_OK && m_Code != SQLITE_ROW)
        return false;
    m_Code = sqlite3_step(m_Statement);
    return m_Code == SQLITE_ROW;
}

JobResult SqliteStatement::Result() const
{
    return SqliteResult(m_Db, m_Code);
}

void SqliteStatement::Reset()
{
    if (m_Statement == nullptr)
        return;
    sqlite3_reset(m_Statement);
    sqlite3_clear_bindings(m_Statement);
    m_Code = SQLITE_OK;
}

int64_t SqliteStatement::Integer(int column) const
{
    return sqlite3_column_int64(m_Statement, column);
}

std::string_view SqliteStatement::Text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_Statement, column));
    return text == nullptr
               ? std::string_view()
               : std::string_view(text, static_cast<size_t>(sqlite3_column_bytes(m_Statement, column)));
}

std::string_view SqliteStatement::Blob(int column) const
{
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_Statement, column));
    return bytes == nullptr
               ? std::string_view()
               : std::string_view(bytes, static_cast<size_t>(sqlite3_column_bytes(m_Statement, column)));
}

bool SqliteStatement::IsNull(int column) const
{
    return sqlite3_column_type(m_Statement, column) == SQLITE_NULL;
}

JobResult SqliteExecute(sqlite3* db, const char* sql)
{
    return SqliteResult(db, sqlite3_exec(db, sql, nullptr, nullptr, nullptr));
}
