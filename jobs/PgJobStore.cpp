#include "jobs/PgJobStore.h"

#include "jobs/PgSchema.h"

#include <iterator>

namespace {
// The class of the advisory locks by which a job's writers take turns
// ("KAVJ"); the job's id is the other key.
constexpr int64_t TurnLockClass = 0x4B41564A;

JobResult Connect(const PgJobLocation& location, const std::string& password,
                  std::unique_ptr<PgConnection>& db, int64_t& id)
{
    if (location.job.empty())
        return JobFailure(JobStatus::Refused, "a team job is named by job=NAME in its connection string");
    JobResult result = PgConnection::Connect(location.conninfo, db, password);
    if (result.ok())
        result = CheckServerLayout(*db);
    PgRows rows;
    if (result.ok())
        result = db->Query("SELECT id FROM kav.jobs WHERE name = $1", {PgText(location.job)}, rows);
    id = result.ok() && rows.Count() == 1 ? rows.Integer(0, 0) : 0;
    return result;
}

std::string TextOf(const PgRows& rows, int row, int column)
{
    return std::string(rows.Bytes(row, column));
}

// An integer array's text form, for unnest().
std::string ArrayText(const std::vector<int64_t>& values)
{
    std::string text = "{";
    for (const int64_t value : values)
        text += (text.size() > 1 ? "," : "") + std::to_string(value);
    return text + "}";
}
} // namespace

PgJobStore::PgJobStore(std::unique_ptr<PgConnection> db, std::string name, int64_t id)
    : m_Db(std::move(db)), m_Name(std::move(name)), m_Id(id)
{
}

PgJobStore::~PgJobStore() = default;

JobResult PgJobStore::Open(const PgJobLocation& location, const JobOpenOptions& options,
                           std::unique_ptr<JobStore>& store)
{
    std::unique_ptr<PgConnection> db;
    int64_t id = 0;
    JobResult result = Connect(location, options.password, db, id);
    if (result.ok() && id == 0)
        return JobFailure(JobStatus::NotFound, "the server has no job " + location.job);
    PgRows rows;
    if (result.ok() && options.access == JobAccess::Write)
        result = db->Query("SELECT has_table_privilege('kav.files', 'INSERT')", {}, rows);
    if (result.ok() && options.access == JobAccess::Write && rows.Integer(0, 0) == 0)
        return JobFailure(JobStatus::ReadOnly,
                          "the server lets role \"" + db->Role() + "\" only read team jobs");
    // How long a write waits for the job's other writers; a statement's
    // locks are waited for as long.
    if (result.ok())
        result = db->Execute("SET lock_timeout = " + std::to_string(options.waitMilliseconds));
    if (result.ok())
        store.reset(new PgJobStore(std::move(db), location.job, id));
    return result;
}

JobResult PgJobStore::Create(const PgJobLocation& location, std::unique_ptr<JobStore>& store)
{
    std::unique_ptr<PgConnection> db;
    int64_t id = 0;
    const JobResult result = Connect(location, {}, db, id);
    if (result.ok() && id != 0)
        return JobFailure(JobStatus::Exists, "");
    if (result.ok())
        store.reset(new PgJobStore(std::move(db), location.job, 0));
    return result;
}

JobResult PgJobStore::BeginWrite()
{
    // The turn is taken before the transaction, whose snapshot then holds
    // every earlier writer's work.
    if (m_Id != 0) {
        JobResult turn =
            m_Db->Query("SELECT pg_advisory_lock($1, $2)", {PgInteger(TurnLockClass), PgInteger(m_Id)});
        if (turn.status == JobStatus::Busy)
            turn.detail.clear();
        if (!turn.ok())
            return turn;
        m_HasTurn = true;
    }
    JobResult result = m_Db->Execute("BEGIN ISOLATION LEVEL SERIALIZABLE");
    if (result.ok() && m_Id == 0) {
        // A job being made appears with its first write.
        PgRows rows;
        result = m_Db->Query("INSERT INTO kav.jobs(name) VALUES($1) RETURNING id", {PgText(m_Name)}, rows);
        if (result.status == JobStatus::Exists)
            result.detail.clear();
        if (result.ok())
            m_Id = rows.Integer(0, 0);
    }
    if (!result.ok())
        Rollback();
    return result;
}

JobResult PgJobStore::Commit()
{
    const JobResult committed = m_Db->Execute("COMMIT");
    if (!committed.ok())
        Rollback();
    EndTurn();
    return committed;
}

void PgJobStore::Rollback()
{
    if (m_Db->InTransaction())
        m_Db->Execute("ROLLBACK");
    EndTurn();
}

void PgJobStore::EndTurn()
{
    if (m_HasTurn)
        m_Db->Query("SELECT pg_advisory_unlock($1, $2)", {PgInteger(TurnLockClass), PgInteger(m_Id)});
    m_HasTurn = false;
}

JobResult PgJobStore::BeginRead()
{
    m_ReadInWrite = m_Db->InTransaction();
    if (m_ReadInWrite)
        return {};
    return m_Db->Execute("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY");
}

void PgJobStore::EndRead()
{
    if (!m_ReadInWrite && m_Db->InTransaction())
        m_Db->Execute("ROLLBACK");
}

JobResult PgJobStore::Publish()
{
    return {};
}

JobResult PgJobStore::AddNumbered(const std::string& table, const std::string& columns,
                                  const std::vector<PgValue>& values, int64_t& id)
{
    // Writers take turns: the job's next number is its own.
    std::string sql =
        "INSERT INTO kav." + table + "(job, id, " + columns + ") SELECT $1, coalesce(max(id), 0) + 1";
    std::vector<PgValue> parameters = {PgInteger(m_Id)};
    for (const PgValue& value : values) {
        parameters.push_back(value);
        sql += ", $" + std::to_string(parameters.size());
    }
    sql += " FROM kav." + table + " WHERE job = $1 RETURNING id";
    PgRows rows;
    const JobResult result = m_Db->Query(sql, parameters, rows);
    id = result.ok() ? rows.Integer(0, 0) : 0;
    return result;
}

JobResult PgJobStore::ReadSetting(const std::string& key, std::optional<std::string>& value)
{
    PgRows rows;
    const JobResult result = m_Db->Query("SELECT value FROM kav.settings WHERE job = $1 AND key = $2",
                                         {PgInteger(m_Id), PgText(key)}, rows);
    value.reset();
    if (result.ok() && rows.Count() == 1)
        value = TextOf(rows, 0, 0);
    return result;
}

JobResult
PgJobStore::ReadSettings(const std::function<void(const std::string& key, const std::string& value)>& row)
{
    PgRows rows;
    const JobResult result = m_Db->Query("SELECT key, value FROM kav.settings WHERE job = $1 ORDER BY key",
                                         {PgInteger(m_Id)}, rows);
    for (int r = 0; result.ok() && r < rows.Count(); ++r)
        row(TextOf(rows, r, 0), TextOf(rows, r, 1));
    return result;
}

JobResult PgJobStore::WriteSetting(const std::string& key, const std::string& value)
{
    return m_Db->Query("INSERT INTO kav.settings(job, key, value) VALUES($1, $2, $3)"
                       " ON CONFLICT(job, key) DO UPDATE SET value = excluded.value",
                       {PgInteger(m_Id), PgText(key), PgText(value)});
}

JobResult PgJobStore::ReadNames(const std::function<void(int64_t id, std::string_view name)>& row)
{
    PgRows rows;
    const JobResult result =
        m_Db->Query("SELECT id, name FROM kav.names WHERE job = $1 ORDER BY id", {PgInteger(m_Id)}, rows);
    for (int r = 0; result.ok() && r < rows.Count(); ++r)
        row(rows.Integer(r, 0), rows.Bytes(r, 1));
    return result;
}

JobResult PgJobStore::AddName(std::string_view name, int64_t& id)
{
    return AddNumbered("names", "name", {PgBytes(name)}, id);
}

JobResult PgJobStore::AddLimits(StoredLimits& limits)
{
    return AddNumbered("limits", "set_at, limits", {PgText(limits.setAt), PgText(limits.text)}, limits.id);
}

JobResult PgJobStore::ReadLimits(const RowReader<StoredLimits>& row)
{
    PgRows rows;
    const JobResult result = m_Db->Query(
        "SELECT id, set_at, limits FROM kav.limits WHERE job = $1 ORDER BY id", {PgInteger(m_Id)}, rows);
    for (int r = 0; result.ok() && r < rows.Count(); ++r)
        row({rows.Integer(r, 0), TextOf(rows, r, 1), TextOf(rows, r, 2)});
    return result;
}

JobResult PgJobStore::ReplacePlan(const std::vector<PlannedFibre>& fibres)
{
    JobResult result = m_Db->Query("DELETE FROM kav.plan WHERE job = $1", {PgInteger(m_Id)});
    std::string data;
    const std::string job = std::to_string(m_Id) + "\t";
    for (size_t i = 0; i < fibres.size(); ++i)
        data += job + std::to_string(i + 1) + "\t" + std::to_string(fibres[i].cable) + "\t" +
                std::to_string(fibres[i].fiber) + "\n";
    if (result.ok() && !fibres.empty())
        result = m_Db->CopyIn("COPY kav.plan(job, position, cable, fiber) FROM STDIN", data);
    return result;
}

JobResult PgJobStore::ReadPlan(const RowReader<PlannedFibre>& row)
{
    PgRows rows;
    const JobResult result = m_Db->Query("SELECT cable, fiber FROM kav.plan WHERE job = $1 ORDER BY position",
                                         {PgInteger(m_Id)}, rows);
    for (int r = 0; result.ok() && r < rows.Count(); ++r)
        row({rows.Integer(r, 0), rows.Integer(r, 1)});
    return result;
}

namespace {
constexpr const char* FileColumns = "SELECT id, name, sha256, kind, imported_at, size, declared, records,"
                                    " imported_by"
                                    " FROM kav.files WHERE job = $1";

StoredFile FileOf(const PgRows& rows, int r)
{
    return {rows.Integer(r, 0),
            TextOf(rows, r, 1),
            TextOf(rows, r, 2),
            TextOf(rows, r, 3),
            TextOf(rows, r, 4),
            rows.Integer(r, 5),
            static_cast<int>(rows.Integer(r, 6)),
            static_cast<int>(rows.Integer(r, 7)),
            TextOf(rows, r, 8)};
}
} // namespace

JobResult PgJobStore::FindFile(const std::string& sha256, std::optional<StoredFile>& file)
{
    PgRows rows;
    const JobResult result =
        m_Db->Query(std::string(FileColumns) + " AND sha256 = $2", {PgInteger(m_Id), PgBytes(sha256)}, rows);
    file.reset();
    if (result.ok() && rows.Count() == 1)
        file = FileOf(rows, 0);
    return result;
}

JobResult PgJobStore::AddFile(StoredFile& file, const std::vector<uint8_t>& bytes)
{
    return AddNumbered("files", "name, sha256, kind, imported_at, size, declared, records, bytes",
                       {PgText(file.name), PgBytes(file.sha256), PgText(file.kind), PgText(file.importedAt),
                        PgInteger(file.size), PgInteger(file.declared), PgInteger(file.records),
                        PgBytes({reinterpret_cast<const char*>(bytes.data()), bytes.size()})},
                       file.id);
}

JobResult PgJobStore::ReadFiles(const RowReader<StoredFile>& row)
{
    PgRows rows;
    const JobResult result = m_Db->Query(std::string(FileColumns) + " ORDER BY id", {PgInteger(m_Id)}, rows);
    for (int r = 0; result.ok() && r < rows.Count(); ++r)
        row(FileOf(rows, r));
    return result;
}

JobResult PgJobStore::ReadFileBytes(int64_t file, std::vector<uint8_t>& bytes)
{
    PgRows rows;
    const JobResult result = m_Db->Query("SELECT bytes FROM kav.files WHERE job = $1 AND id = $2",
                                         {PgInteger(m_Id), PgInteger(file)}, rows);
    bytes.clear();
    if (!result.ok())
        return result;
    if (rows.Count() != 1)
        return JobFailure(JobStatus::Damaged, "a record's file is missing");
    const std::string_view blob = rows.Bytes(0, 0);
    bytes.assign(blob.begin(), blob.end());
    return {};
}

JobResult PgJobStore::AddRecords(const std::vector<StoredRecord>& records)
{
    if (records.empty())
        return {};
    // One COPY for a file's records: a round trip each would take seconds.
    std::string data;
    const std::string job = std::to_string(m_Id) + "\t";
    for (const StoredRecord& record : records) {
        data += job + std::to_string(record.file) + "\t" + std::to_string(record.number) + "\t" +
                std::to_string(record.cable) + "\t" + std::to_string(record.fiber) + "\t";
        AppendCopyText(data, record.tested);
        data += "\t" + std::to_string(record.fingerprint) + "\t" + std::to_string(record.verdict) + "\n";
    }
    return m_Db->CopyIn(
        "COPY kav.records(job, file, number, cable, fiber, tested, fingerprint, verdict) FROM STDIN", data);
}

JobResult PgJobStore::ReadRecords(const RowReader<RecordRow>& row)
{
    PgRows rows;
    const JobResult result =
        m_Db->Query("SELECT file, number, cable, fiber, tested, fingerprint, verdict FROM kav.records"
                    " WHERE job = $1 ORDER BY file, number",
                    {PgInteger(m_Id)}, rows);
    for (int r = 0; result.ok() && r < rows.Count(); ++r)
        row({rows.Integer(r, 0), static_cast<int32_t>(rows.Integer(r, 1)), rows.Integer(r, 2),
             rows.Integer(r, 3), rows.Bytes(r, 4), rows.Integer(r, 5), static_cast<int>(rows.Integer(r, 6))});
    return result;
}

JobResult PgJobStore::SetVerdicts(const std::vector<VerdictUpdate>& updates)
{
    if (updates.empty())
        return {};
    std::vector<int64_t> files, numbers, verdicts;
    for (const VerdictUpdate& update : updates) {
        files.push_back(update.file);
        numbers.push_back(update.number);
        verdicts.push_back(update.verdict);
    }
    return m_Db->Query(
        "UPDATE kav.records AS r SET verdict = u.verdict"
        " FROM unnest($2::bigint[], $3::bigint[], $4::bigint[]) AS u(file, number, verdict)"
        " WHERE r.job = $1 AND r.file = u.file AND r.number = u.number",
        {PgInteger(m_Id), PgText(ArrayText(files)), PgText(ArrayText(numbers)), PgText(ArrayText(verdicts))});
}

JobResult PgJobStore::AddCorrection(StoredCorrection& correction)
{
    const bool named = correction.kind != CorrectionKind::Choice;
    return AddNumbered("corrections", "made_at, file, number, kind, name",
                       {PgText(correction.madeAt), PgInteger(correction.file), PgInteger(correction.number),
                        PgText(CorrectionWord(correction.kind)),
                        named ? PgInteger(correction.name) : PgNull()},
                       correction.id);
}

JobResult PgJobStore::ReadCorrections(const RowReader<StoredCorrection>& row)
{
    PgRows rows;
    const JobResult result = m_Db->Query(
        "SELECT id, made_at, file, number, kind, name FROM kav.corrections WHERE job = $1 ORDER BY id",
        {PgInteger(m_Id)}, rows);
    for (int r = 0; result.ok() && r < rows.Count(); ++r)
        row({rows.Integer(r, 0), TextOf(rows, r, 1), rows.Integer(r, 2),
             static_cast<int32_t>(rows.Integer(r, 3)), CorrectionKindOf(rows.Bytes(r, 4)),
             rows.IsNull(r, 5) ? 0 : rows.Integer(r, 5)});
    return result;
}

JobResult PgJobStore::AddAudit(AuditEntry& entry)
{
    return AddNumbered("audit", "at, action, detail",
                       {PgText(entry.at), PgText(entry.action), PgText(entry.detail)}, entry.id);
}

JobResult PgJobStore::ReadAudit(const RowReader<AuditEntry>& row)
{
    PgRows rows;
    const JobResult result = m_Db->Query(
        "SELECT id, at, action, detail FROM kav.audit WHERE job = $1 ORDER BY id", {PgInteger(m_Id)}, rows);
    for (int r = 0; result.ok() && r < rows.Count(); ++r)
        row({rows.Integer(r, 0), TextOf(rows, r, 1), TextOf(rows, r, 2), TextOf(rows, r, 3)});
    return result;
}
