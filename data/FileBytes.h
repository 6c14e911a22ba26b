#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A file read into memory in one go; decoders then work on the bytes alone.
struct FileBytes
{
    bool opened = false;    // false: the file could not be opened or read
    bool overLimit = false; // the file holds more than the bytes read
    std::vector<uint8_t> bytes;
    std::string reason; // the system's reason when not opened
};

// Reads at most `limit` bytes from the start of the file at path (UTF-8),
// opened read-only.
FileBytes ReadFileBytes(const std::string& path, size_t limit);
