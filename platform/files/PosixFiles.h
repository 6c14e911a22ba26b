#pragma once

#include "platform/files/FileSystem.h"

#include <sys/stat.h>

#include <string>

// What the POSIX file code shares: an errno as a result, a file's type and
// identity, writing a whole buffer, and the folder entry that a path names.

IoResult Failure(int error);
PathTarget::Type TypeOf(mode_t mode);
std::string IdentityOf(const struct stat& status);

// Writes every byte, also to a pipe whose reader has gone, which fails
// ("Broken pipe") instead of ending the process.
IoResult WriteAll(int fd, const std::string& bytes);
// Closes fd; a failure of the close becomes the result unless it failed before.
void CloseKeepingFirstError(int fd, IoResult& result);

// The folder that holds what a path names and the name there, once the
// links on the path are followed as the system follows them; the folder is
// open (only to work from, on Linux: O_PATH), for everything after to work
// relative to it.
struct FolderEntry
{
    FolderEntry() = default;
    ~FolderEntry();
    FolderEntry(const FolderEntry&) = delete;
    FolderEntry& operator=(const FolderEntry&) = delete;

    int folder = -1;
    std::string name;
    bool found = false;      // something is there under the name
    struct stat status = {}; // what is there, when found (never a link)
};

// Walks `path` one name at a time, each folder opened without following a
// link under its name, and follows every link on the way by hand, in the
// middle of the path as at its end, as far as the system would: a link in a
// sticky folder that everyone may write to, made by someone who is neither
// this user nor the folder's owner, is refused wherever it stands. A link at
// the end that the system takes to a device or a pipe is that. A missing
// name at the end is found == false.
IoResult FindEntry(const std::string& path, FolderEntry& entry);
