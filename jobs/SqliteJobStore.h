#pragma once

#include "jobs/JobStore.h"

#include <memory>
#include <string>

struct sqlite3;

// A job as one SQLite file (NAME.kavjob): written in WAL mode, each change a
// transaction, the layout versioned by PRAGMA user_version and walked
// forward step by step. A file that is no job of ours, a damaged one and one
// of a newer layout are refused before anything is written to them.
class SqliteJobStore : public JobStore
{
public:
    ~SqliteJobStore() override;
    SqliteJobStore(const SqliteJobStore&) = delete;
    SqliteJobStore& operator=(const SqliteJobStore&) = delete;

    // The job in the file at `path`; opened for writing it is checked whole
    // first (PRAGMA quick_check).
    static JobResult Open(const std::string& path, const JobOpenOptions& options,
                          std::unique_ptr<JobStore>& store);
    // A new job, built in memory until Publish writes it to `path` whole;
    // Exists when something is under that name.
    static JobResult Create(const std::string& path, std::unique_ptr<JobStore>& store);

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
    SqliteJobStore(sqlite3* db, std::string path, bool inMemory);

    sqlite3* m_Db;
    std::string m_Path;
    bool m_InMemory;            // a job being made, until Publish
    bool m_ReadInWrite = false; // the present read is part of a write
};
