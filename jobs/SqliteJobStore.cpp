#include "jobs/SqliteJobStore.h"

#include "jobs/SqliteSchema.h"
#include "jobs/SqliteStatement.h"
#include "platform/files/FileSystem.h"
#include "platform/files/SafeFileWriter.h"

#include <sqlite3.h>

namespace {
constexpr int OpenFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;

// The file layer's status in the jobs layer's words.
JobResult JobResultOfIo(const IoResult& io)
{
    switch (io.status) {
    case IoStatus::Ok:
        return {};
    case IoStatus::NameTaken:
        return JobFailure(JobStatus::Exists, io.reason);
    case IoStatus::NoSpace:
        return JobFailure(JobStatus::NoSpace, io.reason);
    case IoStatus::NoAccess:
        return JobFailure(JobStatus::ReadOnly, io.reason);
    case IoStatus::NotFound:
    case IoStatus::NotAFile:
        return JobFailure(JobStatus::CannotOpen, io.reason);
    default:
        return JobFailure(JobStatus::Failed, io.reason);
    }
}

// Opens the file at `path`, which must be there; a job opened to be
// written keeps a write-ahead log beside it.
JobResult OpenFile(const std::string& path, const JobOpenOptions& options, sqlite3*& db)
{
    const int opened = sqlite3_open_v2(path.c_str(), &db, OpenFlags, nullptr);
    JobResult result = SqliteResult(db, opened);
    if (result.ok()) {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, options.waitMilliseconds);
        result = CheckJobLayout(db, options.access == JobAccess::Write);
    }
    if (result.ok() && options.access == JobAccess::Write) {
        SqliteStatement wal(db, "PRAGMA journal_mode = WAL");
        wal.Step();
        result = wal.Result();
    }
    if (!result.ok()) {
        sqlite3_close(db);
        db = nullptr;
    }
    return result;
}

JobResult Run(SqliteStatement& statement)
{
    while (statement.Step()) {
    }
    return statement.Result();
}
} // namespace

SqliteJobStore::SqliteJobStore(sqlite3* db, std::string path, bool inMemory)
    : m_Db(db), m_Path(std::move(path)), m_InMemory(inMemory)
{
}

SqliteJobStore::~SqliteJobStore()
{
    sqlite3_close(m_Db);
}

JobResult SqliteJobStore::Open(const std::string& path, const JobOpenOptions& options,
                               std::unique_ptr<JobStore>& store)
{
    const PathTarget target = ExaminePath(path);
    if (!target.problem.ok())
        return JobResultOfIo(target.problem);
    if (target.type == PathTarget::Type::Missing)
        return JobFailure(JobStatus::NotFound, "");
    if (target.type != PathTarget::Type::Regular)
        return JobFailure(JobStatus::CannotOpen, NotAFileReason(target.type));
    sqlite3* db = nullptr;
    const JobResult opened = OpenFile(path, options, db);
    if (opened.ok())
        store.reset(new SqliteJobStore(db, path, false));
    return opened;
}

JobResult SqliteJobStore::Create(const std::string& path, std::unique_ptr<JobStore>& store)
{
    const PathTarget target = ExaminePath(path);
    if (!target.problem.ok())
        return JobResultOfIo(target.problem);
    if (target.type != PathTarget::Type::Missing)
        return JobFailure(JobStatus::Exists, "");
    sqlite3* db = nullptr;
    JobResult result = SqliteResult(db, sqlite3_open_v2(":memory:", &db, OpenFlags, nullptr));
    if (result.ok())
        result = LayOutNewJob(db);
    if (!result.ok()) {
        sqlite3_close(db);
        return result;
    }
    store.reset(new SqliteJobStore(db, path, true));
    return result;
}

JobResult SqliteJobStore::Publish()
{
    if (!m_InMemory)
        return {};
    sqlite3_int64 size = 0;
    unsigned char* image = sqlite3_serialize(m_Db, "main", &size, 0);
    if (image == nullptr)
        return JobFailure(JobStatus::Failed, "out of memory");
    const std::string bytes(reinterpret_cast<const char*>(image), static_cast<size_t>(size));
    sqlite3_free(image);
    // The staged file takes the name only where nothing is under it; the
    // commit refuses what appeared since staging.
    StagedFile staged;
    if (const WriteResult written = staged.Stage(m_Path, bytes, WriteRule::RegularOnly); !written.ok())
        return JobResultOfIo(written);
    if (ExaminePath(m_Path).type != PathTarget::Type::Missing) {
        staged.Discard();
        return JobFailure(JobStatus::Exists, "");
    }
    if (const WriteResult committed = staged.Commit(); !committed.ok())
        return JobResultOfIo(committed);
    sqlite3* file = nullptr;
    const JobResult opened = OpenFile(m_Path, {JobAccess::Write}, file);
    if (!opened.ok())
        return opened;
    sqlite3_close(m_Db);
    m_Db = file;
    m_InMemory = false;
    return {};
}

JobResult SqliteJobStore::BeginWrite()
{
    return SqliteExecute(m_Db, "BEGIN IMMEDIATE");
}

JobResult SqliteJobStore::Commit()
{
    const JobResult committed = SqliteExecute(m_Db, "COMMIT");
    if (!committed.ok())
        Rollback();
    return committed;
}

void SqliteJobStore::Rollback()
{
    if (sqlite3_get_autocommit(m_Db) == 0)
        SqliteExecute(m_Db, "ROLLBACK");
}

JobResult SqliteJobStore::BeginRead()
{
    m_ReadInWrite = sqlite3_get_autocommit(m_Db) == 0;
    if (m_ReadInWrite)
        return {};
    // Deferred: the read lock is taken by the first read and held to the end.
    return SqliteExecute(m_Db, "BEGIN");
}

void SqliteJobStore::EndRead()
{
    if (!m_ReadInWrite)
        Rollback();
}

JobResult SqliteJobStore::ReadSetting(const std::string& key, std::optional<std::string>& value)
{
    SqliteStatement read(m_Db, "SELECT value FROM settings WHERE key = ?1");
    read.BindText(1, key);
    value.reset();
    if (read.Step())
        value = std::string(read.Text(0));
    return read.Result();
}

JobResult
SqliteJobStore::ReadSettings(const std::function<void(const std::string& key, const std::string& value)>& row)
{
    SqliteStatement read(m_Db, "SELECT key, value FROM settings ORDER BY key");
    while (read.Step())
        row(std::string(read.Text(0)), std::string(read.Text(1)));
    return read.Result();
}

JobResult SqliteJobStore::WriteSetting(const std::string& key, const std::string& value)
{
    SqliteStatement write(m_Db, "INSERT INTO settings(key, value) VALUES(?1, ?2)"
                                " ON CONFLICT(key) DO UPDATE SET value = excluded.value");
    write.BindText(1, key).BindText(2, value);
    return Run(write);
}

JobResult SqliteJobStore::ReadNames(const std::function<void(int64_t id, std::string_view name)>& row)
{
    SqliteStatement read(m_Db, "SELECT id, name FROM names ORDER BY id");
    while (read.Step())
        row(read.Integer(0), read.Blob(1));
    return read.Result();
}

JobResult SqliteJobStore::AddName(std::string_view name, int64_t& id)
{
    SqliteStatement add(m_Db, "INSERT INTO names(name) VALUES(?1)");
    add.BindBlob(1, name.data(), name.size());
    const JobResult result = Run(add);
    id = sqlite3_last_insert_rowid(m_Db);
    return result;
}

JobResult SqliteJobStore::AddLimits(StoredLimits& limits)
{
    SqliteStatement add(m_Db, "INSERT INTO limits(set_at, limits) VALUES(?1, ?2)");
    add.BindText(1, limits.setAt).BindText(2, limits.text);
    const JobResult result = Run(add);
    limits.id = sqlite3_last_insert_rowid(m_Db);
    return result;
}

JobResult SqliteJobStore::ReadLimits(const RowReader<StoredLimits>& row)
{
    SqliteStatement read(m_Db, "SELECT id, set_at, limits FROM limits ORDER BY id");
    while (read.Step())
        row({read.Integer(0), std::string(read.Text(1)), std::string(read.Text(2))});
    return read.Result();
}

JobResult SqliteJobStore::ReplacePlan(const std::vector<PlannedFibre>& fibres)
{
    SqliteStatement clear(m_Db, "DELETE FROM plan");
    JobResult result = Run(clear);
    SqliteStatement add(m_Db, "INSERT INTO plan(position, cable, fiber) VALUES(?1, ?2, ?3)");
    for (size_t i = 0; i < fibres.size() && result.ok(); ++i) {
        add.Reset();
        add.Bind(1, static_cast<int64_t>(i + 1)).Bind(2, fibres[i].cable).Bind(3, fibres[i].fiber);
        result = Run(add);
    }
    return result;
}

JobResult SqliteJobStore::ReadPlan(const RowReader<PlannedFibre>& row)
{
    SqliteStatement read(m_Db, "SELECT cable, fiber FROM plan ORDER BY position");
    while (read.Step())
        row({read.Integer(0), read.Integer(1)});
    return read.Result();
}

namespace {
constexpr const char* FileColumns = "id, name, sha256, kind, imported_at, size, declared, records";

StoredFile FileOf(const SqliteStatement& row)
{
    return {row.Integer(0),
            std::string(row.Text(1)),
            std::string(row.Blob(2)),
            std::string(row.Text(3)),
            std::string(row.Text(4)),
            row.Integer(5),
            static_cast<int>(row.Integer(6)),
            static_cast<int>(row.Integer(7))};
}
} // namespace

JobResult SqliteJobStore::FindFile(const std::string& sha256, std::optional<StoredFile>& file)
{
    SqliteStatement find(m_Db,
                         (std::string("SELECT ") + FileColumns + " FROM files WHERE sha256 = ?1").c_str());
    find.BindBlob(1, sha256.data(), sha256.size());
    file.reset();
    if (find.Step())
        file = FileOf(find);
    return find.Result();
}

JobResult SqliteJobStore::AddFile(StoredFile& file, const std::vector<uint8_t>& bytes)
{
    SqliteStatement add(m_Db,
                        "INSERT INTO files(name, sha256, kind, imported_at, size, declared, records, bytes)"
                        " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    add.BindText(1, file.name)
        .BindBlob(2, file.sha256.data(), file.sha256.size())
        .BindText(3, file.kind)
        .BindText(4, file.importedAt)
        .Bind(5, file.size)
        .Bind(6, file.declared)
        .Bind(7, file.records)
        .BindBlob(8, bytes.data(), bytes.size());
    const JobResult result = Run(add);
    file.id = sqlite3_last_insert_rowid(m_Db);
    return result;
}

JobResult SqliteJobStore::ReadFiles(const RowReader<StoredFile>& row)
{
    // The bytes come last in a row, so listing the files never reads them.
    SqliteStatement read(m_Db, (std::string("SELECT ") + FileColumns + " FROM files ORDER BY id").c_str());
    while (read.Step())
        row(FileOf(read));
    return read.Result();
}

JobResult SqliteJobStore::ReadFileBytes(int64_t file, std::vector<uint8_t>& bytes)
{
    SqliteStatement read(m_Db, "SELECT bytes FROM files WHERE id = ?1");
    read.Bind(1, file);
    bytes.clear();
    if (!read.Step())
        return read.Result().ok() ? JobFailure(JobStatus::Damaged, "a record's file is missing")
                                  : read.Result();
    const std::string_view blob = read.Blob(0);
    bytes.assign(blob.begin(), blob.end());
    return {};
}

JobResult SqliteJobStore::AddRecords(const std::vector<StoredRecord>& records)
{
    SqliteStatement add(m_Db, "INSERT INTO records(file, number, cable, fiber, tested, fingerprint, verdict)"
                              " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    JobResult result;
    for (size_t i = 0; i < records.size() && result.ok(); ++i) {
        const StoredRecord& record = records[i];
        add.Reset();
        add.Bind(1, record.file)
            .Bind(2, record.number)
            .Bind(3, record.cable)
            .Bind(4, record.fiber)
            .BindText(5, record.tested)
            .Bind(6, record.fingerprint)
            .Bind(7, record.verdict);
        result = Run(add);
    }
    return result;
}

JobResult SqliteJobStore::ReadRecords(const RowReader<RecordRow>& row)
{
    SqliteStatement read(m_Db, "SELECT file, number, cable, fiber, tested, fingerprint, verdict FROM records"
                               " ORDER BY file, number");
    while (read.Step())
        row({read.Integer(0), static_cast<int32_t>(read.Integer(1)), read.Integer(2), read.Integer(3),
             read.Text(4), read.Integer(5), static_cast<int>(read.Integer(6))});
    return read.Result();
}

JobResult SqliteJobStore::SetVerdicts(const std::vector<VerdictUpdate>& updates)
{
    SqliteStatement set(m_Db, "UPDATE records SET verdict = ?3 WHERE file = ?1 AND number = ?2");
    JobResult result;
    for (size_t i = 0; i < updates.size() && result.ok(); ++i) {
        set.Reset();
        set.Bind(1, updates[i].file).Bind(2, updates[i].number).Bind(3, updates[i].verdict);
        result = Run(set);
    }
    return result;
}

JobResult SqliteJobStore::AddCorrection(StoredCorrection& correction)
{
    SqliteStatement add(
        m_Db, "INSERT INTO corrections(made_at, file, number, kind, name) VALUES(?1, ?2, ?3, ?4, ?5)");
    add.BindText(1, correction.madeAt)
        .Bind(2, correction.file)
        .Bind(3, correction.number)
        .BindText(4, CorrectionWord(correction.kind));
    if (correction.kind == CorrectionKind::Choice)
        add.BindNull(5);
    else
        add.Bind(5, correction.name);
    const JobResult result = Run(add);
    correction.id = sqlite3_last_insert_rowid(m_Db);
    return result;
}

JobResult SqliteJobStore::ReadCorrections(const RowReader<StoredCorrection>& row)
{
    SqliteStatement read(m_Db, "SELECT id, made_at, file, number, kind, name FROM corrections ORDER BY id");
    while (read.Step())
        row({read.Integer(0), std::string(read.Text(1)), read.Integer(2),
             static_cast<int32_t>(read.Integer(3)), CorrectionKindOf(read.Text(4)), read.Integer(5)});
    return read.Result();
}

JobResult SqliteJobStore::AddAudit(AuditEntry& entry)
{
    SqliteStatement add(m_Db, "INSERT INTO audit(at, action, detail) VALUES(?1, ?2, ?3)");
    add.BindText(1, entry.at).BindText(2, entry.action).BindText(3, entry.detail);
    const JobResult result = Run(add);
    entry.id = sqlite3_last_insert_rowid(m_Db);
    return result;
}

JobResult SqliteJobStore::ReadAudit(const RowReader<AuditEntry>& row)
{
    SqliteStatement read(m_Db, "SELECT id, at, action, detail FROM audit ORDER BY id");
    while (read.Step())
        row({read.Integer(0), std::string(read.Text(1)), std::string(read.Text(2)),
             std::string(read.Text(3))});
    return read.Result();
}
