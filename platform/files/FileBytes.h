#pragma once

#include "platform/files/IoResult.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A file read into memory in one go; decoders then work on the bytes alone.
// Not ok when it could not be read: NotAFile for a folder, a pipe or a device,
// refused without reading, another status for a missing or locked file or a
// read error.
struct FileBytes : IoResult
{
    FileBytes() = default;
    explicit FileBytes(IoResult unread) : IoResult(std::move(unread)) {}

    bool overLimit = false; // the file holds more than the bytes read
    std::vector<uint8_t> bytes;
};

// Reads at most `limit` bytes from the start of the regular file at path,
// opened read-only. Anything else is refused without blocking: a named pipe
// without a writer would otherwise wait forever, and a device never ends.
// The path is followed as a write follows it (OutputFile): a link another
// user planted in a shared folder is refused.
// (FileSystemPosix.cpp, FileSystemWindows.cpp)
FileBytes ReadFileBytes(const std::string& path, size_t limit);

// Reads standard input to its end, at most `limit` bytes, whatever it is.
FileBytes ReadStandardInput(size_t limit);
