// System errors on Windows: the last error of the thread, in the words of
// FormatMessage. The C library's errno values come in the portable category.
#include "platform/files/IoResult.h"
#include "platform/files/WindowsText.h"

#include <windows.h>

namespace {
IoStatus StatusOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return IoStatus::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return IoStatus::NoAccess;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return IoStatus::NameTaken;
    case ERROR_DIRECTORY:
        return IoStatus::NotAFile;
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_NOT_READY:
        return IoStatus::NoDevice;
    case ERROR_NO_DATA:
    case ERROR_PIPE_NOT_CONNECTED:
        return IoStatus::NoReader;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return IoStatus::NoSpace;
    default:
        return IoStatus::Failed;
    }
}

std::string WordsOf(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text != nullptr ? text : L"", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    return message.empty() ? "system error " + std::to_string(error) : Narrow(message);
}
} // namespace

IoResult IoFailure(std::error_code error)
{
    if (!error)
        error = std::make_error_code(std::errc::io_error);
    if (error.category() == std::system_category()) {
        const DWORD code = static_cast<DWORD>(error.value());
        return {StatusOf(code), WordsOf(code)};
    }
    return {StatusOfErrno(error.value()), error.message()};
}

void ClearSystemError()
{
    SetLastError(ERROR_SUCCESS);
}

std::error_code LastSystemError()
{
    return {static_cast<int>(GetLastError()), std::system_category()};
}
