#pragma once

#include "link/LinkClock.h"
#include "link/ReportDecoder.h"

#include <optional>
#include <string>
#include <vector>

// The live trace's data: the texts the chart shows, the series of power
// samples it draws and the log of the readings. Used on one thread (the UI
// thread in the program), so a report's update and a paint never interleave.
// Only readings and the page's commands change it: painting the chart, for
// the screen, a printer or a picture, reads it and leaves it as it was.
class CTraceAcquisition
{
public:
    static constexpr size_t SeriesLimit = 240; // two minutes at two samples a second

    explicit CTraceAcquisition(std::string savePath);

    struct Outcome
    {
        bool handled = false;                // false: wavelength 0, nothing changed
        bool repaintPage = false;            // a text changed or the series was emptied
        std::optional<std::string> logError; // the log could not be written: the system's reason
    };

    // One reading from the instrument; saving is the "Start to Save" state.
    Outcome HandleReading(const InstrumentReading& reading, bool saving, const LocalDateTime& now);

    void SetSaveStarted(bool started) { m_SaveStarted = started; }
    void SetSavePath(const std::string& path);

    const std::string& TraceWaveLength() const { return m_TraceWaveLength; }
    const std::string& TraceReference() const { return m_TraceReference; }
    const std::string& TracePower() const { return m_TracePower; }
    const std::vector<float>& TraceSeries() const { return m_TraceSeries; }
    const std::string& SavePath() const { return m_SavePath; }
    int WaveFlag() const { return m_WaveFlag; }
    bool RefChanged() const { return m_RefChanged; }
    bool SaveStarted() const { return m_SaveStarted; }
    bool NewSavePath() const { return m_NewSavePath; }

private:
    void RestartPendingChart();
    bool HeaderDue() const;
    void ConsumeHeader();
    std::string LogLine(const std::string& powerText, const LocalDateTime& now) const;

    std::string m_TraceWaveLength;
    std::string m_TraceReference;
    std::string m_TracePower;
    std::vector<float> m_TraceSeries;
    // 0 nothing pending, 1 new wavelength, 2 handled, the chart restarts with the next reading.
    int m_WaveFlag = 0;
    bool m_RefChanged = false;
    bool m_SaveStarted = false;
    bool m_NewSavePath = false;
    std::string m_SavePath;
};
