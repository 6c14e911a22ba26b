#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class HidDevice;

// What the worker that owns the device reports back. In the program these
// calls are handed to the UI thread before the link sees them.
class LinkIoEvents
{
public:
    virtual ~LinkIoEvents() = default;
    virtual void OnReportRead(const uint8_t* data, size_t size) = 0; // a read that transferred data
    virtual void OnReadError() = 0;                                  // the device failed a read
    virtual void OnWriteDone(bool written) = 0;                      // a request completed or failed
};

// The worker that alone uses the open device: it reads input reports while it
// runs and sends the requests handed to it. A paused worker does no I/O.
class LinkIo
{
public:
    virtual ~LinkIo() = default;

    // Hands over the device of a new discovery (nullptr: none). The previous
    // device is closed once no operation on it is pending.
    virtual void Attach(std::unique_ptr<HidDevice> device) = 0;

    // One resume runs a paused worker, however often it was paused.
    virtual void Resume() = 0;
    virtual void Pause() = 0;
    virtual bool IsRunning() const = 0;

    // Sends one output report (report ID first); completion comes as
    // OnWriteDone.
    virtual void Send(const std::vector<uint8_t>& report) = 0;
};
