#include "platform/hid/SystemError.h"

#include <windows.h>

void ClearSystemError()
{
    SetLastError(ERROR_SUCCESS);
}

std::error_code LastSystemError()
{
    return {static_cast<int>(GetLastError()), std::system_category()};
}
