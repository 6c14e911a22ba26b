#include "jobs/JobResult.h"

namespace {
std::string WithDetail(const char* text, const std::string& detail)
{
    return detail.empty() ? std::string(text) : std::string(text) + " (" + detail + ")";
}
} // namespace

std::string JobFailureText(const JobResult& result)
{
    switch (result.status) {
    case JobStatus::Ok:
        return "";
    case JobStatus::NotFound:
        return WithDetail("no such job", result.detail);
    case JobStatus::CannotOpen:
        return WithDetail("cannot be read", result.detail);
    case JobStatus::NotAJob:
        return WithDetail("is not a job of this program", result.detail);
    case JobStatus::Damaged:
        return WithDetail("is damaged and is left as it is", result.detail);
    case JobStatus::Newer:
        return WithDetail("was written by a newer version of the program and is left as it is",
                          result.detail);
    case JobStatus::Busy:
        return "is being written by another program; try again when it has finished";
    case JobStatus::ReadOnly:
        return WithDetail("cannot be written", result.detail);
    case JobStatus::Exists:
        return "exists already; a new job never replaces a file";
    case JobStatus::NoSpace:
        return WithDetail("cannot be written: the disk is full", result.detail);
    case JobStatus::Refused:
    case JobStatus::Failed:
        return result.detail;
    case JobStatus::Cancelled:
        return "cancelled; nothing of it was kept";
    case JobStatus::Contended:
        return WithDetail("crossed another computer's change and was undone; try again", result.detail);
    case JobStatus::NeedsPassword:
        return WithDetail("cannot be opened without a password", result.detail);
    case JobStatus::Disconnected:
        return WithDetail("cannot be reached: the connection to the server was lost; what was being written "
                          "is not kept",
                          result.detail);
    }
    return result.detail;
}
