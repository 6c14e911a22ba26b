#pragma once

#include <string>
#include <utility>

// What an operation on a job did: the one status of the jobs layer. Each
// store maps its engine's errors onto it in one function of its own; the
// user interface and kav-job turn a result into the user's words in one
// place (JobFailureText).
enum class JobStatus
{
    Ok,
    NotFound,   // no job under the name
    CannotOpen, // the job is there but cannot be read (permissions, a folder)
    NotAJob,    // a file that is not a job of this program
    Damaged,    // a job whose content is broken: never written to
    Newer,      // written by a newer version of the program: never written to
    Busy,       // another program is writing to the job
    ReadOnly,   // the job may be read but not written here
    Exists,     // a new job would replace something under its name
    NoSpace,    // the disk is full
    Refused,    // a request the job cannot carry out (a name too long, a record that is not in conflict)
    Cancelled,  // the caller stopped the operation: nothing of it was kept
    Contended,  // the server undid a write that crossed another's: nothing of it was kept; worth doing again
    NeedsPassword, // the server asks for a password that was not given
    Disconnected,  // the connection to the server was lost: what was being written is not kept
    Failed         // any other failure
};

struct JobResult
{
    JobStatus status = JobStatus::Ok;
    std::string detail; // the engine's or our own words; empty for Ok

    bool ok() const { return status == JobStatus::Ok; }
};

inline JobResult JobFailure(JobStatus status, std::string detail)
{
    return {status, std::move(detail)};
}

// The result in one line that names no job: "is damaged (database disk
// image is malformed)", "is being written by another program; ...".
std::string JobFailureText(const JobResult& result);
