#include "platform/files/IoResult.h"
#include "platform/hid/HidTransport.h"

HidResult HidFailure(std::error_code error)
{
    const IoResult failure = IoFailure(error);
    switch (failure.status) {
    case IoStatus::NoAccess:
        return {HidStatus::NoAccess, failure.reason};
    case IoStatus::NotFound:
    case IoStatus::NoDevice:
        return {HidStatus::NoDevice, failure.reason};
    default:
        return {HidStatus::Io, failure.reason};
    }
}
