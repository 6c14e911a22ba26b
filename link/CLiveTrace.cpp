#include "link/CLiveTrace.h"

#include "link/LogPath.h"
#include "link/TraceFailure.h"
#include "link/TraceUi.h"

CLiveTrace::CLiveTrace(std::shared_ptr<HidTransport> transport, LinkClock& clock, LinkIo& io, TraceUi& ui,
                       std::string savePath)
    : m_Clock(clock), m_Ui(ui), m_Link(std::move(transport), clock, io, *this),
      m_Acquisition(std::move(savePath))
{
}

void CLiveTrace::Start()
{
    m_Link.FindMyDevice();
    m_Ui.ShowSavePath(m_Acquisition.SavePath());
    m_Ui.ShowSaveButton(false, false);
}

void CLiveTrace::Trace()
{
    m_Link.FindMyDevice();
    if (!m_Link.ProbeFound()) {
        m_Ui.ShowMessage("Please config USB to Communication Mode", "", "");
        return;
    }
    m_Link.ResumeWorkers();
    if (m_Link.Tracing())
        return;
    if (!m_Link.DeviceFound())
        m_Ui.ShowMessage("Trace Failed", "", TraceFailedDetail(m_Link.OpenFailure()));
    m_Link.StartPoll();
    m_Ui.ShowSaveButton(true, m_SaveChecked);
    m_TraceStarted = true;
}

void CLiveTrace::Stop()
{
    m_Link.StopPoll();
    m_Link.PauseWorkers();
    EndTrace();
}

void CLiveTrace::EndTrace()
{
    m_SaveChecked = false;
    m_Ui.ShowSaveButton(false, false);
    m_Acquisition.SetSaveStarted(false);
    m_TraceStarted = false;
}

void CLiveTrace::SetSaving(bool checked)
{
    m_SaveChecked = checked;
    m_Acquisition.SetSaveStarted(checked);
    m_Ui.ShowSaveButton(true, checked);
}

void CLiveTrace::ChooseLogFolder(const std::optional<std::string>& picked)
{
    if (picked)
        m_PickedFolder = *picked;
    if (m_PickedFolder.empty())
        return;
    m_Acquisition.SetSavePath(LogPathInFolder(m_PickedFolder));
    m_Ui.ShowSavePath(m_Acquisition.SavePath());
}

void CLiveTrace::StopPollTimer()
{
    m_Clock.KillTimer(LinkTimer::Poll);
}

void CLiveTrace::OnReading(const InstrumentReading& reading)
{
    const CTraceAcquisition::Outcome outcome =
        m_Acquisition.HandleReading(reading, m_SaveChecked, m_Clock.Now());
    if (!outcome.handled)
        return;
    if (outcome.repaintPage)
        m_Ui.RepaintPage();
    else
        m_Ui.RepaintChart();
    if (outcome.logError) {
        // The trace goes on without the log. "Start to Save" is released so
        // that it no longer says "Saving..."; pressing it again tries again.
        SetSaving(false);
        m_Ui.ShowMessage("Cannot write the trace log " + m_Acquisition.SavePath() + ": " + *outcome.logError,
                         "", "");
    }
}

void CLiveTrace::OnInstrumentLost()
{
    EndTrace();
    m_Ui.ShowMessage("Please power on and correctly set the USB mode", "Note", "");
}
