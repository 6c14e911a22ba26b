#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A file read into memory in one go; decoders then work on the bytes alone.
struct FileBytes
{
    enum class Status
    {
        Read,
        CannotOpen, // missing, locked, no permission, a read error
        NotAFile    // a folder, a pipe or a device: refused without reading
    } status = Status::CannotOpen;
    bool overLimit = false; // the file holds more than the bytes read
    std::vector<uint8_t> bytes;
    std::string reason; // the system's reason when not read

    bool read() const { return status == Status::Read; }
};

// Reads at most `limit` bytes from the start of the regular file at path,
// opened read-only. Anything else is refused without blocking: a named pipe
// without a writer would otherwise wait forever, and a device never ends.
// (FileSystemPosix.cpp, FileSystemWindows.cpp)
FileBytes ReadFileBytes(const std::string& path, size_t limit);

// Reads standard input to its end, at most `limit` bytes, whatever it is.
FileBytes ReadStandardInput(size_t limit);
