#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

// What became of one HID call. A failure says whether the device is missing,
// not this user's to open, or failing otherwise, so the user can be told why.
enum class HidStatus
{
    Ok,
    Timeout,  // a read's time-out passed without a report
    NoDevice, // the device is not, or no longer, there
    NoAccess, // the device is there but this user may not open it
    Io        // any other failure of the system or of the HID library
};

struct HidResult
{
    HidStatus status = HidStatus::Ok;
    std::string reason; // the system's words for a failure; empty for Ok and Timeout

    bool Ok() const { return status == HidStatus::Ok; }
};

// The result of a call that failed with the system's error: the one
// translation of the system's codes into a status. An empty error (the call
// failed without saying why) is an I/O failure.
HidResult HidFailure(std::error_code error);

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

    // Reads one input report into buffer and sets count to its length. A
    // device without numbered reports delivers its report without the
    // report-ID byte. Timeout when timeoutMs passed without a report; a
    // failure means the device is gone or broken.
    virtual HidResult Read(uint8_t* buffer, size_t size, int timeoutMs, size_t& count) = 0;

    // Writes one output report; data[0] is the report ID (0 when the device
    // has no numbered reports). Blocks until the report is sent.
    virtual HidResult Write(const uint8_t* data, size_t size) = 0;
};

class HidTransport
{
public:
    virtual ~HidTransport() = default;

    // The HID interfaces present now, in the system's order.
    virtual std::vector<HidDeviceInfo> Enumerate() = 0;

    // Opens the interface at path for reading and writing. device is set
    // exactly when the result is Ok.
    virtual HidResult Open(const std::string& path, std::unique_ptr<HidDevice>& device) = 0;
};

// The system's HID devices through hidapi.
std::shared_ptr<HidTransport> CreateSystemHidTransport();
