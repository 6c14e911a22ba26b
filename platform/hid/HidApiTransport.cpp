#include "platform/files/IoResult.h"
#include "platform/hid/HidTransport.h"

#include <hidapi.h>

namespace {

// hidapi answers a failed call with -1 or a null handle; the system's error
// of that call says why. (hidapi's own error texts are not used: they repeat
// the system's reason, and reading them after a failed open is not safe in
// every hidapi release.)
HidResult LastHidApiFailure()
{
    return HidFailure(LastSystemError());
}

// hid_init and hid_exit bracket every use of hidapi; devices keep the library
// alive, so a device may outlive the transport that opened it.
class HidApiLibrary
{
public:
    HidApiLibrary()
    {
        ClearSystemError();
        if (hid_init() != 0)
            m_Failure = LastHidApiFailure();
    }
    ~HidApiLibrary() { hid_exit(); }
    HidApiLibrary(const HidApiLibrary&) = delete;
    HidApiLibrary& operator=(const HidApiLibrary&) = delete;
    const HidResult& Readiness() const { return m_Failure; }

private:
    HidResult m_Failure;
};

class HidApiDevice : public HidDevice
{
public:
    HidApiDevice(std::shared_ptr<HidApiLibrary> library, hid_device* handle)
        : m_Library(std::move(library)), m_Handle(handle)
    {
    }
    ~HidApiDevice() override { hid_close(m_Handle); }
    HidApiDevice(const HidApiDevice&) = delete;
    HidApiDevice& operator=(const HidApiDevice&) = delete;

    HidResult Read(uint8_t* buffer, size_t size, int timeoutMs, size_t& count) override
    {
        count = 0;
        ClearSystemError();
        const int read = hid_read_timeout(m_Handle, buffer, size, timeoutMs);
        if (read < 0)
            return LastHidApiFailure();
        if (read == 0)
            return {HidStatus::Timeout, {}};
        count = static_cast<size_t>(read);
        return {};
    }

    HidResult Write(const uint8_t* data, size_t size) override
    {
        ClearSystemError();
        if (hid_write(m_Handle, data, size) < 0)
            return LastHidApiFailure();
        return {};
    }

private:
    std::shared_ptr<HidApiLibrary> m_Library;
    hid_device* m_Handle;
};

class HidApiTransport : public HidTransport
{
public:
    HidApiTransport() : m_Library(std::make_shared<HidApiLibrary>()) {}

    std::vector<HidDeviceInfo> Enumerate() override
    {
        std::vector<HidDeviceInfo> devices;
        if (!m_Library->Readiness().Ok())
            return devices;
        hid_device_info* list = hid_enumerate(0, 0);
        for (const hid_device_info* info = list; info != nullptr; info = info->next) {
            HidDeviceInfo device;
            device.path = info->path != nullptr ? info->path : "";
            device.vendorId = info->vendor_id;
            device.productId = info->product_id;
            device.release = info->release_number;
            devices.push_back(device);
        }
        hid_free_enumeration(list);
        return devices;
    }

    HidResult Open(const std::string& path, std::unique_ptr<HidDevice>& device) override
    {
        device.reset();
        if (!m_Library->Readiness().Ok())
            return m_Library->Readiness();
        ClearSystemError();
        hid_device* handle = hid_open_path(path.c_str());
        if (handle == nullptr)
            return LastHidApiFailure();
        device = std::make_unique<HidApiDevice>(m_Library, handle);
        return {};
    }

private:
    std::shared_ptr<HidApiLibrary> m_Library;
};

} // namespace

std::shared_ptr<HidTransport> CreateSystemHidTransport()
{
    return std::make_shared<HidApiTransport>();
}
