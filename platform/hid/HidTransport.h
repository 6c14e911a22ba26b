#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One HID interface as the system lists it.
struct HidDeviceInfo
{
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t release = 0; // the device's version number (bcdDevice)
};

// An opened HID device. It promises no thread safety: one thread at a time
// calls it, and it is destroyed (closed) only when no call on it is pending.
class HidDevice
{
public:
    virtual ~HidDevice() = default;

    // Reads one input report. A device without numbered reports delivers its
    // report without the report-ID byte. Returns the bytes read, 0 when
    // timeoutMs passed without a report, -1 on error (device gone).
    virtual int Read(uint8_t* buffer, size_t size, int timeoutMs) = 0;

    // Writes one output report; data[0] is the report ID (0 when the device
    // has no numbered reports). Blocks until the report is sent. Returns the
    // bytes written or -1 on error.
    virtual int Write(const uint8_t* data, size_t size) = 0;
};

class HidTransport
{
public:
    virtual ~HidTransport() = default;

    // The HID interfaces present now, in the system's order.
    virtual std::vector<HidDeviceInfo> Enumerate() = 0;

    // Opens the interface at path for reading and writing; nullptr when it
    // cannot be opened (gone, or no access).
    virtual std::unique_ptr<HidDevice> Open(const std::string& path) = 0;
};

// The system's HID devices through hidapi.
std::shared_ptr<HidTransport> CreateSystemHidTransport();
