#include "link/CLiveTrace.h"

#include "link/LocalTime.h"
#include "link/LogPath.h"
#include "link/TraceFailure.h"
#include "link/TraceUi.h"
#include "platform/Translatable.h"

namespace {
const char* const NotListedDetail =
    KAV_TRANSLATABLE("LiveTrace", "No instrument was found on USB. Check that it is plugged in and switched "
                                  "on, and that its USB mode is Communication.");
} // namespace

CLiveTrace::CLiveTrace(std::shared_ptr<HidTransport> transport, LinkClock& clock, LinkIo& io, TraceUi& ui,
                       std::string savePath, std::string program)
    : m_Clock(clock), m_Ui(ui), m_Link(std::move(transport), clock, io, *this),
      m_Acquisition(std::move(savePath)), m_CsvLog(std::move(program), CLiveLink::PollPeriodMs / 1000.0)
{
    m_Status.pollPeriodMs = CLiveLink::PollPeriodMs;
}

void CLiveTrace::Start()
{
    m_Link.FindMyDevice();
    m_Ui.ShowSavePath(m_Acquisition.SavePath());
    m_Ui.ShowSaveButton(false, false);
    if (m_Link.ProbeFound())
        SetStatus(LiveState::Stopped, LiveReason::None);
    else
        SetStatus(LiveState::NoInstrument, LiveReason::NotListed);
}

void CLiveTrace::Trace()
{
    m_Link.FindMyDevice();
    if (!m_Link.ProbeFound()) {
        SetStatus(LiveState::NoInstrument, LiveReason::NotListed);
        m_Ui.ShowMessage("Please config USB to Communication Mode", "", NotListedDetail);
        return;
    }
    m_Link.ResumeWorkers();
    if (m_Link.Tracing())
        return;
    m_BaseTime = m_Clock.Now();
    m_BaseMs = m_Clock.ElapsedMs();
    // A new trace: its readings, their statistics and its log count start afresh.
    m_History.clear();
    m_Statistics.Reset();
    m_Status.logged = 0;
    if (m_Link.DeviceFound()) {
        SetStatus(LiveState::Waiting, LiveReason::NoReadingYet);
    } else {
        const std::string detail = TraceFailedDetail(m_Link.OpenFailure());
        SetStatus(LiveState::Waiting, LiveReason::CannotOpen, detail);
        m_Ui.ShowMessage("Trace Failed", "", detail);
    }
    m_Link.StartPoll();
    m_Ui.ShowSaveButton(true, m_SaveChecked);
    m_TraceStarted = true;
}

void CLiveTrace::Stop()
{
    m_Link.StopPoll();
    m_Link.PauseWorkers();
    EndTrace(RunEnding::Stopped);
    SetStatus(LiveState::Stopped, LiveReason::StoppedByUser);
}

void CLiveTrace::EndTrace(RunEnding runEnding)
{
    EndRun(runEnding);
    if (m_SaveChecked)
        EndCsvBlock();
    m_SaveChecked = false;
    m_Ui.ShowSaveButton(false, false);
    m_Acquisition.SetSaveStarted(false);
    m_TraceStarted = false;
}

void CLiveTrace::SetSaving(bool checked)
{
    if (checked && !m_SaveChecked)
        m_CsvLog.Begin(CCsvTraceLog::PathBeside(m_Acquisition.SavePath()), m_Clock.Now());
    if (!checked && m_SaveChecked)
        EndCsvBlock();
    m_SaveChecked = checked;
    m_Acquisition.SetSaveStarted(checked);
    m_Ui.ShowSaveButton(true, checked);
    m_Status.saving = checked;
    m_Ui.ShowStatus(m_Status);
}

void CLiveTrace::ChooseLogFolder(const std::optional<std::string>& picked)
{
    if (picked)
        m_PickedFolder = *picked;
    if (m_PickedFolder.empty())
        return;
    m_Acquisition.SetSavePath(LogPathInFolder(m_PickedFolder));
    m_Ui.ShowSavePath(m_Acquisition.SavePath());
    // Saving goes on in the new folder, with a block of its own.
    if (m_SaveChecked) {
        EndCsvBlock();
        m_CsvLog.Begin(CCsvTraceLog::PathBeside(m_Acquisition.SavePath()), m_Clock.Now());
    }
    m_Status.logPath = m_Acquisition.SavePath();
    m_Ui.ShowStatus(m_Status);
}

void CLiveTrace::StopPollTimer()
{
    m_Clock.KillTimer(LinkTimer::Poll);
}

void CLiveTrace::OnTimer(LinkTimer timer)
{
    if (timer == LinkTimer::RunEnd)
        EndRun(RunEnding::Completed);
    else
        m_Link.OnTimer(timer);
}

bool CLiveTrace::SetReference()
{
    if (!m_LastReading || m_LastReading->state != ReadingState::Ok)
        return false;
    m_References.Set(m_LastReading->wavelength, m_LastReading->power, m_Clock.Now());
    m_Ui.RepaintPage();
    return true;
}

void CLiveTrace::UseInstrumentReference()
{
    if (!m_LastReading)
        return;
    m_References.UseInstrument(m_LastReading->wavelength);
    m_Ui.RepaintPage();
}

void CLiveTrace::ResetStatistics()
{
    m_Statistics.Reset();
    m_Ui.RepaintPage();
}

void CLiveTrace::SetAlarmLimits(uint16_t wavelength, const AlarmLimits& limits)
{
    m_Alarms.Set(wavelength, limits);
    if (m_LastReading)
        m_Alarm = m_Alarms.Check(*m_LastReading);
    m_Ui.RepaintPage();
}

bool CLiveTrace::StartRun(const StabilitySettings& settings)
{
    if (!m_TraceStarted)
        return false;
    EndRun(RunEnding::Stopped);
    m_Run.emplace(settings, m_Clock.ElapsedMs(), m_Clock.Now());
    m_Clock.SetTimer(LinkTimer::RunEnd, settings.durationS * 1000);
    m_Ui.RepaintPage();
    return true;
}

void CLiveTrace::StopRun()
{
    EndRun(RunEnding::Stopped);
}

void CLiveTrace::EndRun(RunEnding ending)
{
    if (!m_Run || m_Run->IsOver()) {
        m_Clock.KillTimer(LinkTimer::RunEnd);
        return;
    }
    m_Clock.KillTimer(LinkTimer::RunEnd);
    m_Run->End(ending, m_Clock.ElapsedMs());
    if (m_SaveChecked) {
        const IoResult written = m_CsvLog.AppendRun(*m_Run);
        if (!written.ok())
            ShowLogFailure(m_CsvLog.Path(), written.reason);
    }
    m_Ui.RunEnded();
}

LocalDateTime CLiveTrace::TimeOf(int64_t atMs) const
{
    return AddMilliseconds(m_BaseTime, atMs - m_BaseMs);
}

void CLiveTrace::SetStatus(LiveState state, LiveReason reason, const std::string& detail)
{
    m_Status.state = state;
    m_Status.reason = reason;
    m_Status.detail = detail;
    m_Status.saving = m_SaveChecked;
    m_Status.logPath = m_Acquisition.SavePath();
    m_Ui.ShowStatus(m_Status);
}

void CLiveTrace::OnReading(const InstrumentReading& reading)
{
    const CTraceAcquisition::Outcome outcome =
        m_Acquisition.HandleReading(reading, m_SaveChecked, m_Clock.Now());
    if (!outcome.handled) {
        // It answers, but has no power reading to give: it is not measuring
        // power.
        if (m_TraceStarted && reading.wavelength == 0 && !m_Status.WrongMode()) {
            SetStatus(LiveState::Waiting, LiveReason::WrongMode);
            m_Ui.RepaintPage();
        }
        return;
    }
    const TimedReading timed{m_Clock.ElapsedMs(), reading.power, reading.wavelength,
                             StateOfPower(reading.power)};
    m_References.NoteInstrument(reading.wavelength, reading.reference);
    m_LastReading = timed;
    m_History.push_back(timed);
    m_Statistics.Add(timed);
    m_Alarm = m_Alarms.Check(timed);
    if (m_Run && !m_Run->IsOver()) {
        m_Run->Offer(timed);
        if (m_Run->IsOver())
            EndRun(RunEnding::Completed);
    }

    if (outcome.logError) {
        ShowLogFailure(m_Acquisition.SavePath(), *outcome.logError);
    } else if (m_SaveChecked) {
        ++m_Status.logged;
        LogToCsv(timed);
    }
    const bool wasRunning = m_Status.state == LiveState::Running;
    if (!wasRunning || m_SaveChecked)
        SetStatus(LiveState::Running, LiveReason::None);
    if (outcome.repaintPage || !wasRunning)
        m_Ui.RepaintPage();
    else
        m_Ui.RepaintChart();
}

void CLiveTrace::LogToCsv(const TimedReading& reading)
{
    const IoResult written =
        m_CsvLog.Append(reading, TimeOf(reading.atMs), m_References.Of(reading.wavelength));
    if (!written.ok())
        ShowLogFailure(m_CsvLog.Path(), written.reason);
}

void CLiveTrace::EndCsvBlock()
{
    const IoResult written = m_CsvLog.End();
    if (!written.ok())
        ShowLogFailure(m_CsvLog.Path(), written.reason);
}

void CLiveTrace::ShowLogFailure(const std::string& path, const std::string& reason)
{
    // The trace goes on without the log. "Start to Save" is released so that
    // it no longer says "Saving..."; pressing it again tries again.
    if (m_SaveChecked) {
        m_SaveChecked = false;
        m_CsvLog.End();
        m_Acquisition.SetSaveStarted(false);
        m_Ui.ShowSaveButton(m_TraceStarted, false);
    }
    m_Ui.ShowMessage("Cannot write the trace log " + path + ": " + reason, "", "");
}

void CLiveTrace::OnInstrumentLost()
{
    EndTrace(RunEnding::InstrumentLost);
    SetStatus(LiveState::NoInstrument, LiveReason::Lost);
    m_Ui.ShowMessage("Please power on and correctly set the USB mode", "Note", "");
}

void CLiveTrace::OnSilence()
{
    const bool asking = m_Status.state == LiveState::Running ||
                        (m_Status.state == LiveState::Waiting && m_Status.reason == LiveReason::NoReadingYet);
    if (m_TraceStarted && asking) {
        SetStatus(LiveState::Waiting, LiveReason::NoAnswer);
        m_Ui.RepaintPage();
    }
}
