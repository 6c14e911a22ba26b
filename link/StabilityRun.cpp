#include "link/StabilityRun.h"

#include <algorithm>
#include <cmath>

CStabilityRun::CStabilityRun(const StabilitySettings& settings, int64_t startMs,
                             const LocalDateTime& startedAt)
    : m_Settings(settings), m_StartMs(startMs), m_EndMs(startMs + DurationMs()), m_StartedAt(startedAt)
{
}

bool CStabilityRun::Offer(const TimedReading& reading)
{
    if (IsOver())
        return false;
    const int64_t elapsed = reading.atMs - m_StartMs;
    if (elapsed < 0)
        return false;
    if (elapsed >= DurationMs()) {
        End(RunEnding::Completed, m_StartMs + DurationMs());
        return false;
    }
    if (m_Settings.intervalS > 0) {
        const int64_t slot = elapsed / (int64_t(m_Settings.intervalS) * 1000);
        if (slot < m_NextSlot)
            return false;
        m_NextSlot = slot + 1;
    }
    m_Readings.push_back(reading);
    m_Statistics.Add(reading);
    return true;
}

void CStabilityRun::End(RunEnding ending, int64_t atMs)
{
    if (IsOver() || ending == RunEnding::Running)
        return;
    m_Ending = ending;
    m_EndMs = std::min(atMs, m_StartMs + DurationMs());
}

StabilityVerdict CStabilityRun::VerdictOf(const CReadingStatistics& statistics) const
{
    if (m_Ending != RunEnding::Completed)
        return StabilityVerdict::Incomplete;
    if (!m_Settings.toleranceDb)
        return StabilityVerdict::None;
    const std::optional<double> span = statistics.Span();
    if (!span || statistics.LowCount() > 0 || statistics.HighCount() > 0)
        return StabilityVerdict::Fail;
    // Judged as shown, to the hundredth of a dB: the readings are floats, and
    // a spread printed as 0.20 passes a tolerance of 0.20.
    const double shown = std::round(*span * 100.0) / 100.0;
    return shown <= *m_Settings.toleranceDb + 1e-9 ? StabilityVerdict::Pass : StabilityVerdict::Fail;
}

std::vector<StabilityResult> CStabilityRun::Results() const
{
    std::vector<StabilityResult> results;
    for (uint16_t wavelength : m_Statistics.Wavelengths()) {
        StabilityResult result;
        result.wavelength = wavelength;
        result.statistics = *m_Statistics.Of(wavelength);
        const auto first = result.statistics.First();
        const auto last = result.statistics.Last();
        if (first && last)
            result.drift = double(last->power) - double(first->power);
        result.verdict = VerdictOf(result.statistics);
        results.push_back(result);
    }
    return results;
}

StabilityVerdict CStabilityRun::Verdict() const
{
    const std::vector<StabilityResult> results = Results();
    if (m_Ending != RunEnding::Completed || results.empty())
        return StabilityVerdict::Incomplete;
    if (!m_Settings.toleranceDb)
        return StabilityVerdict::None;
    const bool failed = std::any_of(results.begin(), results.end(), [](const StabilityResult& r) {
        return r.verdict == StabilityVerdict::Fail;
    });
    return failed ? StabilityVerdict::Fail : StabilityVerdict::Pass;
}
