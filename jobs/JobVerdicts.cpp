#include "jobs/JobVerdicts.h"

#include "data/CertificationSummary.h"
#include "data/LossTestRules.h"
#include "data/Verdicts.h"

namespace {
JobVerdict JobVerdictOf(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return JobVerdict::Pass;
    case Verdict::Warning:
        return JobVerdict::Warning;
    case Verdict::Fail:
        return JobVerdict::Fail;
    case Verdict::Incomplete:
    case Verdict::None: // no wavelength of the fibre certified
        break;
    }
    return JobVerdict::Incomplete;
}
} // namespace

const char* JobVerdictText(JobVerdict verdict)
{
    switch (verdict) {
    case JobVerdict::Pass:
        return "Pass";
    case JobVerdict::Warning:
        return "Warning";
    case JobVerdict::Incomplete:
        return "Incomplete";
    case JobVerdict::Fail:
        break;
    }
    return "Fail";
}

std::optional<JobVerdict> JobVerdictOfCode(int code)
{
    if (code < static_cast<int>(JobVerdict::Pass) || code > static_cast<int>(JobVerdict::Fail))
        return std::nullopt;
    return static_cast<JobVerdict>(code);
}

std::vector<RecordCertification> CertifyRecords(const CDataStore& store, const TestLimits& limits)
{
    const LossTestVerdicts verdicts = CertifyLossTests(store, limits);
    std::vector<RecordCertification> records;
    records.reserve(verdicts.RecordCount());
    for (size_t k = 0; k < verdicts.RecordCount(); ++k) {
        RecordCertification record{JobVerdictOf(verdicts.FibreVerdict(k)), std::nullopt};
        const CertificationSummary summary = SummarizePart(verdicts, k, k + 1, 0, verdicts.WaveCount());
        if (summary.worst)
            record.worst =
                RecordMargin{summary.worstMargin, KavRecordAt(store, k).waveLength[summary.worst->wave],
                             DirectionText(summary.worst->direction)};
        records.push_back(record);
    }
    return records;
}

std::string MarginText(int64_t hundredths)
{
    std::string text;
    AppendHundredths(text, hundredths);
    return text;
}
