#include "jobs/Job.h"

#include "data/HeaderFile.h"
#include "data/LimitFile.h"
#include "data/LossTestRules.h"
#include "data/RecordKinds.h"
#include "jobs/JobStores.h"
#include "jobs/RecordKeys.h"
#include "jobs/Sha256.h"
#include "jobs/StoredFiles.h"
#include "platform/files/QuotedName.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>
#include <thread>
#include <unordered_map>
#include <utility>

namespace {
constexpr const char* HeaderKey = "header";
// How often a file's import is tried when the server undoes it for crossing
// another's.
constexpr int ImportAttempts = 5;
// What the kept verdicts were worked out against: the rules and the limit.
constexpr const char* VerdictBasisKey = "verdicts";

std::string VerdictBasis(int64_t limitsId)
{
    return "rules " + std::to_string(CertificationRules) + ", limits " + std::to_string(limitsId);
}

// A write that is undone unless committed.
class WriteTransaction
{
public:
    explicit WriteTransaction(JobStore& store) : m_Store(store), m_Begun(store.BeginWrite()) {}
    ~WriteTransaction()
    {
        if (m_Begun.ok() && !m_Ended)
            m_Store.Rollback();
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    const JobResult& Begun() const { return m_Begun; }
    JobResult Commit()
    {
        m_Ended = true;
        return m_Store.Commit();
    }

private:
    JobStore& m_Store;
    JobResult m_Begun;
    bool m_Ended = false;
};

// The job's names during one write: read once, added as they come.
class NameBook
{
public:
    explicit NameBook(JobStore& store) : m_Store(store) {}

    JobResult Id(const std::string& name, int64_t& id)
    {
        if (!m_Read) {
            m_Read = true;
            if (JobResult read = m_Store.ReadNames(
                    [this](int64_t known, std::string_view text) { m_Ids.emplace(text, known); });
                !read.ok())
                return read;
        }
        if (const auto found = m_Ids.find(name); found != m_Ids.end()) {
            id = found->second;
            return {};
        }
        const JobResult added = m_Store.AddName(name, id);
        if (added.ok())
            m_Ids.emplace(name, id);
        return added;
    }

private:
    JobStore& m_Store;
    bool m_Read = false;
    std::unordered_map<std::string, int64_t> m_Ids;
};

std::string FileNameOf(const std::string& path)
{
    return std::filesystem::u8path(path).filename().u8string();
}

int64_t LastLimitsId(const std::vector<StoredLimits>& log)
{
    return log.empty() ? 0 : log.back().id;
}
} // namespace

Job::Job(std::unique_ptr<JobStore> store, JobClock clock)
    : m_Store(std::move(store)), m_Clock(std::move(clock))
{
}

Job::~Job() = default;

std::string Job::Now() const
{
    return JobTimeText(m_Clock());
}

JobResult Job::Audit(const std::string& action, const std::string& detail)
{
    AuditEntry entry{0, Now(), action, detail};
    return m_Store->AddAudit(entry);
}

JobResult Job::Create(const std::string& location, const JobSetup& setup, std::unique_ptr<Job>& job,
                      JobClock clock)
{
    std::unique_ptr<JobStore> store;
    if (JobResult created = CreateJobStore(location, store); !created.ok())
        return created;
    std::unique_ptr<Job> made(new Job(std::move(store), std::move(clock)));
    {
        WriteTransaction write(*made->m_Store);
        if (!write.Begun().ok())
            return write.Begun();
        int64_t limitsId = 0;
        JobResult result = made->Audit("create", "job created");
        if (result.ok())
            result = made->WriteLimits(setup.limits, limitsId);
        if (result.ok())
            result = made->StoreVerdicts({}, limitsId);
        if (result.ok())
            result = made->m_Store->WriteSetting(HeaderKey, HeaderFileBytes(setup.header));
        if (result.ok() && setup.plan)
            result = made->WritePlan(*setup.plan);
        if (result.ok())
            result = write.Commit();
        if (!result.ok())
            return result;
    }
    if (JobResult published = made->m_Store->Publish(); !published.ok())
        return published;
    job = std::move(made);
    return {};
}

JobResult Job::Open(const std::string& location, const JobOpenOptions& options, std::unique_ptr<Job>& job,
                    JobClock clock)
{
    std::unique_ptr<JobStore> store;
    if (JobResult opened = OpenJobStore(location, options, store); !opened.ok())
        return opened;
    std::unique_ptr<Job> made(new Job(std::move(store), std::move(clock)));
    made->m_Access = options.access;
    if (JobResult refreshed = made->RefreshVerdicts(); !refreshed.ok())
        return refreshed;
    job = std::move(made);
    return {};
}

JobResult Job::RefreshVerdicts()
{
    std::optional<std::string> basis;
    std::vector<StoredLimits> log;
    JobResult result = m_Store->ReadSetting(VerdictBasisKey, basis);
    if (result.ok())
        result = m_Store->ReadLimits([&log](const StoredLimits& limits) { log.push_back(limits); });
    if (!result.ok() || basis == VerdictBasis(LastLimitsId(log)))
        return result;
    // Certification changed since the verdicts were kept: a job opened to be
    // read is only read, so they are kept aside.
    if (m_Access == JobAccess::Read) {
        std::vector<VerdictUpdate> updates;
        result = Recertify({}, updates);
        for (const VerdictUpdate& update : updates)
            m_Overrides[{update.file, update.number}] = *JobVerdictOfCode(update.verdict);
        return result;
    }
    WriteTransaction write(*m_Store);
    if (!write.Begun().ok())
        return write.Begun();
    std::vector<VerdictUpdate> updates;
    result = Recertify({}, updates);
    if (result.ok())
        result = StoreVerdicts(updates, LastLimitsId(log));
    return result.ok() ? write.Commit() : result;
}

JobResult Job::Recertify(const std::vector<int64_t>& files, std::vector<VerdictUpdate>& updates)
{
    TestLimits limits;
    JobState state;
    JobResult result = ReadLimits(limits);
    if (result.ok())
        result = JobState::Read(*m_Store, state, m_Overrides);
    if (!result.ok())
        return result;
    const std::vector<JobRecord>& records = state.Records();
    auto next = records.begin();
    for (uint32_t f = 0; f < state.Files().size(); ++f) {
        const StoredFile& file = state.Files()[f];
        const auto first = next;
        while (next != records.end() && next->file == f)
            ++next;
        if (first == next ||
            (!files.empty() && std::find(files.begin(), files.end(), file.id) == files.end()))
            continue;
        CDataStore store;
        if (result = LoadJobFile(*m_Store, file, store); !result.ok())
            return result;
        std::vector<RecordNaming> namings;
        for (auto r = first; r != next; ++r)
            if (r->Renamed())
                namings.push_back(
                    {r->number,
                     r->cable != r->importedCable ? std::optional(state.Name(r->cable)) : std::nullopt,
                     r->fiber != r->importedFiber ? std::optional(state.Name(r->fiber)) : std::nullopt});
        if (result = NameRecords(store, namings); !result.ok())
            return result;
        const std::vector<RecordCertification> certified = CertifyRecords(store, limits);
        for (auto r = first; r != next; ++r) {
            const JobVerdict verdict = certified[static_cast<size_t>(r->number)].verdict;
            if (verdict != r->verdict)
                updates.push_back({file.id, r->number, static_cast<int>(verdict)});
        }
    }
    return {};
}

JobResult Job::StoreVerdicts(const std::vector<VerdictUpdate>& updates, int64_t limitsId)
{
    JobResult result = m_Store->SetVerdicts(updates);
    if (result.ok())
        result = m_Store->WriteSetting(VerdictBasisKey, VerdictBasis(limitsId));
    return result;
}

JobResult Job::WriteLimits(const TestLimits& limits, int64_t& id)
{
    StoredLimits stored{0, Now(), LimitFileBytes(limits)};
    const JobResult result = m_Store->AddLimits(stored);
    id = stored.id;
    return result;
}

JobResult Job::WritePlan(const JobPlan& plan)
{
    NameBook names(*m_Store);
    std::vector<PlannedFibre> fibres;
    std::set<std::pair<int64_t, int64_t>> seen;
    for (const PlanFibre& fibre : plan.fibres) {
        PlannedFibre planned;
        JobResult result = names.Id(fibre.cable, planned.cable);
        if (result.ok())
            result = names.Id(fibre.fiber, planned.fiber);
        if (!result.ok())
            return result;
        if (seen.insert({planned.cable, planned.fiber}).second)
            fibres.push_back(planned);
    }
    JobResult result = m_Store->ReplacePlan(fibres);
    if (result.ok())
        result = Audit("plan", "plan of " + std::to_string(fibres.size()) + " fibres from " + plan.source);
    return result;
}

JobResult Job::SetPlan(const JobPlan& plan)
{
    WriteTransaction write(*m_Store);
    if (!write.Begun().ok())
        return write.Begun();
    const JobResult result = WritePlan(plan);
    return result.ok() ? write.Commit() : result;
}

JobResult Job::SetLimits(const TestLimits& limits)
{
    WriteTransaction write(*m_Store);
    if (!write.Begun().ok())
        return write.Begun();
    int64_t id = 0;
    std::vector<VerdictUpdate> updates;
    JobResult result = WriteLimits(limits, id);
    if (result.ok())
        result = Recertify({}, updates);
    if (result.ok())
        result = StoreVerdicts(updates, id);
    if (result.ok())
        result = Audit("limits", "limit set: " + LimitName(limits) + " (" + std::to_string(updates.size()) +
                                     " verdicts changed)");
    return result.ok() ? write.Commit() : result;
}

JobResult Job::SetHeader(const InfoFields& header)
{
    WriteTransaction write(*m_Store);
    if (!write.Begun().ok())
        return write.Begun();
    JobResult result = m_Store->WriteSetting(HeaderKey, HeaderFileBytes(header));
    if (result.ok())
        result = Audit("header", "report header changed");
    return result.ok() ? write.Commit() : result;
}

JobResult Job::Import(const std::vector<std::string>& paths, std::vector<ImportReport>& reports,
                      const ImportProgress& progress, ImportScope scope)
{
    reports.clear();
    std::optional<WriteTransaction> whole;
    if (scope == ImportScope::Whole) {
        whole.emplace(*m_Store);
        if (!whole->Begun().ok())
            return whole->Begun();
    }
    for (size_t i = 0; i < paths.size(); ++i) {
        if (progress && !progress({i, paths.size(), false}))
            return JobFailure(JobStatus::Cancelled, "");
        ImportReport report;
        report.path = paths[i];
        JobResult imported = ImportOne(paths[i], report, progress, i, paths.size(), !whole);
        // A file's write that crossed another computer's is done again, once
        // the other has landed: it may find the file there then.
        for (int attempt = 1; imported.status == JobStatus::Contended && !whole && attempt < ImportAttempts;
             ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(attempt * 20));
            report = ImportReport{};
            report.path = paths[i];
            imported = ImportOne(paths[i], report, progress, i, paths.size(), true);
        }
        if (!imported.ok())
            return imported;
        reports.push_back(std::move(report));
    }
    return whole ? whole->Commit() : JobResult{};
}

JobResult Job::ImportOne(const std::string& path, ImportReport& report, const ImportProgress& progress,
                         size_t index, size_t count, bool ownWrite)
{
    const RecognizedFile recognized = RecognizeFile(path);
    CDataStore loaded;
    report.load = LoadRecognizedFile(recognized, loaded);
    if (report.load.result != DecodeResult::Ok) {
        report.outcome = ImportOutcome::Refused;
        return {};
    }
    const std::vector<uint8_t>& bytes = recognized.bytes;
    const std::array<uint8_t, 32> hash = Sha256::Of(bytes.data(), bytes.size());
    const RecordKindData& kind = DataOf(RecordKindOf(recognized.kind));
    StoredFile& file = report.file;
    // Shown and kept as text: a name that is not UTF-8 is read as record names are.
    file.name = JobNameOf(FileNameOf(path));
    file.sha256.assign(hash.begin(), hash.end());
    file.kind = kind.name;
    file.size = static_cast<int64_t>(bytes.size());
    file.records = static_cast<int>(kind.recordCount(loaded));
    file.declared = IsDocument(recognized.kind) ? file.records : report.load.records.declared;

    std::optional<WriteTransaction> write;
    if (ownWrite) {
        write.emplace(*m_Store);
        if (!write->Begun().ok())
            return write->Begun();
    }
    std::optional<StoredFile> earlier;
    if (JobResult found = m_Store->FindFile(file.sha256, earlier); !found.ok())
        return found;
    if (earlier) {
        file = *earlier;
        report.outcome = ImportOutcome::AlreadyInJob;
        return {};
    }
    file.importedAt = Now();
    TestLimits limits;
    JobResult result = ReadLimits(limits);
    if (result.ok())
        result = m_Store->AddFile(file, bytes);
    if (result.ok() && progress && !progress({index, count, true}))
        result = JobFailure(JobStatus::Cancelled, "");
    if (result.ok() && kind.kind == RecordKind::Kav) {
        const std::vector<RecordCertification> certified = CertifyRecords(loaded, limits);
        NameBook names(*m_Store);
        std::vector<StoredRecord> records(certified.size());
        for (size_t k = 0; k < records.size() && result.ok(); ++k) {
            const KavRecordView view = KavRecordAt(loaded, k);
            StoredRecord& record = records[k];
            record.file = file.id;
            record.number = static_cast<int32_t>(k);
            result = names.Id(JobNameOf(CableOf(view)), record.cable);
            if (result.ok())
                result = names.Id(JobNameOf(FiberOf(view)), record.fiber);
            record.tested = TestedText(view);
            record.fingerprint = FingerprintOf(view);
            record.verdict = static_cast<int>(certified[k].verdict);
        }
        if (result.ok())
            result = m_Store->AddRecords(records);
    }
    if (result.ok())
        result = Audit("import", "imported " + QuotedName(file.name) + " (" + file.kind + ", " +
                                     std::to_string(file.records) + " records, SHA-256 " +
                                     HexText(hash.data(), hash.size()) + ")");
    if (result.ok() && write)
        result = write->Commit();
    if (result.ok())
        report.outcome = ImportOutcome::Imported;
    return result;
}

JobResult Job::Rename(const RenameRequest& request, size_t& renamed)
{
    renamed = 0;
    WriteTransaction write(*m_Store);
    if (!write.Begun().ok())
        return write.Begun();
    JobState state;
    if (JobResult read = JobState::Read(*m_Store, state, m_Overrides); !read.ok())
        return read;
    const std::optional<uint32_t> cable = state.FindName(request.cable);
    const std::optional<uint32_t> fiber = request.fiber ? state.FindName(*request.fiber) : std::nullopt;
    NameBook names(*m_Store);
    int64_t newCable = 0, newFiber = 0;
    JobResult result = names.Id(request.newCable, newCable);
    if (result.ok() && request.newFiber)
        result = names.Id(*request.newFiber, newFiber);
    std::vector<int64_t> files;
    for (const JobRecord& record : state.Records()) {
        if (!result.ok())
            break;
        if (!cable || record.cable != *cable || (request.fiber && (!fiber || record.fiber != *fiber)))
            continue;
        const int64_t fileId = state.Files()[record.file].id;
        StoredCorrection correction{0, Now(), fileId, record.number, CorrectionKind::Cable, newCable};
        if (state.Name(record.cable) != request.newCable)
            result = m_Store->AddCorrection(correction);
        if (result.ok() && request.newFiber && state.Name(record.fiber) != *request.newFiber) {
            correction.kind = CorrectionKind::Fiber;
            correction.name = newFiber;
            result = m_Store->AddCorrection(correction);
        }
        if (files.empty() || files.back() != fileId)
            files.push_back(fileId);
        ++renamed;
    }
    if (result.ok() && renamed == 0)
        return JobFailure(JobStatus::Refused,
                          "no record has the cable " + QuotedName(request.cable) +
                              (request.fiber ? " and the fiber " + QuotedName(*request.fiber) : ""));
    std::vector<VerdictUpdate> updates;
    std::vector<StoredLimits> log;
    if (result.ok())
        result = Recertify(files, updates);
    if (result.ok())
        result = ReadLimitLog(log);
    if (result.ok())
        result = StoreVerdicts(updates, LastLimitsId(log));
    if (result.ok()) {
        std::string detail = "cable " + QuotedName(request.cable) + " to " + QuotedName(request.newCable);
        if (request.fiber)
            detail +=
                ", fiber " + QuotedName(*request.fiber) + " to " + QuotedName(request.newFiber.value_or(""));
        result = Audit("rename", detail + " (" + std::to_string(renamed) + " records)");
    }
    return result.ok() ? write.Commit() : result;
}

JobResult Job::Choose(const std::string& cable, const std::string& fiber, const std::string& record)
{
    WriteTransaction write(*m_Store);
    if (!write.Begun().ok())
        return write.Begun();
    JobState state;
    if (JobResult read = JobState::Read(*m_Store, state, m_Overrides); !read.ok())
        return read;
    const std::string fibreName = QuotedName(cable) + " " + QuotedName(fiber);
    const std::optional<uint32_t> fibre = state.FindFibre(cable, fiber);
    if (!fibre)
        return JobFailure(JobStatus::Refused, "the job has no fibre " + fibreName);
    const std::optional<uint32_t> chosen = state.FindRecord(record);
    if (!chosen || state.Records()[*chosen].fibre != *fibre)
        return JobFailure(JobStatus::Refused, "fibre " + fibreName + " has no record " + QuotedName(record));
    const JobRecord& r = state.Records()[*chosen];
    if (r.role != RecordRole::Conflicting && r.role != RecordRole::NotChosen)
        return JobFailure(JobStatus::Refused, "record " + record +
                                                  " is not one of the latest tests of fibre " + fibreName +
                                                  " that disagree");
    StoredCorrection correction{0, Now(), state.Files()[r.file].id, r.number, CorrectionKind::Choice, 0};
    JobResult result = m_Store->AddCorrection(correction);
    if (result.ok())
        result = Audit("choose", "fibre " + fibreName + ": record " + record + " (" +
                                     std::string(r.Tested()) + ") holds");
    return result.ok() ? write.Commit() : result;
}

JobResult Job::Read(JobState& state)
{
    return JobState::Read(*m_Store, state, m_Overrides);
}

JobResult Job::ReadLimitLog(std::vector<StoredLimits>& log)
{
    log.clear();
    return m_Store->ReadLimits([&log](const StoredLimits& limits) { log.push_back(limits); });
}

JobResult Job::ReadLimits(TestLimits& limits)
{
    std::vector<StoredLimits> log;
    if (JobResult read = ReadLimitLog(log); !read.ok())
        return read;
    limits = TestLimits();
    if (log.empty())
        return {};
    const LimitFileResult parsed = ParseLimitFile(log.back().text);
    if (!parsed.limits)
        return JobFailure(JobStatus::Damaged, "its limit cannot be read: " + parsed.error);
    limits = *parsed.limits;
    return {};
}

JobResult Job::ReadHeader(InfoFields& header)
{
    std::optional<std::string> text;
    if (JobResult read = m_Store->ReadSetting(HeaderKey, text); !read.ok())
        return read;
    header.Clear();
    if (!text)
        return {};
    const HeaderFileResult parsed = ParseHeaderFile(*text);
    if (!parsed.fields)
        return JobFailure(JobStatus::Damaged, "its report header cannot be read: " + parsed.error);
    header = *parsed.fields;
    return {};
}

JobResult Job::ReadAudit(std::vector<AuditEntry>& audit)
{
    audit.clear();
    return m_Store->ReadAudit([&audit](const AuditEntry& entry) { audit.push_back(entry); });
}
