#include "link/CLiveLink.h"

#include "link/LinkListener.h"
#include "platform/hid/InstrumentUsb.h"

CLiveLink::CLiveLink(std::shared_ptr<HidTransport> transport, LinkClock& clock, LinkIo& io,
                     LinkListener& listener)
    : m_Transport(std::move(transport)), m_Clock(clock), m_Io(io), m_Listener(listener)
{
}

std::vector<uint8_t> CLiveLink::PollRequest()
{
    std::vector<uint8_t> request(InstrumentReportSize, 0);
    const uint8_t text[] = {'K', 'A', 'V', '-', '1', '2', 0xA5};
    std::copy(std::begin(text), std::end(text), request.begin() + 1);
    return request;
}

void CLiveLink::FindMyDevice()
{
    m_MyDevFound = false;
    m_ProbeFound = false;
    m_OpenFailure = {};
    std::unique_ptr<HidDevice> device;
    for (const HidDeviceInfo& info : m_Transport->Enumerate()) {
        if (info.vendorId != InstrumentVendorId || info.productId != InstrumentProductId ||
            info.release != InstrumentRelease)
            continue;
        m_ProbeFound = true;
        const HidResult opened = m_Transport->Open(info.path, device);
        if (device)
            break;
        if (m_OpenFailure.Ok())
            m_OpenFailure = opened;
    }
    // The worker closes the previous device once it is no longer in use.
    m_MyDevFound = device != nullptr;
    m_Io.Attach(std::move(device));
    if (m_MyDevFound)
        m_DataInSending = false;
}

void CLiveLink::StartPoll()
{
    m_Clock.SetTimer(LinkTimer::Poll, PollPeriodMs);
    m_Tracing = true;
    m_TicksWithoutReport = 0;
}

void CLiveLink::StopPoll()
{
    m_Clock.KillTimer(LinkTimer::Poll);
    m_Tracing = false;
}

void CLiveLink::OnTimer(LinkTimer timer)
{
    if (timer == LinkTimer::Poll) {
        if (++m_TicksWithoutReport == SilentPolls)
            m_Listener.OnSilence();
        Poll();
    } else if (timer == LinkTimer::Watchdog) {
        Watchdog();
    }
}

void CLiveLink::Poll()
{
    if (!m_MyDevFound || m_DataInSending)
        return;
    m_DataInSending = true;
    m_Io.Send(PollRequest());
}

void CLiveLink::Watchdog()
{
    if (!m_DataSeen)
        return;
    FindMyDevice();
    if (m_MyDevFound)
        return;
    m_Clock.KillTimer(LinkTimer::Watchdog);
    StopPoll();
    m_DataSeen = false;
    PauseWorkers();
    m_Listener.OnInstrumentLost();
}

void CLiveLink::OnReportRead(const uint8_t* data, size_t size)
{
    // A report still queued from before a pause or a loss is stale.
    if (size == 0 || !m_Io.IsRunning())
        return;
    m_DataSeen = true;
    m_TicksWithoutReport = 0;
    m_Clock.SetTimer(LinkTimer::Watchdog, WatchdogPeriodMs);
    if (const auto reading = DecodeReport(data, size))
        m_Listener.OnReading(*reading);
}

void CLiveLink::OnReadError()
{
    FindMyDevice();
}

void CLiveLink::OnWriteDone(bool)
{
    m_DataInSending = false;
}
