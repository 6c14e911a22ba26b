#pragma once

#include "CDataStore.h"
#include "FileLoading.h"

#include <string>

// A file kav-convert has loaded, with what it prints and writes for it.
struct LoadedFile
{
    CDataStore store;
    LoadOutcome outcome;

    // "opm", "kav", "orl" or "trace"
    const char* KindName() const;
    size_t RecordCount() const;
    // What Save As CSV and Save As write on the tab of the file's kind.
    std::string CsvBytes() const;
    std::string DocumentBytes() const;
};
