#include "platform/files/IoResult.h"

#include <cerrno>

IoStatus StatusOfErrno(int error)
{
    switch (static_cast<std::errc>(error)) {
    case std::errc::no_such_file_or_directory:
    case std::errc::not_a_directory:
        return IoStatus::NotFound;
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
    case std::errc::read_only_file_system:
    case std::errc::text_file_busy:
        return IoStatus::NoAccess;
    case std::errc::file_exists:
        return IoStatus::NameTaken;
    case std::errc::is_a_directory:
        return IoStatus::NotAFile;
    case std::errc::no_such_device:
    case std::errc::no_such_device_or_address:
        return IoStatus::NoDevice;
    case std::errc::no_space_on_device:
    case std::errc::file_too_large:
        return IoStatus::NoSpace;
    default:
#ifdef EDQUOT
        if (error == EDQUOT)
            return IoStatus::NoSpace;
#endif
        return IoStatus::Failed;
    }
}
