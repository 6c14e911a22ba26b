#pragma once

#include "jobs/JobResult.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where a job's content is kept: one interface, an implementation per
// engine (an SQLite file; a database server). Only the stores hold SQL; the
// job's logic above them (Job, JobState) is written once. A store keeps
// what it is given and hands it back in the order given here, which never
// depends on how an engine compares text: rows come back by their integer
// ids, so every engine gives the same job the same outputs.
//
// Ids are the store's own: they grow with every row added, but need not
// follow each other without gaps. Times are UTC texts as JobTimeText
// writes them. Names are UTF-8 and compared byte for byte.

// The content's layout: every store keeps this version and refuses a job
// with a newer one.
constexpr int JobSchemaVersion = 1;

// One imported file, without its bytes.
struct StoredFile
{
    int64_t id = 0;
    std::string name;       // as imported, without its folder (UTF-8)
    std::string sha256;     // the 32 bytes of the hash of its bytes
    std::string kind;       // "opm", "kav", "orl" or "trace": the records it holds
    std::string importedAt; // when its import finished
    int64_t size = 0;       // bytes
    int declared = 0;       // records its header declares (a result file), or held (a document)
    int records = 0;        // records held whole, which alone are imported
    // Who imported it: the server's role for a team job; a job file keeps
    // no user, as anyone with the file could write any name in it.
    std::string importedBy = {};
};

// One loss-test record, keyed by where it is in its file. Its values stay in
// the file's bytes; these are the columns a job is worked out from.
struct StoredRecord
{
    int64_t file = 0;
    int32_t number = 0; // its place in the file, from 0
    int64_t cable = 0;  // name ids, as imported
    int64_t fiber = 0;
    std::string tested;      // "YYYY-MM-DD hh:mm:ss", the record's date and time
    int64_t fingerprint = 0; // equal for records of equal values
    int verdict = 0;         // a JobVerdict code under the job's verdict basis
};

// The same, handed to a reader: the text is valid during the call only.
struct RecordRow
{
    int64_t file;
    int32_t number;
    int64_t cable, fiber;
    std::string_view tested;
    int64_t fingerprint;
    int verdict;
};

struct VerdictUpdate
{
    int64_t file;
    int32_t number;
    int verdict;
};

enum class CorrectionKind
{
    Cable,  // the record's cable is called `name`
    Fiber,  // the record's fiber is called `name`
    Choice, // of the records of one fibre tested at one time with different values, this one holds
};

// The word a store keeps for a kind of correction, and back (Choice for
// any other word).
const char* CorrectionWord(CorrectionKind kind);
CorrectionKind CorrectionKindOf(std::string_view word);

// A correction made beside a record, never in it.
struct StoredCorrection
{
    int64_t id = 0;
    std::string madeAt;
    int64_t file = 0;
    int32_t number = 0;
    CorrectionKind kind = CorrectionKind::Cable;
    int64_t name = 0; // the name id for Cable and Fiber
};

struct StoredLimits
{
    int64_t id = 0;
    std::string setAt;
    std::string text; // the .kavlimits content
};

struct PlannedFibre
{
    int64_t cable = 0, fiber = 0; // name ids
};

struct AuditEntry
{
    int64_t id = 0;
    std::string at;
    std::string action; // "create", "import", "plan", "rename", "choose", "limits", "header"
    std::string detail; // what, in plain English
};

template <typename Row> using RowReader = std::function<void(const Row&)>;

class JobStore
{
public:
    virtual ~JobStore() = default;

    // A write transaction: what is written between BeginWrite and Commit
    // lands together or not at all. Busy when another program writes.
    virtual JobResult BeginWrite() = 0;
    virtual JobResult Commit() = 0;
    virtual void Rollback() = 0;
    // Reads between BeginRead and EndRead see one state of the job; inside
    // a write they see the write's, and the two do nothing.
    virtual JobResult BeginRead() = 0;
    virtual void EndRead() = 0;
    // A job being made appears under its name, whole; until then nobody
    // else sees it. Nothing to do for a job that exists.
    virtual JobResult Publish() = 0;

    // Small values of the job by key ("header", "verdicts").
    virtual JobResult ReadSetting(const std::string& key, std::optional<std::string>& value) = 0;
    // Every setting, by key.
    virtual JobResult
    ReadSettings(const std::function<void(const std::string& key, const std::string& value)>& row) = 0;
    virtual JobResult WriteSetting(const std::string& key, const std::string& value) = 0;

    virtual JobResult ReadNames(const std::function<void(int64_t id, std::string_view name)>& row) = 0;
    // A name the store does not hold yet.
    virtual JobResult AddName(std::string_view name, int64_t& id) = 0;

    // The limits in the order they were set; the last holds.
    virtual JobResult AddLimits(StoredLimits& limits) = 0;
    virtual JobResult ReadLimits(const RowReader<StoredLimits>& row) = 0;

    // The plan in its order.
    virtual JobResult ReplacePlan(const std::vector<PlannedFibre>& fibres) = 0;
    virtual JobResult ReadPlan(const RowReader<PlannedFibre>& row) = 0;

    virtual JobResult FindFile(const std::string& sha256, std::optional<StoredFile>& file) = 0;
    // Sets file.id.
    virtual JobResult AddFile(StoredFile& file, const std::vector<uint8_t>& bytes) = 0;
    virtual JobResult ReadFiles(const RowReader<StoredFile>& row) = 0;
    virtual JobResult ReadFileBytes(int64_t file, std::vector<uint8_t>& bytes) = 0;

    virtual JobResult AddRecords(const std::vector<StoredRecord>& records) = 0;
    // By file, then number.
    virtual JobResult ReadRecords(const RowReader<RecordRow>& row) = 0;
    virtual JobResult SetVerdicts(const std::vector<VerdictUpdate>& updates) = 0;

    // Sets correction.id.
    virtual JobResult AddCorrection(StoredCorrection& correction) = 0;
    virtual JobResult ReadCorrections(const RowReader<StoredCorrection>& row) = 0;

    virtual JobResult AddAudit(AuditEntry& entry) = 0;
    virtual JobResult ReadAudit(const RowReader<AuditEntry>& row) = 0;
};

enum class JobAccess
{
    Read,
    Write
};

struct JobOpenOptions
{
    JobAccess access = JobAccess::Read;
    // How long a write waits for another program's write to end before it
    // is Busy.
    int waitMilliseconds = 5000;
    // A team job's password where the user typed it: given to the
    // connection only, never kept. Empty: the connection string's, or the
    // password file's.
    std::string password = {};
};
