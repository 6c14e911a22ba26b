#pragma once

#include "link/LinkClock.h"
#include "link/LinkIo.h"
#include "platform/hid/HidTransport.h"

#include <memory>
#include <vector>

class LinkListener;

// The USB link to the instrument: discovery, the 500 ms poll with at most one
// request in flight, and the 3 s watchdog. It runs on one thread (the UI
// thread in the program), so two discoveries never overlap; the device itself
// is used only by the LinkIo worker.
class CLiveLink : public LinkIoEvents
{
public:
    static constexpr int PollPeriodMs = 500;
    static constexpr int WatchdogPeriodMs = 3000;
    // Poll ticks without a report after which the trace is told that the
    // instrument is silent: as long as the watchdog waits.
    static constexpr int SilentPolls = WatchdogPeriodMs / PollPeriodMs;

    // The 65-byte output report that asks for a reading: report ID 0, "KAV-12", 0xA5.
    static std::vector<uint8_t> PollRequest();

    CLiveLink(std::shared_ptr<HidTransport> transport, LinkClock& clock, LinkIo& io, LinkListener& listener);

    // Discovery: the first listed instrument that matches and opens wins.
    void FindMyDevice();
    bool DeviceFound() const { return m_MyDevFound; } // MyDevFound
    bool ProbeFound() const { return m_ProbeFound; }  // m_ProbeFound: an instrument is listed
    // Why the last discovery could not open the instrument it listed (Ok when
    // it opened one or listed none); the first failure when several were.
    const HidResult& OpenFailure() const { return m_OpenFailure; }
    bool DataInSending() const { return m_DataInSending; }
    bool DataSeen() const { return m_DataSeen; }

    void StartPoll();
    void StopPoll();
    bool Tracing() const { return m_Tracing; } // m_Tracing: the poll was started and not stopped

    void ResumeWorkers() { m_Io.Resume(); }
    void PauseWorkers() { m_Io.Pause(); }

    void OnTimer(LinkTimer timer);

    void OnReportRead(const uint8_t* data, size_t size) override;
    void OnReadError() override;
    void OnWriteDone(bool written) override;

private:
    void Poll();
    void Watchdog();

    std::shared_ptr<HidTransport> m_Transport;
    LinkClock& m_Clock;
    LinkIo& m_Io;
    LinkListener& m_Listener;

    bool m_MyDevFound = false;
    bool m_ProbeFound = false;
    HidResult m_OpenFailure;
    bool m_DataInSending = false;
    bool m_DataSeen = false;
    bool m_Tracing = false;
    int m_TicksWithoutReport = 0;
};
