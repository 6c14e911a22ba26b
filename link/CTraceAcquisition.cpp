#include "link/CTraceAcquisition.h"

#include "link/CTraceLog.h"
#include "link/TraceText.h"

#include <cstdio>

CTraceAcquisition::CTraceAcquisition(std::string savePath) : m_SavePath(std::move(savePath)) {}

void CTraceAcquisition::SetSavePath(const std::string& path)
{
    m_SavePath = path;
    m_NewSavePath = true;
}

CTraceAcquisition::Outcome CTraceAcquisition::HandleReading(const InstrumentReading& reading, bool saving,
                                                            const LocalDateTime& now)
{
    Outcome outcome;
    if (reading.wavelength == 0)
        return outcome;
    outcome.handled = true;
    RestartPendingChart();

    const std::string waveLength = std::to_string(reading.wavelength);
    if (waveLength != m_TraceWaveLength) {
        m_TraceWaveLength = waveLength;
        m_WaveFlag = 1;
        outcome.repaintPage = true;
    }
    const std::string reference = TraceFixedText(reading.reference, 2);
    if (reference != m_TraceReference) {
        m_RefChanged = true;
        outcome.repaintPage = true;
    }
    m_TraceReference = reference;
    m_TracePower = PowerText(reading.power);

    if (saving) {
        const IoResult written = CTraceLog::Append(m_SavePath, LogLine(m_TracePower, now));
        // A header that could not be written stays due for the next line.
        if (written.ok())
            ConsumeHeader();
        else
            outcome.logError = written.reason;
    }

    m_TraceSeries.push_back(reading.power);
    if (m_TraceSeries.size() >= SeriesLimit || m_WaveFlag == 1) {
        if (m_WaveFlag == 1)
            m_WaveFlag = 2;
        m_TraceSeries.clear();
        outcome.repaintPage = true;
    }
    return outcome;
}

bool CTraceAcquisition::HeaderDue() const
{
    return m_WaveFlag == 1 || m_SaveStarted || m_RefChanged || m_NewSavePath;
}

void CTraceAcquisition::ConsumeHeader()
{
    if (m_WaveFlag == 1)
        m_WaveFlag = 2;
    m_SaveStarted = false;
    m_RefChanged = false;
    m_NewSavePath = false;
}

std::string CTraceAcquisition::LogLine(const std::string& powerText, const LocalDateTime& now) const
{
    std::string line;
    if (HeaderDue())
        line = "\r\n" + m_TraceWaveLength + "nm" + "Ref.=" + m_TraceReference + "dBm\r\n";
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "\t%4d-%02d-%02d  %02d:%02d:%02d\r\n", now.year, now.month, now.day,
                  now.hour, now.minute, now.second);
    return line + powerText + stamp;
}

void CTraceAcquisition::RestartPendingChart()
{
    // A wavelength change that the log took first kept the series, so the
    // chart could still show the reading that brought the change; the chart
    // starts again with the reading after it. (After a change the series took
    // itself, it is empty already.)
    if (m_WaveFlag != 2)
        return;
    m_WaveFlag = 0;
    m_TraceSeries.clear();
}
