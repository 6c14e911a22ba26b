#pragma once

#include "data/ByteSpan.h"
#include "data/CDataStore.h"
#include "data/ResultFrame.h"
#include "data/Results.h"
#include "data/RowSink.h"

// The instrument's result files, decoded from their bytes (LoadFile reads
// them). Each decoder checks its signature and only then replaces the store's
// records of its kind, with the records the file holds whole: a record cut
// off by the end of the file is not made up.

struct ResultDecodeOutcome
{
    DecodeResult result = DecodeResult::BadSignature;
    ResultRecordCounts records;
};

// Each fills the rows of `sink` (may be null) in the list's columns of
// OpmColumns and OrlColumns.
ResultDecodeOutcome DecodeOpmBytes(ByteSpan bytes, CDataStore& store, RowSink* sink);
ResultDecodeOutcome DecodeOrlBytes(ByteSpan bytes, CDataStore& store, RowSink* sink);

struct KavDecodeOutcome : ResultDecodeOutcome
{
    // The header's three wavelengths in nm (the second is 0 for two wavelengths).
    int waveLengths[3] = {0, 0, 0};
};

// Takes the loss-test form from the header's wavelengths. The information
// fields stay as the user typed them.
KavDecodeOutcome DecodeKavBytes(ByteSpan bytes, CDataStore& store);
