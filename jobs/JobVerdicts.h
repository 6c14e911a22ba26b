#pragma once

#include "data/CDataStore.h"
#include "data/TestLimits.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The one place the jobs layer reads certification: every verdict and
// margin a job keeps, counts, reports or exports comes through here, so a
// change of the certification rules lands in this file alone.

// A fibre's verdict in a job, in rising severity.
enum class JobVerdict : uint8_t
{
    Pass = 1,
    Warning = 2,
    Incomplete = 3, // some wavelength or direction has no verdict: the fibre is not certified
    Fail = 4,
};

// "Pass", "Warning", "Incomplete", "Fail".
const char* JobVerdictText(JobVerdict verdict);
// A verdict as a store keeps it; nothing for a code no version wrote.
std::optional<JobVerdict> JobVerdictOfCode(int code);

// Counts up whenever certification decides differently: a job's kept
// verdicts are then worked out again.
constexpr int CertificationRules = 2;

// The smallest margin of a record, and where it is.
struct RecordMargin
{
    int64_t hundredths; // of a dB
    int32_t waveLength;
    const char* direction; // "A->B", "B->A"
};

struct RecordCertification
{
    JobVerdict verdict;
    std::optional<RecordMargin> worst; // nothing when no direction has a margin
};

// Every record of the store's loss-test list against `limits`, in record order.
std::vector<RecordCertification> CertifyRecords(const CDataStore& store, const TestLimits& limits);

// "-0.41": a margin as reports print it.
std::string MarginText(int64_t hundredths);
