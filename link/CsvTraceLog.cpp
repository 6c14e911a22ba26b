#include "link/CsvTraceLog.h"

#include "link/CTraceLog.h"
#include "link/LocalTime.h"
#include "link/StabilityRun.h"
#include "link/TraceText.h"

#include <cmath>

namespace {
const char* const TitleRow = "Time,Wavelength(nm),Power(dBm),Loss(dB),State\r\n";

std::string Comment(const std::string& key, const std::string& value)
{
    return "# " + key + ": " + value + "\r\n";
}

const char* VerdictName(StabilityVerdict verdict)
{
    switch (verdict) {
    case StabilityVerdict::Pass:
        return "Pass";
    case StabilityVerdict::Fail:
        return "Fail";
    case StabilityVerdict::Incomplete:
        return "Incomplete";
    case StabilityVerdict::None:
        break;
    }
    return "No tolerance";
}
} // namespace

std::string FigureText(const std::optional<double>& value)
{
    return value && std::isfinite(*value) ? TraceFixedText(*value, 2) : "N/A";
}

std::string SecondsText(double seconds)
{
    const double whole = std::round(seconds);
    return whole == seconds ? TraceFixedText(whole, 0) : TraceFixedText(seconds, 1);
}

std::string CCsvTraceLog::PathBeside(const std::string& textLogPath)
{
    const std::string ending = ".txt";
    const size_t separator = textLogPath.find_last_of("/\\");
    const size_t dot = textLogPath.rfind('.');
    const bool hasEnding = dot != std::string::npos && (separator == std::string::npos || dot > separator);
    return (hasEnding ? textLogPath.substr(0, dot) : textLogPath) + ".csv";
}

CCsvTraceLog::CCsvTraceLog(std::string program, double intervalS)
    : m_Program(std::move(program)), m_IntervalS(intervalS)
{
}

void CCsvTraceLog::Begin(const std::string& path, const LocalDateTime& at)
{
    m_Active = true;
    m_HeaderWritten = false;
    m_Path = path;
    m_Started = at;
    m_Statistics.Reset();
}

IoResult CCsvTraceLog::Append(const TimedReading& reading, const LocalDateTime& at,
                              const std::optional<Reference>& reference)
{
    if (!m_Active)
        return {};
    std::string bytes;
    if (!m_HeaderWritten)
        bytes = HeaderText(reading.wavelength, reference, m_IntervalS, m_Started, m_Program);
    bytes += RowText(reading, at, reference);
    const IoResult written = CTraceLog::Append(m_Path, bytes);
    if (written.ok()) {
        m_HeaderWritten = true;
        m_Statistics.Add(reading);
    }
    return written;
}

IoResult CCsvTraceLog::AppendRun(const CStabilityRun& run)
{
    if (!m_Active || !m_HeaderWritten)
        return {};
    return CTraceLog::Append(m_Path, RunText(run));
}

IoResult CCsvTraceLog::End()
{
    const bool wrote = m_Active && m_HeaderWritten;
    m_Active = false;
    if (!wrote)
        return {};
    return CTraceLog::Append(m_Path, StatisticsText(m_Statistics));
}

std::string CCsvTraceLog::HeaderText(uint16_t wavelength, const std::optional<Reference>& reference,
                                     double intervalS, const LocalDateTime& started,
                                     const std::string& program)
{
    return Comment("Wavelength (nm)", std::to_string(wavelength)) +
           Comment("Reference (dBm)",
                   FigureText(reference ? std::optional<double>(reference->dBm) : std::nullopt)) +
           Comment("Interval (s)", SecondsText(intervalS)) + Comment("Started", IsoDateTimeText(started)) +
           Comment("Program", program) + TitleRow;
}

std::string CCsvTraceLog::RowText(const TimedReading& reading, const LocalDateTime& at,
                                  const std::optional<Reference>& reference)
{
    // Readings below or above the range are marked, never written as numbers.
    const bool number = reading.state == ReadingState::Ok;
    std::string loss;
    if (number && reference && std::isfinite(reference->dBm))
        loss = TraceFixedText(double(reference->dBm) - double(reading.power), 2);
    return IsoDateTimeText(at, true) + "," + std::to_string(reading.wavelength) + "," +
           (number ? TraceFixedText(reading.power, 2) : std::string()) + "," + loss + "," +
           ReadingStateName(reading.state) + "\r\n";
}

std::string CCsvTraceLog::StatisticsText(const CWavelengthStatistics& statistics)
{
    std::string text;
    for (uint16_t wavelength : statistics.Wavelengths()) {
        const CReadingStatistics& s = *statistics.Of(wavelength);
        const auto power = [](const std::optional<CReadingStatistics::Extreme>& e) {
            return FigureText(e ? std::optional<double>(e->power) : std::nullopt);
        };
        text +=
            Comment("Wavelength (nm)", std::to_string(wavelength)) +
            Comment("Readings", std::to_string(s.Count())) + Comment("Minimum (dBm)", power(s.Minimum())) +
            Comment("Average (dBm)", FigureText(s.Average())) + Comment("Maximum (dBm)", power(s.Maximum())) +
            Comment("Std. deviation (dB)", FigureText(s.StdDeviation())) +
            Comment("Max - min (dB)", FigureText(s.Span()));
    }
    return text;
}

std::string CCsvTraceLog::RunText(const CStabilityRun& run)
{
    const StabilitySettings& settings = run.Settings();
    std::string text =
        Comment("Stability run (s)", std::to_string(settings.durationS)) +
        Comment("Run interval (s)", std::to_string(settings.intervalS)) +
        Comment("Tolerance (dB)", FigureText(settings.toleranceDb)) +
        Comment("Run ended", IsoDateTimeText(AddMilliseconds(run.StartedAt(), run.EndMs() - run.StartMs())));
    for (const StabilityResult& result : run.Results())
        text += Comment("Run at " + std::to_string(result.wavelength) + " nm",
                        "max - min " + FigureText(result.statistics.Span()) + " dB, drift " +
                            FigureText(result.drift) + " dB, " + VerdictName(result.verdict));
    return text + Comment("Run result", VerdictName(run.Verdict()));
}
