#pragma once

#include "data/CDataStore.h"
#include "data/FileKind.h"
#include "data/LoadNotice.h"
#include "data/Results.h"
#include "data/RowSink.h"
#include "data/TraceFile.h"
#include "platform/files/FileBytes.h"

#include <cstdint>
#include <string>
#include <vector>

// Every way a file comes into the program (a tab's Open, a dropped file, the
// command line, kav-convert) loads it here: the bytes are read once, the kind
// recognised by RecognizeBytes, then the decoder or document reader of that
// kind fills the store.

// A file read and recognised, not yet loaded.
struct RecognizedFile
{
    // Ok when the kind is known; otherwise CannotOpen, NotAFile,
    // Unrecognized, WrongLength (named as a document but not of its length)
    // or TooLarge.
    DecodeResult status = DecodeResult::CannotOpen;
    FileKind kind = FileKind::Unknown;
    // Why it could not be read, or why no kind was recognised ("too short",
    // "unknown signature").
    std::string systemReason;
    std::vector<uint8_t> bytes;
};

// The bytes read from a file (or a stream) recognised under `name`.
RecognizedFile RecognizeFileBytes(FileBytes file, const std::string& name);
RecognizedFile RecognizeFile(const std::string& path);
// Standard input has no name: only a result file, which its content names,
// is recognised there.
RecognizedFile RecognizeStandardInput();

struct LoadOptions
{
    // The kinds the caller takes; empty takes every kind. A file of another
    // kind is refused with WrongKind and changes nothing.
    std::vector<FileKind> accepted;
    // Receives the list rows of an OPM or ORL result file as it is decoded;
    // the rows of a document are the store's records.
    RowSink* rows = nullptr;
};

struct LoadOutcome
{
    DecodeResult result = DecodeResult::CannotOpen;
    FileKind kind = FileKind::Unknown; // also when refused as another kind
    std::string systemReason;          // as RecognizedFile's
    int waveCount = 0;                 // the store's KavWaveCount() after the load
    // Result files: the records declared and those held whole, which alone
    // are loaded.
    ResultRecordCounts records;
    // Loss tests: the header's wavelengths, or a document's first record's
    // (the middle one 0 for two wavelengths).
    int waveLengths[3] = {0, 0, 0};
    TraceFileContents trace; // traces: what the TRACE page shows and plots
};

// The one way a file's records come into a store: the records of its kind
// are replaced, and nothing changes unless the result is Ok.
LoadOutcome LoadRecognizedFile(const RecognizedFile& file, CDataStore& store,
                               const LoadOptions& options = {});
LoadOutcome LoadFile(const std::string& path, CDataStore& store, const LoadOptions& options = {});

// Why a load failed, in one line that names no file: "cannot be read: ...",
// "not an instrument result file ... (too short)", "wrong signature" ...
// Empty for Ok.
std::string FailureDetail(const LoadOutcome& outcome);
// FailureDetail, headed "File error! (...)" exactly where IsFileError holds.
std::string FailureReason(const LoadOutcome& outcome);

// For a result file cut short: "The file ends after 12 of 50 records; the 12
// are shown."; for a list ended by an unknown unit: "Record 13 of 50 has an
// unknown unit, which ends the list; the 12 are shown before it." Empty for
// any other load.
LoadNotice IncompleteFileNotice(const LoadOutcome& outcome);
