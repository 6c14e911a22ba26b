#pragma once

#include "link/CLiveLink.h"
#include "link/CTraceAcquisition.h"
#include "link/LinkListener.h"

#include <optional>
#include <string>

class TraceUi;

// The live trace behind the AUTOTRACE page: its commands (Trace, Stop, Start
// to Save, SavePath), the link to the instrument and the acquired data, which
// only the commands and the readings change. Plain C++ on one thread;
// QtLiveTrace binds it to Qt timers and the I/O thread.
class CLiveTrace : public LinkListener
{
public:
    CLiveTrace(std::shared_ptr<HidTransport> transport, LinkClock& clock, LinkIo& io, TraceUi& ui,
               std::string savePath);

    void Start(); // the page was created: a first discovery

    void Trace();
    void Stop();
    void SetSaving(bool checked); // the "Start to Save" button changed state
    // The folder picker's answer (nothing when cancelled): the folder picked
    // last in this run is used again.
    void ChooseLogFolder(const std::optional<std::string>& picked);
    void StopPollTimer();

    bool TraceStarted() const { return m_TraceStarted; }
    bool Saving() const { return m_SaveChecked; }
    CLiveLink& Link() { return m_Link; }
    const CLiveLink& Link() const { return m_Link; }
    const CTraceAcquisition& Acquisition() const { return m_Acquisition; }

    void OnReading(const InstrumentReading& reading) override;
    void OnInstrumentLost() override;

private:
    void EndTrace(); // what Stop and a lost instrument both undo

    LinkClock& m_Clock;
    TraceUi& m_Ui;
    CLiveLink m_Link;
    CTraceAcquisition m_Acquisition;
    bool m_TraceStarted = false;
    bool m_SaveChecked = false; // the "Start to Save" button, pressed in
    std::string m_PickedFolder;
};
