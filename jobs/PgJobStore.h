#pragma once

#include "jobs/JobStore.h"
#include "jobs/PgConnection.h"
#include "jobs/PgJobLocation.h"

#include <memory>
#include <string>

// A team job on a PostgreSQL server: the rows of one job among the jobs of
// the server's `kav` schema. Writes are serializable transactions, and the
// writers of one job take turns (an advisory lock held from before the
// transaction's snapshot to its end), so that each sees the others' work
// and numbers its rows after theirs; a write the server undoes all the same
// is Contended, to be done again. Reads see one snapshot, and never wait.
class PgJobStore : public JobStore
{
public:
    ~PgJobStore() override;
    PgJobStore(const PgJobStore&) = delete;
    PgJobStore& operator=(const PgJobStore&) = delete;

    // Opened to be written, a job is refused (ReadOnly) to a role that may
    // only read.
    static JobResult Open(const PgJobLocation& location, const JobOpenOptions& options,
                          std::unique_ptr<JobStore>& store);
    // A new job, which appears on the server with its first write; Exists
    // when the server has a job of that name.
    static JobResult Create(const PgJobLocation& location, std::unique_ptr<JobStore>& store);

    JobResult BeginWrite() override;
    JobResult Commit() override;
    void Rollback() override;
    JobResult BeginRead() override;
    void EndRead() override;
    JobResult Publish() override;

    JobResult ReadSetting(const std::string& key, std::optional<std::string>& value) override;
    JobResult
    ReadSettings(const std::function<void(const std::string& key, const std::string& value)>& row) override;
    JobResult WriteSetting(const std::string& key, const std::string& value) override;
    JobResult ReadNames(const std::function<void(int64_t id, std::string_view name)>& row) override;
    JobResult AddName(std::string_view name, int64_t& id) override;
    JobResult AddLimits(StoredLimits& limits) override;
    JobResult ReadLimits(const RowReader<StoredLimits>& row) override;
    JobResult ReplacePlan(const std::vector<PlannedFibre>& fibres) override;
    JobResult ReadPlan(const RowReader<PlannedFibre>& row) override;
    JobResult FindFile(const std::string& sha256, std::optional<StoredFile>& file) override;
    JobResult AddFile(StoredFile& file, const std::vector<uint8_t>& bytes) override;
    JobResult ReadFiles(const RowReader<StoredFile>& row) override;
    JobResult ReadFileBytes(int64_t file, std::vector<uint8_t>& bytes) override;
    JobResult AddRecords(const std::vector<StoredRecord>& records) override;
    JobResult ReadRecords(const RowReader<RecordRow>& row) override;
    JobResult SetVerdicts(const std::vector<VerdictUpdate>& updates) override;
    JobResult AddCorrection(StoredCorrection& correction) override;
    JobResult ReadCorrections(const RowReader<StoredCorrection>& row) override;
    JobResult AddAudit(AuditEntry& entry) override;
    JobResult ReadAudit(const RowReader<AuditEntry>& row) override;

private:
    PgJobStore(std::unique_ptr<PgConnection> db, std::string name, int64_t id);

    // Adds a row numbered after the job's last in `table`; `id` is its number.
    JobResult AddNumbered(const std::string& table, const std::string& columns,
                          const std::vector<PgValue>& values, int64_t& id);
    void EndTurn();

    std::unique_ptr<PgConnection> m_Db;
    std::string m_Name;
    int64_t m_Id;               // 0 for a job not on the server yet
    bool m_HasTurn = false;     // holds the job's writers' lock
    bool m_ReadInWrite = false; // the present read is part of a write
};
