#include "jobs/JobResults.h"

#include "data/FieldText.h"
#include "data/LossTestRules.h"
#include "jobs/StoredFiles.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {
// The record as the run keeps it: the file's, under the job's names.
template <typename Record>
void AddRecord(std::vector<Record>& records, const Record& loaded, const JobState& state,
               const JobRecord& record)
{
    Record kept = loaded;
    if (record.cable != record.importedCable)
        SetFieldName(kept.Cable, state.Name(record.cable));
    if (record.fiber != record.importedFiber)
        SetFieldName(kept.Fiber, state.Name(record.fiber));
    records.push_back(kept);
}

// Fills runs of one form with records in the order they are added, each
// file read once.
class RunBuilder
{
public:
    RunBuilder(JobStore& store, const JobState& state, const InfoFields& header, std::vector<ResultRun>& runs)
        : m_Store(store), m_State(state), m_Header(header), m_Runs(runs)
    {
    }

    // The form (3 or 2 wavelengths) of the record's file.
    JobResult FormOf(uint32_t record, int& form)
    {
        const uint32_t file = m_State.Records()[record].file;
        std::unique_ptr<CDataStore>& loaded = m_Files[file];
        if (!loaded) {
            loaded = std::make_unique<CDataStore>();
            if (JobResult read = LoadJobFile(m_Store, m_State.Files()[file], *loaded); !read.ok())
                return read;
        }
        form = loaded->KavWaveCount();
        return {};
    }

    JobResult Add(uint32_t record)
    {
        int form = 0;
        if (JobResult read = FormOf(record, form); !read.ok())
            return read;
        if (form == 3 ? !m_Twos.empty() : !m_Threes.empty())
            EndRun();
        const JobRecord& r = m_State.Records()[record];
        const CDataStore& loaded = *m_Files[r.file];
        const auto number = static_cast<size_t>(r.number);
        if (form == 3)
            AddRecord(m_Threes, loaded.GetKavRecords3()[number], m_State, r);
        else
            AddRecord(m_Twos, loaded.GetKavRecords2()[number], m_State, r);
        m_Records.push_back(record);
        return {};
    }

    void EndRun()
    {
        if (m_Records.empty())
            return;
        ResultRun& run = m_Runs.emplace_back();
        // The store makes one cable group per run of records of a cable.
        run.store.SetInfoFields(m_Header);
        if (!m_Threes.empty())
            run.store.ReplaceLossTests(std::move(m_Threes));
        else
            run.store.ReplaceLossTests(std::move(m_Twos));
        run.records = std::move(m_Records);
        m_Threes.clear();
        m_Twos.clear();
        m_Records.clear();
    }

private:
    JobStore& m_Store;
    const JobState& m_State;
    const InfoFields& m_Header;
    std::vector<ResultRun>& m_Runs;
    std::map<uint32_t, std::unique_ptr<CDataStore>> m_Files; // loaded as needed
    // The run being filled.
    std::vector<KavRecord3> m_Threes;
    std::vector<KavRecord2> m_Twos;
    std::vector<uint32_t> m_Records;
};

bool Shown(const JobRecord& record)
{
    return record.role == RecordRole::Current || record.role == RecordRole::Conflicting;
}
} // namespace

JobResult LoadJobResults(JobStore& store, const JobState& state, const TestLimits& limits,
                         const InfoFields& header, JobResults& results)
{
    results = JobResults();
    results.certified.resize(state.Records().size());
    RunBuilder builder(store, state, header, results.runs);
    for (const JobCable& cable : state.Cables()) {
        // A cable's records of three wavelengths, then those of two: at most
        // two groups of pages for a cable tested in both forms.
        for (const int form : {3, 2})
            for (uint32_t f = cable.fibresBegin; f < cable.fibresEnd; ++f)
                for (auto [r, end] = state.RecordsOf(f); r != end && Shown(state.Records()[*r]); ++r) {
                    int recordForm = 0;
                    JobResult added = builder.FormOf(*r, recordForm);
                    if (added.ok() && recordForm == form)
                        added = builder.Add(*r);
                    if (!added.ok())
                        return added;
                }
    }
    builder.EndRun();
    for (const ResultRun& run : results.runs) {
        const std::vector<RecordCertification> certified = CertifyRecords(run.store, limits);
        for (size_t k = 0; k < certified.size(); ++k)
            results.certified[run.records[k]] = certified[k];
    }
    return {};
}

JobResult LoadFibreRecords(JobStore& store, const JobState& state, uint32_t fibre, const InfoFields& header,
                           std::vector<ResultRun>& runs)
{
    runs.clear();
    RunBuilder builder(store, state, header, runs);
    for (auto [r, end] = state.RecordsOf(fibre); r != end; ++r)
        if (JobResult added = builder.Add(*r); !added.ok())
            return added;
    builder.EndRun();
    return {};
}

std::vector<uint32_t> LowestMargins(const JobState& state, const JobResults& results, size_t count)
{
    std::vector<uint32_t> records;
    for (uint32_t f = 0; f < state.Fibres().size(); ++f) {
        const std::optional<uint32_t> current = state.CurrentRecord(f);
        const FibreState fibre = state.Fibres()[f].state;
        if (current && (fibre == FibreState::Pass || fibre == FibreState::Warning) &&
            results.certified[*current] && results.certified[*current]->worst)
            records.push_back(*current);
    }
    const auto margin = [&results](uint32_t r) { return results.certified[r]->worst->hundredths; };
    std::stable_sort(records.begin(), records.end(),
                     [&](uint32_t a, uint32_t b) { return margin(a) < margin(b); });
    if (records.size() > count)
        records.resize(count);
    return records;
}
