#include "tests/link/VirtualLinkRig.h"

#include "link/LocalTime.h"

LocalDateTime VirtualLinkClock::Now() const
{
    return AddMilliseconds(Start, m_NowMs);
}

std::vector<LinkTimer> VirtualLinkClock::Step(int ms)
{
    m_NowMs += ms;
    std::vector<LinkTimer> fired;
    for (auto& [id, timer] : m_Timers) {
        if (timer.due <= m_NowMs) {
            fired.push_back(id);
            timer.due += timer.period;
        }
    }
    return fired;
}

void SyncLinkIo::Attach(std::unique_ptr<HidDevice> device)
{
    m_Device = std::move(device);
    m_Failed = false;
    m_Request.clear();
}

void SyncLinkIo::Pump()
{
    if (!m_Running || !m_Device || m_Failed)
        return;
    if (!m_Request.empty() && !m_Instrument.WritesHeld()) {
        const bool written = m_Device->Write(m_Request.data(), m_Request.size()).Ok();
        m_Request.clear();
        m_Events->OnWriteDone(written);
    }
    uint8_t buffer[65];
    size_t count = 0;
    const HidResult read = m_Device->Read(buffer, sizeof buffer, 0, count);
    if (read.Ok() && count > 0) {
        m_Events->OnReportRead(buffer, count);
    } else if (!read.Ok() && read.status != HidStatus::Timeout) {
        m_Failed = true;
        m_Events->OnReadError();
    }
}

VirtualLinkRig::VirtualLinkRig(const std::string& savePath) : trace(instrument, clock, io, ui, savePath)
{
    io.SetEvents(trace.Link());
    trace.Start();
}

void VirtualLinkRig::Advance(int ms)
{
    constexpr int StepMs = 10;
    for (int passed = 0; passed < ms; passed += StepMs) {
        // A timer that an earlier one killed in this step does not fire.
        for (LinkTimer timer : clock.Step(StepMs))
            if (clock.IsTimerRunning(timer))
                trace.OnTimer(timer);
        io.Pump();
    }
}
