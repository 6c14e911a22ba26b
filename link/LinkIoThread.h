#pragma once

#include "link/LinkIo.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// The link's worker: one thread that owns the open device, reads with a short
// time-out so it sees new requests, pauses and the stop flag, and writes the
// requests handed to it. hidapi promises no thread safety, so nothing else
// touches the device; a replaced device is closed on this thread between two
// operations. Events are called on the worker thread.
class LinkIoThread : public LinkIo
{
public:
    explicit LinkIoThread(LinkIoEvents& events, int readTimeoutMs = 50);
    ~LinkIoThread() override; // stops the thread and closes the device
    LinkIoThread(const LinkIoThread&) = delete;
    LinkIoThread& operator=(const LinkIoThread&) = delete;

    void Attach(std::unique_ptr<HidDevice> device) override;
    void Resume() override;
    void Pause() override;
    bool IsRunning() const override;
    void Send(const std::vector<uint8_t>& report) override;

private:
    void Run();

    LinkIoEvents& m_Events;
    const int m_ReadTimeoutMs;

    mutable std::mutex m_Mutex; // guards the members below it
    std::condition_variable m_Wake;
    bool m_Stop = false;
    bool m_Running = false;
    bool m_Replace = false; // m_Incoming waits to replace the device
    std::unique_ptr<HidDevice> m_Incoming;
    std::optional<std::vector<uint8_t>> m_Request;

    std::thread m_Thread; // last, so it starts after everything it uses
};
