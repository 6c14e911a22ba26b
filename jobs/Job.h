#pragma once

#include "data/FileLoading.h"
#include "data/InfoFields.h"
#include "data/TestLimits.h"
#include "jobs/JobPlan.h"
#include "jobs/JobState.h"
#include "jobs/JobStore.h"
#include "jobs/JobTime.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A job: many result files, one plan, one handover. Everything a job does is
// written here once, on a JobStore, whatever engine keeps it. Nothing
// imported is ever changed: a file's bytes and its records stay as they
// came, and a rename or a choice is a correction beside them, with its time
// in the audit log.

struct JobSetup
{
    TestLimits limits; // the instrument's thresholds unless given
    InfoFields header;
    std::optional<JobPlan> plan;
};

enum class ImportOutcome
{
    Imported,
    AlreadyInJob, // the same bytes were imported before: nothing changed
    Refused,      // not read, or not a file the program reads
};

struct ImportReport
{
    std::string path;
    ImportOutcome outcome = ImportOutcome::Refused;
    LoadOutcome load; // what loading said: the kind, a refusal, a file cut short
    StoredFile file;  // the file in the job: imported now, or before with the same bytes
};

// Told before each file, and once more in the middle of writing it (after
// its bytes, before its records): the file's index and the count. False
// stops the import.
struct ImportStep
{
    size_t file, files;
    bool writing;
};
using ImportProgress = std::function<bool(const ImportStep& step)>;

enum class ImportScope
{
    EachFile, // each file lands on its own: a stop keeps the files done before
    Whole,    // all files land together: a stop leaves the job as it was
};

struct RenameRequest
{
    std::string cable, newCable;
    // Only the records of this fiber of the cable, which then also take
    // the new fiber name.
    std::optional<std::string> fiber, newFiber;
};

class Job
{
public:
    ~Job();
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    // `location` is a job file's path.
    static JobResult Create(const std::string& location, const JobSetup& setup, std::unique_ptr<Job>& job,
                            JobClock clock = SystemClock());
    static JobResult Open(const std::string& location, const JobOpenOptions& options,
                          std::unique_ptr<Job>& job, JobClock clock = SystemClock());

    // One report per path, in order, also for a stop: the files not reached
    // are not reported. Not ok only for a failure of the job itself
    // (Cancelled for a stop).
    JobResult Import(const std::vector<std::string>& paths, std::vector<ImportReport>& reports,
                     const ImportProgress& progress = {}, ImportScope scope = ImportScope::EachFile);
    JobResult SetPlan(const JobPlan& plan);
    // `renamed`: the records that took the new names.
    JobResult Rename(const RenameRequest& request, size_t& renamed);
    // Ends a conflict: `record` (a RecordReference) holds for its fibre.
    JobResult Choose(const std::string& cable, const std::string& fiber, const std::string& record);
    JobResult SetLimits(const TestLimits& limits);
    JobResult SetHeader(const InfoFields& header);

    JobResult Read(JobState& state);
    JobResult ReadLimits(TestLimits& limits);
    JobResult ReadLimitLog(std::vector<StoredLimits>& log);
    JobResult ReadHeader(InfoFields& header);
    JobResult ReadAudit(std::vector<AuditEntry>& audit);

    JobStore& Store() { return *m_Store; }

private:
    Job(std::unique_ptr<JobStore> store, JobClock clock);

    std::string Now() const;
    JobResult Audit(const std::string& action, const std::string& detail);
    // The name's id, added when the store lacks it (in a write).
    JobResult NameId(const std::string& name, int64_t& id);
    JobResult WritePlan(const JobPlan& plan);
    JobResult WriteLimits(const TestLimits& limits, int64_t& id);
    JobResult ImportOne(const std::string& path, ImportReport& report, const ImportProgress& progress,
                        size_t index, size_t count, bool ownWrite);
    // The verdicts of the given files' records (every file when empty)
    // worked out anew against the job's limit and names.
    JobResult Recertify(const std::vector<int64_t>& files, std::vector<VerdictUpdate>& updates);
    // Writes them, with the basis they hold for.
    JobResult StoreVerdicts(const std::vector<VerdictUpdate>& updates, int64_t limitsId);
    // Brings stale verdicts up to date, or keeps them aside where the job
    // cannot be written.
    JobResult RefreshVerdicts();

    std::unique_ptr<JobStore> m_Store;
    JobClock m_Clock;
    JobAccess m_Access = JobAccess::Write;
    // Verdicts worked out anew for a job opened to be read, whose kept ones
    // are out of date.
    VerdictOverrides m_Overrides;
};
