#include "data/Verdicts.h"

#include "data/FixedDecimal.h"
#include "data/LossTestRules.h"

#include "data/NameDecoding.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {
// Ten million dB: a limit beyond it is no limit at all (a damaged threshold),
// and every margin stays far from NoHundredths.
constexpr int64_t LargestLimit = 1000000000;

struct WaveLimit
{
    bool certified;
    int32_t hundredths; // NoHundredths where it cannot be worked out
};

// The limit of one wavelength of a record.
WaveLimit LimitOf(const KavRecordView& record, int wave, const TestLimits& limits,
                  const CableFigures& figures)
{
    const int32_t waveLength = record.waveLength[wave];
    if (!Certifies(limits.method, figures, waveLength))
        return {false, NoHundredths};
    std::optional<int64_t> limit;
    switch (limits.method) {
    case LimitMethod::Instrument:
        limit = ScaledFixed(record.threshold[wave], 2);
        break;
    case LimitMethod::Fixed:
        limit = FixedHundredths(figures, waveLength);
        break;
    case LimitMethod::Budget:
        if (const std::optional<int64_t> metres = ShownLengthMetres(record))
            limit = BudgetHundredths(figures, waveLength, *metres);
        break;
    }
    if (!limit || *limit > LargestLimit || *limit < -LargestLimit)
        return {true, NoHundredths};
    return {true, static_cast<int32_t>(*limit)};
}

Verdict VerdictOf(int64_t margin, int64_t band)
{
    if (margin < 0)
        return Verdict::Fail;
    return margin < band ? Verdict::Warning : Verdict::Pass;
}
} // namespace

const char* VerdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return "Pass";
    case Verdict::Warning:
        return "Warning";
    case Verdict::Incomplete:
        return "Incomplete";
    case Verdict::Fail:
        return "Fail";
    case Verdict::None:
        break;
    }
    return "Not certified";
}

std::optional<uint32_t> VerdictFill(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Fail:
        return 0xF4B6B6;
    case Verdict::Warning:
        return 0xFBDD96;
    case Verdict::Incomplete:
        return 0xD3DCE8;
    case Verdict::Pass:
    case Verdict::None:
        break;
    }
    return std::nullopt;
}

const char* DirectionText(Direction direction)
{
    return direction == Direction::AB ? "A->B" : "B->A";
}

void AppendHundredths(std::string& out, int64_t hundredths)
{
    AppendScaledFixed(out, hundredths, 2);
}

std::optional<int64_t> WaveVerdict::SmallerMargin() const
{
    std::optional<int64_t> smaller;
    for (const Direction d : Directions)
        if (HasMargin(d) && (!smaller || Margin(d) < *smaller))
            smaller = Margin(d);
    return smaller;
}

LossTestVerdicts CertifyLossTests(const CDataStore& store, const TestLimits& limits)
{
    LossTestVerdicts verdicts;
    const int waveCount = store.KavWaveCount();
    const size_t count = store.KavRecordCount();
    verdicts.m_WaveCount = waveCount;
    verdicts.m_Waves.resize(count * static_cast<size_t>(waveCount));
    verdicts.m_Fibres.resize(count);
    const int64_t band = FigureHundredths(limits.warningBand);
    // A cable's records follow each other, so its figures are worked out
    // once per run of records. Limits are keyed by the name as shown.
    std::string_view cable;
    CableFigures figures;
    std::set<std::string, std::less<>> shownCables;
    std::vector<std::optional<int32_t>> notCertifiedAt(static_cast<size_t>(waveCount));
    for (size_t k = 0; k < count; ++k) {
        const KavRecordView record = KavRecordAt(store, k);
        if (k == 0 || CableOf(record) != cable) {
            cable = CableOf(record);
            const std::string shown = NameUtf8(cable);
            figures = FiguresFor(limits, shown);
            shownCables.insert(shown);
        }
        Verdict fibre = Verdict::None;
        for (int i = 0; i < waveCount; ++i) {
            WaveVerdict& wave = verdicts.m_Waves[k * static_cast<size_t>(waveCount) + static_cast<size_t>(i)];
            const WaveLimit limit = LimitOf(record, i, limits, figures);
            wave.limit = limit.hundredths;
            const float losses[2] = {record.lossAB[i], record.lossBA[i]};
            for (const Direction d : Directions) {
                const int side = static_cast<int>(d);
                wave.loss[side] = ShownLossHundredths(losses[side]).value_or(NoHundredths);
                if (!limit.certified)
                    continue;
                wave.verdict[side] =
                    wave.HasMargin(d) ? VerdictOf(wave.Margin(d), band) : Verdict::Incomplete;
            }
            if (!limit.certified)
                notCertifiedAt[static_cast<size_t>(i)] = record.waveLength[i];
            fibre = std::max(fibre, wave.Worst());
        }
        verdicts.m_Fibres[k] = fibre;
    }
    for (const std::optional<int32_t>& waveLength : notCertifiedAt)
        if (waveLength && std::find(verdicts.m_NotCertified.begin(), verdicts.m_NotCertified.end(),
                                    *waveLength) == verdicts.m_NotCertified.end())
            verdicts.m_NotCertified.push_back(*waveLength);
    if (count != 0)
        for (const auto& [name, own] : limits.cables)
            if (shownCables.count(name) == 0)
                verdicts.m_UnmatchedCables.push_back(name);
    return verdicts;
}
