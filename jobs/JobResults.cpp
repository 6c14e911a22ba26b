#include "jobs/JobResults.h"

#include "data/FieldText.h"
#include "data/LossTestRules.h"
#include "jobs/StoredFiles.h"

#include <algorithm>
#include <map>
#include <memory>
#include <type_traits>

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

// Puts the collected records into the run's store, one cable group per run
// of records of a cable.
template <typename Record> void Fill(ResultRun& run, std::vector<Record> records)
{
    CDataStore& store = run.store;
    store.m_KavWaveMode =
        std::is_same_v<Record, KavRecord3> ? CDataStore::KavModeThree : CDataStore::KavModeTwo;
    store.m_CableGroups.Clear();
    for (size_t i = 0; i < records.size(); ++i)
        store.m_CableGroups.AddRecord(static_cast<int32_t>(i), FieldText(records[i].Cable));
    if constexpr (std::is_same_v<Record, KavRecord3>)
        store.ReplaceKavRecords3(std::move(records));
    else
        store.ReplaceKavRecords2(std::move(records));
}
} // namespace

JobResult LoadJobResults(JobStore& store, const JobState& state, const TestLimits& limits,
                         const InfoFields& header, JobResults& results)
{
    results = JobResults();
    results.certified.resize(state.Records().size());
    std::map<uint32_t, std::unique_ptr<CDataStore>> files; // loaded as needed
    // The run being filled, of one form.
    std::vector<KavRecord3> threes;
    std::vector<KavRecord2> twos;
    std::vector<uint32_t> runRecords;
    const auto endRun = [&] {
        if (runRecords.empty())
            return;
        ResultRun& run = results.runs.emplace_back();
        run.store.m_InfoFields = header;
        if (!threes.empty())
            Fill(run, std::move(threes));
        else
            Fill(run, std::move(twos));
        run.records = std::move(runRecords);
        threes.clear();
        twos.clear();
        runRecords.clear();
    };
    for (const JobCable& cable : state.Cables()) {
        // A cable's records of three wavelengths, then those of two: at most
        // two groups of pages for a cable tested in both forms.
        for (const int form : {3, 2}) {
            for (uint32_t f = cable.fibresBegin; f < cable.fibresEnd; ++f) {
                for (auto [r, end] = state.RecordsOf(f); r != end; ++r) {
                    const JobRecord& record = state.Records()[*r];
                    if (record.role != RecordRole::Current && record.role != RecordRole::Conflicting)
                        break;
                    std::unique_ptr<CDataStore>& loaded = files[record.file];
                    if (!loaded) {
                        loaded = std::make_unique<CDataStore>();
                        if (JobResult read = LoadJobFile(store, state.Files()[record.file], *loaded);
                            !read.ok())
                            return read;
                    }
                    if (loaded->KavWaveCount() != form)
                        continue;
                    if (form == 3 ? !twos.empty() : !threes.empty())
                        endRun();
                    const auto number = static_cast<size_t>(record.number);
                    if (form == 3)
                        AddRecord(threes, loaded->GetKavRecords3()[number], state, record);
                    else
                        AddRecord(twos, loaded->GetKavRecords2()[number], state, record);
                    runRecords.push_back(*r);
                }
            }
        }
    }
    endRun();
    for (const ResultRun& run : results.runs) {
        const std::vector<RecordCertification> certified = CertifyRecords(run.store, limits);
        for (size_t k = 0; k < certified.size(); ++k)
            results.certified[run.records[k]] = certified[k];
    }
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
