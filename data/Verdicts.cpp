#include "data/Verdicts.h"

#include "data/FixedDecimal.h"
#include "data/LossTestRules.h"

#include <algorithm>
#include <optional>

namespace {
// Ten million dB: a limit beyond it is no limit at all (a damaged threshold),
// and every margin stays far from NoHundredths.
constexpr int64_t LargestLimit = 1000000000;

int32_t LimitHundredths(double limit)
{
    const std::optional<int64_t> hundredths = ScaledFixed(limit, 2);
    if (!hundredths || *hundredths > LargestLimit || *hundredths < -LargestLimit)
        return NoHundredths;
    return static_cast<int32_t>(*hundredths);
}

bool Figure(const WaveLengthFigures& figures, int32_t waveLength, double& out)
{
    const auto found = figures.find(waveLength);
    if (found == figures.end())
        return false;
    out = found->second;
    return true;
}

// The limit of one wavelength of a record, in hundredths.
int32_t LimitOf(const KavRecordView& record, int wave, const TestLimits& limits, const CableFigures& figures)
{
    double limit = 0;
    switch (limits.method) {
    case LimitMethod::Instrument:
        limit = record.threshold[wave];
        break;
    case LimitMethod::Fixed:
        if (!Figure(figures.fixed, record.waveLength[wave], limit))
            return NoHundredths;
        break;
    case LimitMethod::Budget: {
        double attenuation;
        const std::optional<int64_t> metres = ShownLengthMetres(record);
        if (!metres || !Figure(figures.attenuation, record.waveLength[wave], attenuation))
            return NoHundredths;
        limit = attenuation * (static_cast<double>(*metres) / 1000) +
                figures.connections * figures.connectorLoss + figures.splices * figures.spliceLoss;
        break;
    }
    }
    return LimitHundredths(limit);
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
    case Verdict::Fail:
        return "Fail";
    case Verdict::None:
        break;
    }
    return "No verdict";
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
    // A band too wide to count in hundredths warns of every margin.
    const int64_t band = ScaledFixed(limits.warningBand, 2).value_or(INT64_MAX);
    // A cable's records follow each other, so its figures are worked out
    // once per run of records.
    std::string cable;
    CableFigures figures;
    for (size_t k = 0; k < count; ++k) {
        const KavRecordView record = KavRecordAt(store, k);
        if (k == 0 || CableOf(record) != cable) {
            cable = CableOf(record);
            figures = FiguresFor(limits, cable);
        }
        Verdict fibre = Verdict::None;
        for (int i = 0; i < waveCount; ++i) {
            WaveVerdict& wave = verdicts.m_Waves[k * static_cast<size_t>(waveCount) + static_cast<size_t>(i)];
            wave.limit = LimitOf(record, i, limits, figures);
            const float losses[2] = {record.lossAB[i], record.lossBA[i]};
            for (const Direction d : Directions) {
                const int side = static_cast<int>(d);
                wave.loss[side] = ShownLossHundredths(losses[side]).value_or(NoHundredths);
                if (wave.HasMargin(d))
                    wave.verdict[side] = VerdictOf(wave.Margin(d), band);
            }
            fibre = std::max(fibre, wave.Worst());
        }
        verdicts.m_Fibres[k] = fibre;
    }
    return verdicts;
}
