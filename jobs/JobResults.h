#pragma once

#include "data/CDataStore.h"
#include "data/InfoFields.h"
#include "data/TestLimits.h"
#include "jobs/JobState.h"
#include "jobs/JobVerdicts.h"

#include <cstdint>
#include <optional>
#include <vector>

class JobStore;

// The records a job hands over, with their values: each fibre's current
// test (each of the disagreeing ones of a fibre in conflict), in the job's
// order (a cable's tests of three wavelengths before its tests of two),
// under the names the job gives them. They fill the program's own loss-test
// stores, one per run of records of one form, so that the report's pages,
// the workbook's sheets and the verdicts are those of a single file.
struct ResultRun
{
    CDataStore store;              // the records with their cable groups and the job's header
    std::vector<uint32_t> records; // the JobState record of each of the store's
};

struct JobResults
{
    std::vector<ResultRun> runs;
    // By JobState record, for those in the runs: the verdict and smallest margin.
    std::vector<std::optional<RecordCertification>> certified;
};

JobResult LoadJobResults(JobStore& store, const JobState& state, const TestLimits& limits,
                         const InfoFields& header, JobResults& results);

// A fibre's records (RecordsOf's order) with their values, for a table of
// them: in one run, or more where its tests are of both forms.
JobResult LoadFibreRecords(JobStore& store, const JobState& state, uint32_t fibre, const InfoFields& header,
                           std::vector<ResultRun>& runs);

// The fibres whose current tests passed closest to failing (Pass or Warning),
// at most `count`, smallest margin first (equal ones in the job's order):
// JobState record indexes.
std::vector<uint32_t> LowestMargins(const JobState& state, const JobResults& results, size_t count);
