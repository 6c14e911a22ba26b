#include "platform/hid/SystemError.h"

#include <cerrno>

void ClearSystemError()
{
    errno = 0;
}

std::error_code LastSystemError()
{
    return {errno, std::system_category()};
}
