#include "HidTransport.h"

#include <hidapi.h>

namespace
{

// hid_init and hid_exit bracket every use of hidapi; devices keep the library
// alive, so a device may outlive the transport that opened it.
class HidApiLibrary
{
public:
    HidApiLibrary() { m_Ready = hid_init() == 0; }
    ~HidApiLibrary() { hid_exit(); }
    HidApiLibrary(const HidApiLibrary&) = delete;
    HidApiLibrary& operator=(const HidApiLibrary&) = delete;
    bool Ready() const { return m_Ready; }

private:
    bool m_Ready = false;
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

    int Read(uint8_t* buffer, size_t size, int timeoutMs) override
    {
        return hid_read_timeout(m_Handle, buffer, size, timeoutMs);
    }

    int Write(const uint8_t* data, size_t size) override { return hid_write(m_Handle, data, size); }

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
        if (!m_Library->Ready())
            return devices;
        hid_device_info* list = hid_enumerate(0, 0);
        for (const hid_device_info* info = list; info != nullptr; info = info->next)
        {
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

    std::unique_ptr<HidDevice> Open(const std::string& path) override
    {
        if (!m_Library->Ready())
            return nullptr;
        hid_device* handle = hid_open_path(path.c_str());
        if (handle == nullptr)
            return nullptr;
        return std::make_unique<HidApiDevice>(m_Library, handle);
    }

private:
    std::shared_ptr<HidApiLibrary> m_Library;
};

} // namespace

std::shared_ptr<HidTransport> CreateSystemHidTransport()
{
    return std::make_shared<HidApiTransport>();
}
