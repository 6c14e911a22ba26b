#pragma once

#include <string>
#include <system_error>
#include <utility>

// What an operation on a file, a pipe or a device did: the one status of the
// file layer, the trace log and the system errors behind the HID calls. Each
// system's error codes are mapped onto it in one function of its own file
// (SystemErrorPosix.cpp, SystemErrorWindows.cpp); the user interface turns a
// result into the user's words in one place.
enum class IoStatus
{
    Ok,
    NotFound,  // the file, or a folder on its path, is not there
    NoAccess,  // no permission, a read-only file or disk, a lock held by another program, a planted link
    NameTaken, // an exclusive create found something under the name
    NotAFile,  // a folder, a pipe or a device where a regular file is needed
    NoDevice,  // the device is not, or no longer, there
    NoReader,  // a named pipe that no process reads: writing would wait for ever
    NoSpace,   // the disk or the user's quota is full
    Failed     // any other failure of the system
};

struct IoResult
{
    IoStatus status = IoStatus::Ok;
    std::string reason; // the system's words for a failure (or what the target is); empty for Ok

    bool ok() const { return status == IoStatus::Ok; }
};

// A failure whose words are ours: a refusal the system did not make.
inline IoResult IoRefusal(IoStatus status, std::string reason)
{
    return {status, std::move(reason)};
}

// The status of an errno value (the C library's errors, also on Windows).
IoStatus StatusOfErrno(int error);

// The one translation of a system error (errno, or a Windows error code in
// the system category) into a status and the system's words. An empty error
// (a call failed without saying why) is Failed.
IoResult IoFailure(std::error_code error);

// The system's error of the calling thread (errno, or the last Windows
// error), for calls that report only that they failed. Cleared before such a
// call, so an error left over from earlier is not taken for its reason.
void ClearSystemError();
std::error_code LastSystemError();
