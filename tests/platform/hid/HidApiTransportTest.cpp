#include "platform/files/IoResult.h"
#include "platform/hid/HidTransport.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {
HidStatus StatusOf(std::errc error)
{
    return HidFailure(std::make_error_code(error)).status;
}
} // namespace

TEST(HidApiTransport, SystemErrorsTellAMissingDeviceFromAForbiddenOne)
{
    EXPECT_EQ(StatusOf(std::errc::permission_denied), HidStatus::NoAccess);
    EXPECT_EQ(StatusOf(std::errc::operation_not_permitted), HidStatus::NoAccess);
    EXPECT_EQ(StatusOf(std::errc::no_such_file_or_directory), HidStatus::NoDevice);
    EXPECT_EQ(StatusOf(std::errc::no_such_device), HidStatus::NoDevice);
    EXPECT_EQ(StatusOf(std::errc::no_such_device_or_address), HidStatus::NoDevice);
    EXPECT_EQ(StatusOf(std::errc::device_or_resource_busy), HidStatus::Io);

    // A call that failed without a system error still gives a reason.
    const HidResult silent = HidFailure({});
    EXPECT_EQ(silent.status, HidStatus::Io);
    EXPECT_FALSE(silent.reason.empty());
}

#ifndef _WIN32
TEST(HidApiTransport, TheSystemsErrorNumberIsReadAsItsCondition)
{
    // hidapi leaves its reason in errno; the codes come in the system's
    // category, not the portable one.
    errno = EACCES;
    const HidResult denied = HidFailure(LastSystemError());
    EXPECT_EQ(denied.status, HidStatus::NoAccess);
    EXPECT_EQ(denied.reason, std::generic_category().message(EACCES));
    ClearSystemError();
    EXPECT_FALSE(LastSystemError());
}
#endif

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
