#pragma once

#include "data/ByteSpan.h"
#include "data/FileKind.h"
#include "data/FileNames.h"
#include "data/Results.h"

#include <array>
#include <cstddef>
#include <string>

class CDataStore;
class RowSink;
struct LoadOutcome;

// What the data layer does with each kind of record, one row per kind: the
// files that hold it, and how they are loaded, saved and exported. The report
// and the view keep tables of their own by the same kinds.
struct RecordKindData
{
    RecordKind kind;
    const char* name;    // "opm", "kav", "orl", "trace", as kav-convert names it
    FileKind resultFile; // the instrument's
    FileKind document;   // the program's own
    OutputKind documentOutput;
    const char* documentEnding; // in lower case; recognised in any
    size_t largestDocument;     // bytes: the longest document the store can take in
    bool (*fitsDocument)(ByteSpan bytes);
    // Each loads a file of the kind into the store and tells `outcome` what
    // the caller shows of it besides the store.
    DecodeResult (*decodeResultFile)(ByteSpan bytes, CDataStore& store, RowSink* rows, LoadOutcome& outcome);
    DecodeResult (*readDocument)(ByteSpan bytes, CDataStore& store, LoadOutcome& outcome);
    // What Save As writes.
    std::string (*documentBytes)(const CDataStore& store);
    // The table as comma-separated text; loss tests in the store's form.
    std::string (*csvBytes)(const CDataStore& store);
    size_t (*recordCount)(const CDataStore& store);
};

constexpr size_t RecordKindCount = 4;
const std::array<RecordKindData, RecordKindCount>& RecordKindTable();
const RecordKindData& DataOf(RecordKind kind);
// The kind whose result file or document `file` is; null for Unknown.
const RecordKindData* DataOfFile(FileKind file);
