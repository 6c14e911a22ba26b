#include "platform/hid/HidTransport.h"

#include <gtest/gtest.h>

TEST(HidApiTransport, APathWithNoDeviceBehindItIsNoDevice)
{
    const std::shared_ptr<HidTransport> transport = CreateSystemHidTransport();
    for (const HidDeviceInfo& device : transport->Enumerate())
        EXPECT_FALSE(device.path.empty());
    std::unique_ptr<HidDevice> device;
    const HidResult opened = transport->Open("/nonexistent/hidraw", device);
    EXPECT_EQ(opened.status, HidStatus::NoDevice);
    EXPECT_FALSE(opened.reason.empty());
    EXPECT_EQ(device, nullptr);
}
