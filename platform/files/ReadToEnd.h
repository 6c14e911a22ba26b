#pragma once

#include "platform/files/FileBytes.h"

#include <cstddef>
#include <functional>

// What one read of a file or a stream gave: the bytes it put in the buffer
// (none at the end), or why it failed.
struct ReadPiece
{
    size_t got = 0;
    IoResult problem;
};

// At most `wanted` bytes into `buffer`, by the system's own read.
using ReadSome = std::function<ReadPiece(char* buffer, size_t wanted)>;

// Appends to result.bytes what readSome gives until the end or `limit`
// bytes; one byte more tells whether there is more than the limit. A failed
// read makes `result` that failure. Each system's file code says how it
// reads (FileSystemPosix.cpp, FileSystemWindows.cpp).
void ReadToEnd(FileBytes& result, size_t limit, const ReadSome& readSome);
