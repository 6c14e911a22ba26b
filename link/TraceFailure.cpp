#include "link/TraceFailure.h"

#include "platform/hid/HidAccessHint.h"

std::string TraceFailedDetail(const HidResult& failure)
{
    switch (failure.status) {
    case HidStatus::NoDevice:
        return "No instrument was found. Check that it is plugged in and switched on.";
    case HidStatus::NoAccess: {
        std::string detail = "An instrument was found, but this user may not open it.";
        const std::string hint = HidAccessHint();
        return hint.empty() ? detail : detail + "\n" + hint;
    }
    case HidStatus::Io:
        return "The instrument could not be opened: " + failure.reason;
    case HidStatus::Ok:
    case HidStatus::Timeout:
        break;
    }
    return "The instrument could not be opened.";
}
