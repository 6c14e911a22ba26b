#pragma once

#include "CDataStore.h"
#include "FileKind.h"
#include "TraceFile.h"

#include <string>

// A file read the way File > Open reads it on the tab of its kind.
struct LoadedFile
{
    enum class Status
    {
        Ok,
        CannotRead,
        Refused
    } status = Status::Ok;
    std::string reason; // why it was not read or refused

    FileKind kind = FileKind::Unknown;
    CDataStore store;
    int waveCount = 0;              // loss tests: 3 or 2 (0: a document without a test)
    int waveLengths[3] = {0, 0, 0}; // loss tests: the header's, or the first record's
    TraceFileContents trace;        // traces: what the TRACE page shows

    // "opm", "kav", "orl" or "trace"
    const char* KindName() const;
    size_t RecordCount() const;
    std::string CsvBytes() const;
    std::string DocumentBytes() const;
};

LoadedFile LoadFile(const std::string& path);
