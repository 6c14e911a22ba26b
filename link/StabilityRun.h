#pragma once

#include "link/LinkClock.h"
#include "link/ReadingStatistics.h"

#include <cstdint>
#include <optional>
#include <vector>

// What a stability run is asked for.
struct StabilitySettings
{
    static constexpr int MinDurationS = 60;    // a minute
    static constexpr int MaxDurationS = 86400; // a day
    static constexpr int MaxIntervalS = 600;   // ten minutes
    int durationS = 900;
    int intervalS = 0;                 // keep a reading each interval; 0: every reading
    std::optional<double> toleranceDb; // the most max - min may be for a pass
};

enum class StabilityVerdict : uint8_t
{
    None,       // no tolerance was asked for
    Pass,       // max - min within the tolerance, no reading out of range
    Fail,       // beyond the tolerance, or a reading below or above the range
    Incomplete, // the run did not last its duration, or brought no reading
};

enum class RunEnding : uint8_t
{
    Running,
    Completed,      // its duration passed
    Stopped,        // the user stopped it, or the trace
    InstrumentLost, // the instrument went while it ran
};

// A wavelength's part of a run's result.
struct StabilityResult
{
    uint16_t wavelength = 0;
    CReadingStatistics statistics;
    std::optional<double> drift; // the last reading with a number less the first
    StabilityVerdict verdict = StabilityVerdict::None;
};

// A stability run: the readings of the trace over a duration, one each
// interval, all kept, and what they come to per wavelength against an
// optional tolerance. Plain data, driven by the trace that feeds it.
class CStabilityRun
{
public:
    CStabilityRun(const StabilitySettings& settings, int64_t startMs, const LocalDateTime& startedAt);

    // Keeps the reading when the run is on and the reading is due: the first
    // of each interval, counted from the start. A reading at or past the end
    // completes the run instead.
    bool Offer(const TimedReading& reading);
    // Ends the run (once); a run already ended stays as it ended.
    void End(RunEnding ending, int64_t atMs);

    const StabilitySettings& Settings() const { return m_Settings; }
    int64_t StartMs() const { return m_StartMs; }
    int64_t EndMs() const { return m_EndMs; } // the planned end while running
    const LocalDateTime& StartedAt() const { return m_StartedAt; }
    RunEnding Ending() const { return m_Ending; }
    bool IsOver() const { return m_Ending != RunEnding::Running; }
    const std::vector<TimedReading>& Readings() const { return m_Readings; }

    // One entry per wavelength, in the order of their first readings.
    std::vector<StabilityResult> Results() const;
    // Incomplete unless completed with a reading; otherwise None without a
    // tolerance, Fail when any wavelength failed, else Pass.
    StabilityVerdict Verdict() const;

private:
    int64_t DurationMs() const { return int64_t(m_Settings.durationS) * 1000; }
    StabilityVerdict VerdictOf(const CReadingStatistics& statistics) const;

    StabilitySettings m_Settings;
    int64_t m_StartMs;
    int64_t m_EndMs;
    LocalDateTime m_StartedAt;
    RunEnding m_Ending = RunEnding::Running;
    int64_t m_NextSlot = 0; // the first interval whose reading is still due
    std::vector<TimedReading> m_Readings;
    CWavelengthStatistics m_Statistics;
};
