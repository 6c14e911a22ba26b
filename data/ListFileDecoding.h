#pragma once

#include "data/RecordColumns.h"
#include "data/ResultFileDecoders.h"
#include "data/ResultFrame.h"
#include "data/RowSink.h"

#include <string>
#include <vector>

// What the OPM and ORL decoders share: once the signature is accepted, each
// record the file holds whole is read, listed in the sink as it comes and
// kept, until one ends the list.

// One record as read: what the store keeps and what its list shows.
template <typename Record> struct ListedRecord
{
    Record kept{};
    Record shown{}; // the kept texts, less those the list leaves empty
    // Listed, but neither kept nor followed by another (an OPM record's
    // unknown unit).
    bool endsList = false;
};

template <typename Record> struct ListFileFormat
{
    const char* signature;
    size_t recordSize;
    ListedRecord<Record> (*read)(ByteReader& reader);
};

// Fills `records` (and the sink, which may be null) from a file of
// `format`, whose list shows `columns`.
template <typename Record, size_t N>
ResultDecodeOutcome DecodeListFile(ByteSpan bytes, const ListFileFormat<Record>& format,
                                   const RecordColumns<Record, N>& columns, RowSink* sink,
                                   std::vector<Record>& records)
{
    ResultDecodeOutcome outcome;
    if (!HasSignature(bytes, format.signature))
        return outcome;
    outcome.result = DecodeResult::Ok;
    outcome.records = CountResultRecords(bytes, format.recordSize);
    const int count = outcome.records.whole;
    ByteReader reader(bytes);
    if (sink)
        sink->ClearRows();
    records.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        reader.Seek(ResultHeaderSize + format.recordSize * static_cast<size_t>(i));
        const ListedRecord<Record> read = format.read(reader);
        if (sink) {
            sink->InsertRow(i, std::to_string(i + 1));
            for (size_t c = 0; c < N; ++c)
                if (const auto field = columns.columns[c].field)
                    sink->SetCell(i, static_cast<int>(c), std::string(field(read.shown)));
        }
        if (read.endsList) {
            outcome.records.endingUnknownUnit = i + 1;
            break;
        }
        records.push_back(read.kept);
    }
    return outcome;
}
