#pragma once

#include "link/LinkClock.h"
#include "link/ReadingStatistics.h"
#include "link/ReferenceTable.h"
#include "platform/files/IoResult.h"

#include <cstdint>
#include <optional>
#include <string>

class CStabilityRun;

// The live trace's CSV log, beside the text log: for each time saving
// starts, comment lines of its settings and a title row, then a row per
// reading, and, when saving ends, comment lines of each wavelength's
// statistics (and of a stability run's result when one ended meanwhile).
// Every piece is appended in one write and the file closed again, so a
// program killed at any moment leaves whole lines behind, all but the one
// being written.
class CCsvTraceLog
{
public:
    // The same name ending ".csv" in place of ".txt" (or added).
    static std::string PathBeside(const std::string& textLogPath);

    // `program` names the program and its version; `intervalS` is how often
    // the instrument is asked for a reading.
    CCsvTraceLog(std::string program, double intervalS);

    // Saving starts at `at`, into `path`: the header is written with the
    // first reading, which brings the wavelength and the reference.
    void Begin(const std::string& path, const LocalDateTime& at);
    bool Active() const { return m_Active; }
    const std::string& Path() const { return m_Path; }

    // A reading at the local time `at`, with the reference in force.
    IoResult Append(const TimedReading& reading, const LocalDateTime& at,
                    const std::optional<Reference>& reference);
    // The result of a run that ended while saving.
    IoResult AppendRun(const CStabilityRun& run);
    // Saving ends: the statistics of what this block logged, when it
    // logged anything. The log is inactive afterwards whatever the outcome.
    IoResult End();

    // The pieces, as written.
    static std::string HeaderText(uint16_t wavelength, const std::optional<Reference>& reference,
                                  double intervalS, const LocalDateTime& started, const std::string& program);
    static std::string RowText(const TimedReading& reading, const LocalDateTime& at,
                               const std::optional<Reference>& reference);
    static std::string StatisticsText(const CWavelengthStatistics& statistics);
    static std::string RunText(const CStabilityRun& run);

private:
    std::string m_Program;
    double m_IntervalS;
    bool m_Active = false;
    bool m_HeaderWritten = false;
    std::string m_Path;
    LocalDateTime m_Started;
    CWavelengthStatistics m_Statistics; // of this block's rows
};

// "%.2f" of a figure, or "N/A" without one (or for one that is no number).
std::string FigureText(const std::optional<double>& value);
// A number of seconds as short as it is exact: "0.5", "10".
std::string SecondsText(double seconds);
