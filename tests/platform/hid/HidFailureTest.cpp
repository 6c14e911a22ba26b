#include "platform/files/IoResult.h"
#include "platform/hid/HidTransport.h"
#include "tests/support/SystemWords.h"

#include <gtest/gtest.h>

namespace {
HidStatus StatusOf(std::errc error)
{
    return HidFailure(std::make_error_code(error)).status;
}

#ifdef _WIN32
HidStatus StatusOfWindowsError(DWORD error)
{
    return HidFailure({static_cast<int>(error), std::system_category()}).status;
}
#endif
} // namespace

TEST(HidFailure, SystemErrorsTellAMissingDeviceFromAForbiddenOne)
{
    EXPECT_EQ(StatusOf(std::errc::permission_denied), HidStatus::NoAccess);
    EXPECT_EQ(StatusOf(std::errc::operation_not_permitted), HidStatus::NoAccess);
    EXPECT_EQ(StatusOf(std::errc::no_such_file_or_directory), HidStatus::NoDevice);
    EXPECT_EQ(StatusOf(std::errc::no_such_device), HidStatus::NoDevice);
    EXPECT_EQ(StatusOf(std::errc::no_such_device_or_address), HidStatus::NoDevice);
    EXPECT_EQ(StatusOf(std::errc::device_or_resource_busy), HidStatus::Io);
#ifdef _WIN32
    EXPECT_EQ(StatusOfWindowsError(ERROR_ACCESS_DENIED), HidStatus::NoAccess);
    EXPECT_EQ(StatusOfWindowsError(ERROR_SHARING_VIOLATION), HidStatus::NoAccess);
    EXPECT_EQ(StatusOfWindowsError(ERROR_FILE_NOT_FOUND), HidStatus::NoDevice);
    EXPECT_EQ(StatusOfWindowsError(ERROR_DEVICE_NOT_CONNECTED), HidStatus::NoDevice);
    EXPECT_EQ(StatusOfWindowsError(ERROR_GEN_FAILURE), HidStatus::Io);
#endif

    // A call that failed without a system error still gives a reason.
    const HidResult silent = HidFailure({});
    EXPECT_EQ(silent.status, HidStatus::Io);
    EXPECT_FALSE(silent.reason.empty());
}

// hidapi leaves its reason in errno, or in the thread's last error on
// Windows: the code comes in the system's category, is read as its
// condition and told in the system's words.
TEST(HidFailure, TheSystemsOwnErrorIsReadAsItsCondition)
{
#ifdef _WIN32
    SetLastError(AccessDeniedError);
#else
    errno = AccessDeniedError;
#endif
    const HidResult denied = HidFailure(LastSystemError());
    EXPECT_EQ(denied.status, HidStatus::NoAccess);
    EXPECT_EQ(denied.reason, SystemWords(AccessDeniedError));
    ClearSystemError();
    EXPECT_FALSE(LastSystemError());
}
