#pragma once

#include "jobs/JobStore.h"
#include "jobs/JobVerdicts.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// A job as it stands, worked out from its store in one read: every fibre of
// the plan and every fibre tested, cable by cable, with its current test,
// its history and its state; the counts by cable and for the job. Built
// once, then only read: a window's model reads it by index, a fibre's
// records by range, a filter's fibres as a list.
//
// Order: the plan's cables in the plan's order, then the cables tested but
// not planned in the order their first record was imported; within a cable
// the same for its fibres. Nothing is ordered by comparing text.
//
// A fibre's tests are ordered by their date and time, then by import. The
// latest is current; the earlier ones are history. A record of the same
// date, time and values as an earlier one is the same test imported again
// (a duplicate), never a retest. Two records of the latest date and time
// with different values are a conflict, which holds until the user chooses
// one of them.

enum class FibreState : uint8_t
{
    Missing, // planned, never tested
    Pass,
    Warning,
    Incomplete,
    Fail,
    Conflict, // its latest tests disagree and none is chosen
};
// "Missing", "Pass", "Warning", "Incomplete", "Fail", "Conflict".
const char* FibreStateText(FibreState state);

enum class RecordRole : uint8_t
{
    Current,
    Conflicting, // one of the latest tests that disagree, none chosen
    NotChosen,   // one of the latest tests that disagreed, another chosen
    Superseded,  // an earlier test
    Duplicate,   // the same test as an earlier record
};
// "current", "conflicting", "not chosen", "superseded", "duplicate".
const char* RecordRoleText(RecordRole role);

struct JobCounts
{
    size_t planned = 0, tested = 0, pass = 0, warning = 0, fail = 0, incomplete = 0, missing = 0,
           unplanned = 0, retested = 0, conflicts = 0, files = 0;
};

// One loss-test record of the job.
struct JobRecord
{
    uint32_t file;                         // into Files(), in import order
    int32_t number;                        // its place in its file, from 0
    uint32_t fibre;                        // into Fibres()
    uint32_t cable, fiber;                 // into Names(): as the job calls it now
    uint32_t importedCable, importedFiber; // as the record holds them
    uint64_t testedKey;                    // TestedKey of its date and time
    int64_t fingerprint;
    JobVerdict verdict;
    RecordRole role;
    uint8_t testedLength;
    std::array<char, 22> tested; // its date and time as it holds them

    std::string_view Tested() const { return {tested.data(), testedLength}; }
    bool Renamed() const { return cable != importedCable || fiber != importedFiber; }
};

struct JobFibre
{
    uint32_t cable; // into Cables()
    uint32_t fiber; // into Names()
    bool planned;
    bool retested; // tested at more than one date and time
    FibreState state;
    // Its records in RecordsOf: the current one (or the conflicting ones, in
    // import order) first, then the others, latest first.
    uint32_t recordsBegin, recordsEnd;
};

struct JobCable
{
    uint32_t name;                   // into Names()
    bool planned;                    // at least one of its fibres is
    uint32_t fibresBegin, fibresEnd; // into Fibres()
    JobCounts counts;
};

enum class FibreFilter
{
    Failed,
    Missing,
    Incomplete,
    Retested,
    Conflicts,
};

// Verdicts worked out anew for records whose kept ones are out of date, by
// file id and number.
using VerdictOverrides = std::map<std::pair<int64_t, int32_t>, JobVerdict>;

class JobState
{
public:
    // Reads the job in one read of its store.
    static JobResult Read(JobStore& store, JobState& state, const VerdictOverrides& overrides = {});

    const std::string& Name(uint32_t name) const { return m_Names[name]; }
    // The name's index, when the job holds the name.
    std::optional<uint32_t> FindName(std::string_view name) const;

    const std::vector<StoredFile>& Files() const { return m_Files; }
    const std::vector<JobRecord>& Records() const { return m_Records; }
    const std::vector<JobFibre>& Fibres() const { return m_Fibres; }
    const std::vector<JobCable>& Cables() const { return m_Cables; }
    const JobCounts& Totals() const { return m_Totals; }

    // The records of fibre `fibre`, into Records().
    std::pair<const uint32_t*, const uint32_t*> RecordsOf(uint32_t fibre) const;
    // Its current record; nothing when it is missing or in conflict.
    std::optional<uint32_t> CurrentRecord(uint32_t fibre) const;
    std::optional<uint32_t> FindFibre(std::string_view cable, std::string_view fiber) const;
    // The fibres a filter keeps, in the job's order.
    std::vector<uint32_t> Fibres(FibreFilter filter) const;

    // "3:17": the record's file in import order and its place there, both
    // from 1, as kav-job names records.
    std::string RecordReference(uint32_t record) const;
    std::optional<uint32_t> FindRecord(std::string_view reference) const;

    // Every planned fibre tested and none failing, incomplete or in conflict
    // (and something tested).
    bool Complete() const;

private:
    static uint64_t FibreKey(uint32_t cable, uint32_t fiber) { return uint64_t(cable) << 32 | fiber; }

    std::vector<std::string> m_Names;
    std::unordered_map<std::string, uint32_t> m_NameIndex;
    std::unordered_map<uint64_t, uint32_t> m_FibreIndex; // by FibreKey of its names
    std::vector<StoredFile> m_Files;
    std::vector<JobRecord> m_Records;
    std::vector<JobFibre> m_Fibres;
    std::vector<JobCable> m_Cables;
    std::vector<uint32_t> m_FibreRecords;
    JobCounts m_Totals;

    friend class JobStateBuilder;
};
