#pragma once

#include "data/CDataStore.h"
#include "data/FileLoading.h"
#include "jobs/JobStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A job's kept files read back: the bytes go through the program's one
// loading operation into a store of their own, never the program's.

LoadOutcome LoadStoredFile(const StoredFile& file, std::vector<uint8_t> bytes, CDataStore& store);

// Reads the file's bytes from the job and loads them; Damaged when the kept
// bytes no longer load as they did.
JobResult LoadJobFile(JobStore& job, const StoredFile& file, CDataStore& store);

// Names that a record of a loaded loss-test file goes by in the job instead
// of its own (bytes); a name not given stays the record's.
struct RecordNaming
{
    int32_t number; // the record's place in its file
    std::optional<std::string> cable, fiber;
};
// Refused, changing nothing, when a name is longer than NameCapacity of the
// store's form.
JobResult NameRecords(CDataStore& store, const std::vector<RecordNaming>& namings);
