#include "data/CertificationSummary.h"

#include "data/CDataStore.h"
#include "data/LossTestRules.h"
#include "data/NameDecoding.h"

#include <map>

void VerdictCounts::Add(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        ++pass;
        break;
    case Verdict::Warning:
        ++warning;
        break;
    case Verdict::Incomplete:
        ++incomplete;
        break;
    case Verdict::Fail:
        ++fail;
        break;
    case Verdict::None:
        ++noVerdict;
        break;
    }
}

void VerdictCounts::Add(const VerdictCounts& other)
{
    pass += other.pass;
    warning += other.warning;
    incomplete += other.incomplete;
    fail += other.fail;
    noVerdict += other.noVerdict;
}

void CertificationSummary::Include(const CertificationSummary& later)
{
    fibres.Add(later.fibres);
    // Strictly smaller, so that the first of equal margins stays.
    if (later.worst && (!worst || later.worstMargin < worstMargin)) {
        worst = later.worst;
        worstMargin = later.worstMargin;
    }
}

CertificationSummary Summarize(const LossTestVerdicts& verdicts)
{
    return SummarizePart(verdicts, 0, verdicts.RecordCount(), 0, verdicts.WaveCount());
}

CertificationSummary SummarizePart(const LossTestVerdicts& verdicts, size_t first, size_t end, int firstWave,
                                   int endWave)
{
    CertificationSummary summary;
    for (size_t k = first; k < end; ++k) {
        Verdict fibre = Verdict::None;
        for (int i = firstWave; i < endWave; ++i) {
            const WaveVerdict& wave = verdicts.At(k, i);
            fibre = std::max(fibre, wave.Worst());
            for (const Direction d : Directions) {
                if (wave.HasMargin(d) && (!summary.worst || wave.Margin(d) < summary.worstMargin)) {
                    summary.worst = VerdictPlace{k, i, d};
                    summary.worstMargin = wave.Margin(d);
                }
            }
        }
        summary.fibres.Add(fibre);
    }
    return summary;
}

std::vector<CableSummary> SummarizeByCable(const CDataStore& store, const LossTestVerdicts& verdicts)
{
    std::vector<CableSummary> cables;
    std::map<std::string, size_t, std::less<>> index;
    // A cable's records mostly follow each other: each run is summed at once.
    size_t runStart = 0;
    const size_t count = verdicts.RecordCount();
    for (size_t k = 1; k <= count; ++k) {
        const std::string_view cable = CableOf(KavRecordAt(store, runStart));
        if (k < count && CableOf(KavRecordAt(store, k)) == cable)
            continue;
        auto found = index.find(cable);
        if (found == index.end()) {
            found = index.emplace(std::string(cable), cables.size()).first;
            cables.push_back({NameUtf8(cable), {}});
        }
        cables[found->second].summary.Include(SummarizePart(verdicts, runStart, k, 0, verdicts.WaveCount()));
        runStart = k;
    }
    return cables;
}
