#include "jobs/JobCopy.h"

#include "jobs/JobStores.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {
using IdMap = std::map<int64_t, int64_t>;

// Every row of the source, read in one snapshot, written in one transaction
// of the target with the target's own ids.
class JobCopier
{
public:
    JobCopier(JobStore& from, JobStore& to) : m_From(from), m_To(to) {}

    JobResult Run()
    {
        JobResult result = CopySettings();
        if (result.ok())
            result = CopyNames();
        if (result.ok())
            result = CopyLimits();
        if (result.ok())
            result = CopyPlan();
        if (result.ok())
            result = CopyFiles();
        if (result.ok())
            result = CopyRecords();
        if (result.ok())
            result = CopyCorrections();
        if (result.ok())
            result = CopyAudit();
        return result;
    }

private:
    JobResult CopySettings()
    {
        std::vector<std::pair<std::string, std::string>> settings;
        JobResult result = m_From.ReadSettings([&settings](const std::string& key, const std::string& value) {
            settings.emplace_back(key, value);
        });
        for (size_t i = 0; i < settings.size() && result.ok(); ++i)
            result = m_To.WriteSetting(settings[i].first, settings[i].second);
        return result;
    }

    JobResult CopyNames()
    {
        std::vector<std::pair<int64_t, std::string>> names;
        JobResult result =
            m_From.ReadNames([&names](int64_t id, std::string_view name) { names.emplace_back(id, name); });
        for (size_t i = 0; i < names.size() && result.ok(); ++i)
            result = m_To.AddName(names[i].second, m_Names[names[i].first]);
        return result;
    }

    JobResult CopyLimits()
    {
        std::vector<StoredLimits> log;
        JobResult result = m_From.ReadLimits([&log](const StoredLimits& limits) { log.push_back(limits); });
        for (size_t i = 0; i < log.size() && result.ok(); ++i)
            result = m_To.AddLimits(log[i]);
        return result;
    }

    JobResult CopyPlan()
    {
        std::vector<PlannedFibre> plan;
        JobResult result = m_From.ReadPlan([this, &plan](const PlannedFibre& fibre) {
            plan.push_back({m_Names[fibre.cable], m_Names[fibre.fiber]});
        });
        return result.ok() ? m_To.ReplacePlan(plan) : result;
    }

    JobResult CopyFiles()
    {
        std::vector<StoredFile> files;
        JobResult result = m_From.ReadFiles([&files](const StoredFile& file) { files.push_back(file); });
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i < files.size() && result.ok(); ++i) {
            const int64_t id = files[i].id;
            result = m_From.ReadFileBytes(id, bytes);
            if (result.ok())
                result = m_To.AddFile(files[i], bytes);
            m_Files[id] = files[i].id;
        }
        return result;
    }

    JobResult CopyRecords()
    {
        std::vector<StoredRecord> records;
        const JobResult result = m_From.ReadRecords([this, &records](const RecordRow& row) {
            records.push_back({m_Files[row.file], row.number, m_Names[row.cable], m_Names[row.fiber],
                               std::string(row.tested), row.fingerprint, row.verdict});
        });
        return result.ok() ? m_To.AddRecords(records) : result;
    }

    JobResult CopyCorrections()
    {
        std::vector<StoredCorrection> corrections;
        JobResult result = m_From.ReadCorrections(
            [&corrections](const StoredCorrection& correction) { corrections.push_back(correction); });
        for (size_t i = 0; i < corrections.size() && result.ok(); ++i) {
            StoredCorrection& correction = corrections[i];
            correction.file = m_Files[correction.file];
            if (correction.kind != CorrectionKind::Choice)
                correction.name = m_Names[correction.name];
            result = m_To.AddCorrection(correction);
        }
        return result;
    }

    JobResult CopyAudit()
    {
        std::vector<AuditEntry> audit;
        JobResult result = m_From.ReadAudit([&audit](const AuditEntry& entry) { audit.push_back(entry); });
        for (size_t i = 0; i < audit.size() && result.ok(); ++i)
            result = m_To.AddAudit(audit[i]);
        return result;
    }

    JobStore& m_From;
    JobStore& m_To;
    IdMap m_Names, m_Files;
};
} // namespace

JobResult CopyJob(const std::string& from, const std::string& to)
{
    std::unique_ptr<JobStore> source, target;
    JobResult result = OpenJobStore(from, {JobAccess::Read}, source);
    if (result.ok())
        result = CreateJobStore(to, target);
    if (!result.ok())
        return result;
    if (result = source->BeginRead(); !result.ok())
        return result;
    result = target->BeginWrite();
    if (result.ok())
        result = JobCopier(*source, *target).Run();
    if (result.ok())
        result = target->Commit();
    else
        target->Rollback();
    source->EndRead();
    return result.ok() ? target->Publish() : result;
}
