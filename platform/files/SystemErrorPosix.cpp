// System errors on Linux, macOS and the BSDs: errno, in the words of strerror.
#include "platform/files/IoResult.h"

#include <cerrno>
#include <cstring>

IoResult IoFailure(std::error_code error)
{
    if (!error)
        error = std::make_error_code(std::errc::io_error);
    // A file-size limit (ulimit -f) is a disk that is full for this program.
    if (error.value() == EFBIG)
        return {IoStatus::NoSpace, std::strerror(ENOSPC) + (" (" + error.message() + ")")};
    // errno values mean the same in the system and the portable category here.
    return {StatusOfErrno(error.value()), error.message()};
}

void ClearSystemError()
{
    errno = 0;
}

std::error_code LastSystemError()
{
    return {errno, std::system_category()};
}
