#pragma once

#include "ByteSpan.h"
#include "CDataStore.h"
#include "Results.h"
#include "RowSink.h"

#include <string>

// The instrument's result files. Each decoder opens the file read-only, checks
// its signature and only then replaces the store's records of its kind.

// OPM list columns: 0 "Record", 1 "Cable", 2 "Fiber", 3 "Power", 4 "Reference",
// 5 "Wavelength", 6 "Date", 7 "Time". sink may be null.
DecodeResult DecodeOpmFile(const std::string& path, CDataStore& store, RowSink* sink);

// ORL list columns: 0 "Record", 1 "Cable", 2 "Fiber", 3 "Wavelength",
// 4 "ORL Value", 5 "Date", 6 "Time". sink may be null.
DecodeResult DecodeOrlFile(const std::string& path, CDataStore& store, RowSink* sink);

struct KavDecodeOutcome
{
    DecodeResult result = DecodeResult::CannotOpen;
    // 3 or 2: wavelengths per record of the file; 0 when it held no records,
    // so the caller keeps its previous count.
    int waveCount = 0;
    // The header's three wavelengths in nm (the second is 0 for two wavelengths).
    int waveLengths[3] = {0, 0, 0};
};

// Also empties the information fields and rebuilds the cable groups, once the
// file has opened and its signature is accepted.
KavDecodeOutcome DecodeKavFile(const std::string& path, CDataStore& store);

// The same decoders on a file's bytes already in memory; the path-based ones
// read the file and call these.
DecodeResult DecodeOpmBytes(ByteSpan bytes, CDataStore& store, RowSink* sink);
DecodeResult DecodeOrlBytes(ByteSpan bytes, CDataStore& store, RowSink* sink);
KavDecodeOutcome DecodeKavBytes(ByteSpan bytes, CDataStore& store);
