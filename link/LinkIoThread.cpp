#include "link/LinkIoThread.h"

#include "platform/hid/HidTransport.h"
#include "platform/hid/InstrumentUsb.h"

LinkIoThread::LinkIoThread(LinkIoEvents& events, int readTimeoutMs)
    : m_Events(events), m_ReadTimeoutMs(readTimeoutMs), m_Thread([this] { Run(); })
{
}

LinkIoThread::~LinkIoThread()
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Stop = true;
    }
    m_Wake.notify_all();
    m_Thread.join();
}

void LinkIoThread::Attach(std::unique_ptr<HidDevice> device)
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Incoming = std::move(device);
        m_Replace = true;
        m_Request.reset();
    }
    m_Wake.notify_all();
}

void LinkIoThread::Resume()
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Running = true;
    }
    m_Wake.notify_all();
}

void LinkIoThread::Pause()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Running = false;
}

bool LinkIoThread::IsRunning() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Running;
}

void LinkIoThread::Send(const std::vector<uint8_t>& report)
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Request = report;
    }
    m_Wake.notify_all();
}

void LinkIoThread::Run()
{
    std::unique_ptr<HidDevice> device;
    bool failed = false; // the device failed a read; wait for the next discovery
    std::vector<uint8_t> buffer(InstrumentReportSize);
    for (;;) {
        std::unique_ptr<HidDevice> retired;
        std::optional<std::vector<uint8_t>> request;
        {
            std::unique_lock<std::mutex> lock(m_Mutex);
            m_Wake.wait(lock, [&] { return m_Stop || m_Replace || (m_Running && device && !failed); });
            if (m_Stop)
                break;
            if (m_Replace) {
                retired = std::move(device);
                device = std::move(m_Incoming);
                m_Replace = false;
                failed = false;
            }
            if (m_Running && device && !failed)
                request.swap(m_Request);
            else
                continue; // retired closes on the way round, outside the lock
        }
        retired.reset();

        if (request)
            m_Events.OnWriteDone(device->Write(request->data(), request->size()).Ok());

        size_t count = 0;
        const HidResult read = device->Read(buffer.data(), buffer.size(), m_ReadTimeoutMs, count);
        if (read.Ok()) {
            if (count > 0 && IsRunning())
                m_Events.OnReportRead(buffer.data(), count);
        } else if (read.status != HidStatus::Timeout) {
            failed = true;
            m_Events.OnReadError();
        }
    }
}
