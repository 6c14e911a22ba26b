#pragma once

#include "link/AlarmLimits.h"
#include "link/CLiveLink.h"
#include "link/CTraceAcquisition.h"
#include "link/CsvTraceLog.h"
#include "link/LinkListener.h"
#include "link/LiveStatus.h"
#include "link/ReadingStatistics.h"
#include "link/ReferenceTable.h"
#include "link/StabilityRun.h"

#include <optional>
#include <string>
#include <vector>

class TraceUi;

// The live trace behind the AUTOTRACE page: its commands (Trace, Stop, Start
// to Save, SavePath), the link to the instrument and the acquired data, which
// only the commands and the readings change; and the bench around it: the
// reference each reading's loss is taken against, the statistics per
// wavelength, the alarm limits, every reading since Trace, a stability run,
// and the CSV log beside the text log. Plain C++ on one thread; QtLiveTrace
// binds it to Qt timers and the I/O thread.
class CLiveTrace : public LinkListener
{
public:
    // `program` names the program and its version in the CSV log.
    CLiveTrace(std::shared_ptr<HidTransport> transport, LinkClock& clock, LinkIo& io, TraceUi& ui,
               std::string savePath, std::string program = "kav");

    void Start(); // the page was created: a first discovery

    void Trace();
    void Stop();
    void SetSaving(bool checked); // the "Start to Save" button changed state
    // The folder picker's answer (nothing when cancelled): the folder picked
    // last in this run is used again.
    void ChooseLogFolder(const std::optional<std::string>& picked);
    void StopPollTimer();
    void OnTimer(LinkTimer timer); // every timer of the clock comes here

    // "Set Reference": the last reading becomes its wavelength's reference.
    // False, changing nothing, without a last reading with a number.
    bool SetReference();
    // Back to the instrument's reference for the last reading's wavelength.
    void UseInstrumentReference();
    void ResetStatistics();
    void SetAlarmLimits(uint16_t wavelength, const AlarmLimits& limits);
    // Starts a stability run over the readings to come; false, starting
    // nothing, while no trace runs. A run that was on ends, stopped.
    bool StartRun(const StabilitySettings& settings);
    void StopRun();

    bool TraceStarted() const { return m_TraceStarted; }
    bool Saving() const { return m_SaveChecked; }
    CLiveLink& Link() { return m_Link; }
    const CLiveLink& Link() const { return m_Link; }
    const CTraceAcquisition& Acquisition() const { return m_Acquisition; }
    const LiveStatus& Status() const { return m_Status; }

    // The last reading with a wavelength, of this trace or the one before.
    const std::optional<TimedReading>& LastReading() const { return m_LastReading; }
    // The alarm the last reading raised.
    AlarmLevel Alarm() const { return m_Alarm; }
    const CReferenceTable& References() const { return m_References; }
    // Since the trace started, or since the last reset.
    const CWavelengthStatistics& Statistics() const { return m_Statistics; }
    const CAlarmLimits& Alarms() const { return m_Alarms; }
    // Every reading with a wavelength since the trace started.
    const std::vector<TimedReading>& History() const { return m_History; }
    // The last stability run, on or ended; null before the first.
    const CStabilityRun* Run() const { return m_Run ? &*m_Run : nullptr; }
    // The local time of a reading's steady time; and now, on the clock.
    LocalDateTime TimeOf(int64_t atMs) const;
    LocalDateTime Now() const { return m_Clock.Now(); }
    int64_t ElapsedMs() const { return m_Clock.ElapsedMs(); }

    void OnReading(const InstrumentReading& reading) override;
    void OnInstrumentLost() override;
    void OnSilence() override;

private:
    void EndTrace(RunEnding runEnding); // what Stop and a lost instrument both undo
    void EndRun(RunEnding ending);
    void SetStatus(LiveState state, LiveReason reason, const std::string& detail = {});
    void ShowLogFailure(const std::string& path, const std::string& reason);
    void LogToCsv(const TimedReading& reading);
    void EndCsvBlock();

    LinkClock& m_Clock;
    TraceUi& m_Ui;
    CLiveLink m_Link;
    CTraceAcquisition m_Acquisition;
    CCsvTraceLog m_CsvLog;
    bool m_TraceStarted = false;
    bool m_SaveChecked = false; // the "Start to Save" button, pressed in
    std::string m_PickedFolder;
    LiveStatus m_Status;

    // The local time at the steady time m_BaseMs, from which each reading's
    // local time follows.
    LocalDateTime m_BaseTime;
    int64_t m_BaseMs = 0;

    std::optional<TimedReading> m_LastReading;
    AlarmLevel m_Alarm = AlarmLevel::None;
    CReferenceTable m_References;
    CWavelengthStatistics m_Statistics;
    CAlarmLimits m_Alarms;
    std::vector<TimedReading> m_History;
    std::optional<CStabilityRun> m_Run;
};
