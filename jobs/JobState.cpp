#include "jobs/JobState.h"

#include "jobs/RecordKeys.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <numeric>

const char* FibreStateText(FibreState state)
{
    switch (state) {
    case FibreState::Missing:
        return "Missing";
    case FibreState::Pass:
        return "Pass";
    case FibreState::Warning:
        return "Warning";
    case FibreState::Incomplete:
        return "Incomplete";
    case FibreState::Fail:
        return "Fail";
    case FibreState::Conflict:
        break;
    }
    return "Conflict";
}

const char* RecordRoleText(RecordRole role)
{
    switch (role) {
    case RecordRole::Current:
        return "current";
    case RecordRole::Conflicting:
        return "conflicting";
    case RecordRole::NotChosen:
        return "not chosen";
    case RecordRole::Superseded:
        return "superseded";
    case RecordRole::Duplicate:
        break;
    }
    return "duplicate";
}

// Works a JobState out from the rows of its store.
class JobStateBuilder
{
public:
    JobStateBuilder(JobState& state, const VerdictOverrides& overrides)
        : m_State(state), m_Overrides(overrides)
    {
    }

    JobResult Read(JobStore& store);
    void Build();

private:
    // A fibre by its names, made when new.
    uint32_t FibreOf(uint32_t cable, uint32_t fiber, bool planned);
    uint32_t NameIndex(int64_t id) const;
    void SettleFibre(JobFibre& fibre, uint32_t* begin, uint32_t* end);
    void Count();

    JobState& m_State;
    const VerdictOverrides& m_Overrides;
    std::unordered_map<int64_t, uint32_t> m_NameOfId, m_FileOfId;
    std::vector<PlannedFibre> m_Plan;
    // Corrections by file id and number: the name each field goes by, and
    // the latest choice's order.
    std::map<std::pair<int64_t, int32_t>, std::pair<int64_t, int64_t>> m_Renamed;
    std::map<std::pair<int64_t, int32_t>, int64_t> m_Chosen;
    std::vector<uint32_t> m_CableOrder; // by cable name: its place among the cables, or none
    std::vector<uint32_t> m_FibreCable; // by fibre as made: its cable's place
    bool m_Failed = false;
};

namespace {
constexpr uint32_t None = UINT32_MAX;
} // namespace

uint32_t JobStateBuilder::NameIndex(int64_t id) const
{
    const auto found = m_NameOfId.find(id);
    return found == m_NameOfId.end() ? None : found->second;
}

JobResult JobStateBuilder::Read(JobStore& store)
{
    JobState& s = m_State;
    JobResult result = store.ReadNames([this, &s](int64_t id, std::string_view name) {
        m_NameOfId.emplace(id, static_cast<uint32_t>(s.m_Names.size()));
        s.m_NameIndex.emplace(std::string(name), static_cast<uint32_t>(s.m_Names.size()));
        s.m_Names.emplace_back(name);
    });
    if (result.ok())
        result = store.ReadPlan([this](const PlannedFibre& fibre) { m_Plan.push_back(fibre); });
    if (result.ok())
        result = store.ReadFiles([this, &s](const StoredFile& file) {
            m_FileOfId.emplace(file.id, static_cast<uint32_t>(s.m_Files.size()));
            s.m_Files.push_back(file);
        });
    if (result.ok())
        result = store.ReadCorrections([this](const StoredCorrection& c) {
            const std::pair<int64_t, int32_t> key{c.file, c.number};
            if (c.kind == CorrectionKind::Choice) {
                m_Chosen[key] = c.id;
                return;
            }
            auto& renamed = m_Renamed.try_emplace(key, 0, 0).first->second;
            (c.kind == CorrectionKind::Cable ? renamed.first : renamed.second) = c.name;
        });
    if (!result.ok())
        return result;
    // The files say how many records there are: a job of many fibres grows
    // no list record by record.
    size_t records = 0;
    for (const StoredFile& file : s.m_Files)
        records += file.kind == "kav" ? static_cast<size_t>(file.records) : 0;
    s.m_Records.reserve(records);
    s.m_Fibres.reserve(m_Plan.size() + records);
    m_FibreCable.reserve(m_Plan.size() + records);
    s.m_FibreIndex.reserve(m_Plan.size() + records);
    for (const PlannedFibre& planned : m_Plan) {
        const uint32_t cable = NameIndex(planned.cable), fiber = NameIndex(planned.fiber);
        if (cable == None || fiber == None)
            return JobFailure(JobStatus::Damaged, "a planned fibre has no name");
        FibreOf(cable, fiber, true);
    }
    result = store.ReadRecords([this, &s](const RecordRow& row) {
        const auto file = m_FileOfId.find(row.file);
        const std::optional<JobVerdict> kept = JobVerdictOfCode(row.verdict);
        JobRecord record{};
        record.importedCable = NameIndex(row.cable);
        record.importedFiber = NameIndex(row.fiber);
        if (file == m_FileOfId.end() || !kept || record.importedCable == None ||
            record.importedFiber == None) {
            m_Failed = true;
            return;
        }
        record.file = file->second;
        record.number = row.number;
        record.cable = record.importedCable;
        record.fiber = record.importedFiber;
        if (const auto renamed = m_Renamed.find({row.file, row.number}); renamed != m_Renamed.end()) {
            if (renamed->second.first != 0)
                record.cable = NameIndex(renamed->second.first);
            if (renamed->second.second != 0)
                record.fiber = NameIndex(renamed->second.second);
        }
        if (record.cable == None || record.fiber == None) {
            m_Failed = true;
            return;
        }
        const auto overridden = m_Overrides.find({row.file, row.number});
        record.verdict = overridden != m_Overrides.end() ? overridden->second : *kept;
        record.testedKey = TestedKey(row.tested);
        record.testedLength = static_cast<uint8_t>(std::min(row.tested.size(), record.tested.size()));
        std::memcpy(record.tested.data(), row.tested.data(), record.testedLength);
        record.fingerprint = row.fingerprint;
        record.fibre = FibreOf(record.cable, record.fiber, false);
        s.m_Records.push_back(record);
    });
    if (result.ok() && m_Failed)
        return JobFailure(JobStatus::Damaged, "a record names a file or a name the job does not hold");
    return result;
}

uint32_t JobStateBuilder::FibreOf(uint32_t cable, uint32_t fiber, bool planned)
{
    JobState& s = m_State;
    const auto [found, made] = s.m_FibreIndex.try_emplace(JobState::FibreKey(cable, fiber),
                                                          static_cast<uint32_t>(s.m_Fibres.size()));
    if (!made)
        return found->second;
    if (m_CableOrder.size() <= cable)
        m_CableOrder.resize(s.m_Names.size(), None);
    uint32_t& order = m_CableOrder[cable];
    if (order == None) {
        order = static_cast<uint32_t>(s.m_Cables.size());
        s.m_Cables.push_back(JobCable{cable, planned, 0, 0, {}});
    }
    m_FibreCable.push_back(order);
    s.m_Fibres.push_back(JobFibre{order, fiber, planned, false, FibreState::Missing, 0, 0});
    return found->second;
}

void JobStateBuilder::Build()
{
    JobState& s = m_State;
    const auto fibreCount = static_cast<uint32_t>(s.m_Fibres.size());

    // The fibres cable by cable, each cable's in the order they were made.
    std::vector<uint32_t> order(fibreCount);
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(),
                     [this](uint32_t a, uint32_t b) { return m_FibreCable[a] < m_FibreCable[b]; });
    std::vector<uint32_t> placeOf(fibreCount);
    std::vector<JobFibre> fibres(fibreCount);
    for (uint32_t i = 0; i < fibreCount; ++i) {
        placeOf[order[i]] = i;
        fibres[i] = s.m_Fibres[order[i]];
    }
    s.m_Fibres = std::move(fibres);
    for (auto& entry : s.m_FibreIndex)
        entry.second = placeOf[entry.second];
    for (JobRecord& record : s.m_Records)
        record.fibre = placeOf[record.fibre];
    for (uint32_t i = 0; i < fibreCount; ++i) {
        JobCable& cable = s.m_Cables[s.m_Fibres[i].cable];
        if (cable.fibresEnd == 0)
            cable.fibresBegin = i;
        cable.fibresEnd = i + 1;
    }

    // Each fibre's records, in import order, then settled.
    std::vector<uint32_t> starts(fibreCount + 1, 0);
    for (const JobRecord& record : s.m_Records)
        ++starts[record.fibre + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    s.m_FibreRecords.assign(s.m_Records.size(), 0);
    std::vector<uint32_t> next(starts.begin(), starts.end() - 1);
    for (uint32_t r = 0; r < s.m_Records.size(); ++r)
        s.m_FibreRecords[next[s.m_Records[r].fibre]++] = r;
    for (uint32_t f = 0; f < fibreCount; ++f) {
        JobFibre& fibre = s.m_Fibres[f];
        fibre.recordsBegin = starts[f];
        fibre.recordsEnd = starts[f + 1];
        SettleFibre(fibre, s.m_FibreRecords.data() + fibre.recordsBegin,
                    s.m_FibreRecords.data() + fibre.recordsEnd);
    }
    Count();
}

void JobStateBuilder::SettleFibre(JobFibre& fibre, uint32_t* begin, uint32_t* end)
{
    if (begin == end) {
        fibre.state = FibreState::Missing;
        return;
    }
    std::vector<JobRecord>& records = m_State.m_Records;
    // By time, then import order (the records' order); latest first below.
    std::stable_sort(begin, end, [&records](uint32_t a, uint32_t b) {
        return records[a].testedKey < records[b].testedKey;
    });
    const uint64_t latest = records[*(end - 1)].testedKey;
    uint32_t* group = end;
    while (group != begin && records[*(group - 1)].testedKey == latest)
        --group;
    fibre.retested = records[*begin].testedKey != latest;

    // Earlier tests: a record like one before it is that test again.
    for (uint32_t* r = begin; r != group; ++r) {
        const bool again = std::any_of(begin, r, [&](uint32_t e) {
            return records[e].testedKey == records[*r].testedKey &&
                   records[e].fingerprint == records[*r].fingerprint;
        });
        records[*r].role = again ? RecordRole::Duplicate : RecordRole::Superseded;
    }

    // The latest: agreeing records are one test; disagreeing ones hold
    // until one is chosen.
    const int64_t first = records[*group].fingerprint;
    const bool disagree =
        std::any_of(group, end, [&](uint32_t r) { return records[r].fingerprint != first; });
    uint32_t current = *group;
    if (disagree) {
        int64_t latestChoice = 0;
        for (uint32_t* r = group; r != end; ++r) {
            const JobRecord& record = records[*r];
            const auto chosen = m_Chosen.find({m_State.m_Files[record.file].id, record.number});
            if (chosen != m_Chosen.end() && chosen->second > latestChoice) {
                latestChoice = chosen->second;
                current = *r;
            }
        }
        if (latestChoice == 0)
            current = None;
    }
    for (uint32_t* r = group; r != end; ++r) {
        JobRecord& record = records[*r];
        const bool seenBefore =
            std::any_of(group, r, [&](uint32_t e) { return records[e].fingerprint == record.fingerprint; });
        if (current == None)
            record.role = seenBefore ? RecordRole::Duplicate : RecordRole::Conflicting;
        else if (*r == current)
            record.role = RecordRole::Current;
        else
            record.role = record.fingerprint == records[current].fingerprint ? RecordRole::Duplicate
                                                                             : RecordRole::NotChosen;
    }
    if (current == None) {
        fibre.state = FibreState::Conflict;
    } else {
        switch (records[current].verdict) {
        case JobVerdict::Pass:
            fibre.state = FibreState::Pass;
            break;
        case JobVerdict::Warning:
            fibre.state = FibreState::Warning;
            break;
        case JobVerdict::Incomplete:
            fibre.state = FibreState::Incomplete;
            break;
        case JobVerdict::Fail:
            fibre.state = FibreState::Fail;
            break;
        }
    }
    // Shown: the current test (or the conflicting ones) first, then the
    // rest latest first.
    std::reverse(begin, end);
    uint32_t* const shownFirst = std::stable_partition(begin, end, [&](uint32_t r) {
        return records[r].role == RecordRole::Current || records[r].role == RecordRole::Conflicting;
    });
    // Disagreeing tests in the order they were imported.
    std::reverse(begin, shownFirst);
}

namespace {
void CountFibre(JobCounts& counts, const JobFibre& fibre)
{
    counts.planned += fibre.planned;
    counts.unplanned += !fibre.planned;
    counts.retested += fibre.retested;
    counts.tested += fibre.state != FibreState::Missing;
    switch (fibre.state) {
    case FibreState::Missing:
        ++counts.missing;
        break;
    case FibreState::Pass:
        ++counts.pass;
        break;
    case FibreState::Warning:
        ++counts.warning;
        break;
    case FibreState::Incomplete:
        ++counts.incomplete;
        break;
    case FibreState::Fail:
        ++counts.fail;
        break;
    case FibreState::Conflict:
        ++counts.conflicts;
        break;
    }
}
} // namespace

void JobStateBuilder::Count()
{
    JobState& s = m_State;
    for (JobCable& cable : s.m_Cables) {
        std::vector<uint32_t> files;
        for (uint32_t f = cable.fibresBegin; f < cable.fibresEnd; ++f) {
            const JobFibre& fibre = s.m_Fibres[f];
            CountFibre(cable.counts, fibre);
            CountFibre(s.m_Totals, fibre);
            for (uint32_t r = fibre.recordsBegin; r < fibre.recordsEnd; ++r)
                files.push_back(s.m_Records[s.m_FibreRecords[r]].file);
        }
        std::sort(files.begin(), files.end());
        cable.counts.files = static_cast<size_t>(std::unique(files.begin(), files.end()) - files.begin());
        cable.planned = cable.counts.planned > 0;
    }
    s.m_Totals.files = s.m_Files.size();
}

JobResult JobState::Read(JobStore& store, JobState& state, const VerdictOverrides& overrides)
{
    state = JobState();
    if (JobResult begun = store.BeginRead(); !begun.ok())
        return begun;
    JobStateBuilder builder(state, overrides);
    const JobResult read = builder.Read(store);
    store.EndRead();
    if (!read.ok())
        return read;
    builder.Build();
    return {};
}

std::optional<uint32_t> JobState::FindName(std::string_view name) const
{
    const auto found = m_NameIndex.find(std::string(name));
    if (found == m_NameIndex.end())
        return std::nullopt;
    return found->second;
}

std::pair<const uint32_t*, const uint32_t*> JobState::RecordsOf(uint32_t fibre) const
{
    const JobFibre& f = m_Fibres[fibre];
    return {m_FibreRecords.data() + f.recordsBegin, m_FibreRecords.data() + f.recordsEnd};
}

std::optional<uint32_t> JobState::CurrentRecord(uint32_t fibre) const
{
    const auto [begin, end] = RecordsOf(fibre);
    if (begin == end || m_Records[*begin].role != RecordRole::Current)
        return std::nullopt;
    return *begin;
}

std::optional<uint32_t> JobState::FindFibre(std::string_view cable, std::string_view fiber) const
{
    const std::optional<uint32_t> c = FindName(cable), f = FindName(fiber);
    if (!c || !f)
        return std::nullopt;
    const auto found = m_FibreIndex.find(FibreKey(*c, *f));
    if (found == m_FibreIndex.end())
        return std::nullopt;
    return found->second;
}

std::vector<uint32_t> JobState::Fibres(FibreFilter filter) const
{
    std::vector<uint32_t> kept;
    for (uint32_t f = 0; f < m_Fibres.size(); ++f) {
        const JobFibre& fibre = m_Fibres[f];
        bool keep = false;
        switch (filter) {
        case FibreFilter::Failed:
            keep = fibre.state == FibreState::Fail;
            break;
        case FibreFilter::Missing:
            keep = fibre.state == FibreState::Missing;
            break;
        case FibreFilter::Incomplete:
            keep = fibre.state == FibreState::Incomplete;
            break;
        case FibreFilter::Retested:
            keep = fibre.retested;
            break;
        case FibreFilter::Conflicts:
            keep = fibre.state == FibreState::Conflict;
            break;
        }
        if (keep)
            kept.push_back(f);
    }
    return kept;
}

std::string JobState::RecordReference(uint32_t record) const
{
    const JobRecord& r = m_Records[record];
    return std::to_string(r.file + 1) + ":" + std::to_string(r.number + 1);
}

std::optional<uint32_t> JobState::FindRecord(std::string_view reference) const
{
    uint32_t file = 0;
    int32_t number = 0;
    const char* const end = reference.data() + reference.size();
    const auto [colon, fileError] = std::from_chars(reference.data(), end, file);
    if (fileError != std::errc() || colon == end || *colon != ':')
        return std::nullopt;
    const auto [last, numberError] = std::from_chars(colon + 1, end, number);
    if (numberError != std::errc() || last != end || file == 0 || number <= 0)
        return std::nullopt;
    // The records are in import order: by file, then place.
    const auto found = std::lower_bound(m_Records.begin(), m_Records.end(), std::pair{file - 1, number - 1},
                                        [](const JobRecord& r, const std::pair<uint32_t, int32_t>& key) {
                                            return std::pair{r.file, r.number} < key;
                                        });
    if (found == m_Records.end() || found->file != file - 1 || found->number != number - 1)
        return std::nullopt;
    return static_cast<uint32_t>(found - m_Records.begin());
}

bool JobState::Complete() const
{
    const JobCounts& t = m_Totals;
    return t.tested > 0 && t.missing == 0 && t.fail == 0 && t.incomplete == 0 && t.conflicts == 0;
}
