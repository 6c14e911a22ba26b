#pragma once

#include "data/ByteSpan.h"
#include "data/CDataStore.h"
#include "data/Results.h"
#include "data/RowSink.h"

// The instrument's result files, decoded from their bytes (LoadFile reads
// them). Each decoder checks its signature and only then replaces the store's
// records of its kind.

// Each fills the rows of `sink` (may be null) in the list's columns of
// OpmColumns and OrlColumns.
DecodeResult DecodeOpmBytes(ByteSpan bytes, CDataStore& store, RowSink* sink);
DecodeResult DecodeOrlBytes(ByteSpan bytes, CDataStore& store, RowSink* sink);

struct KavDecodeOutcome
{
    DecodeResult result = DecodeResult::BadSignature;
    // The header's three wavelengths in nm (the second is 0 for two wavelengths).
    int waveLengths[3] = {0, 0, 0};
};

// Sets m_KavWaveMode from the header's wavelengths. Also empties the
// information fields and rebuilds the cable groups, once the signature is
// accepted.
KavDecodeOutcome DecodeKavBytes(ByteSpan bytes, CDataStore& store);
