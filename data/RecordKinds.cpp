#include "data/RecordKinds.h"

#include "data/CsvExport.h"
#include "data/Documents.h"
#include "data/FileLoading.h"
#include "data/ResultFileDecoders.h"
#include "data/ResultFrame.h"
#include "data/TraceFile.h"

#include <algorithm>

namespace {
// A document holds at most what the store can hold from one result file (a
// trace document: the reference level and the samples).
constexpr size_t MaxDocumentRecords = MaxResultRecords;

// A loss-test document tells its form by its records; the caller shows the
// first record's wavelengths (the middle one 0 for two wavelengths).
void SetFirstRecordWaveLengths(const CDataStore& store, int (&waveLengths)[3])
{
    if (store.KavWaveMode() == CDataStore::KavModeThree && !store.GetKavRecords3().empty()) {
        for (int i = 0; i < 3; ++i)
            waveLengths[i] = store.GetKavRecords3()[0].WaveLength[i];
    } else if (store.KavWaveMode() == CDataStore::KavModeTwo && !store.GetKavRecords2().empty()) {
        waveLengths[0] = store.GetKavRecords2()[0].WaveLength[0];
        waveLengths[2] = store.GetKavRecords2()[0].WaveLength[1];
    }
}

// A result file's decode with the records it declared and held whole.
DecodeResult Counted(const ResultDecodeOutcome& decoded, LoadOutcome& outcome)
{
    outcome.records = decoded.records;
    return decoded.result;
}

constexpr std::array<RecordKindData, RecordKindCount> Table{{
    {RecordKind::Opm, "opm", FileKind::OpmResult, FileKind::OpmDocument, OutputKind::OpmDocument, ".opm",
     sizeof(CDataStore::ReservedBlock) + 4 + sizeof(OpmRecord) * MaxDocumentRecords, &FitsOpmDocument,
     [](ByteSpan bytes, CDataStore& store, RowSink* rows, LoadOutcome& outcome) {
         return Counted(DecodeOpmBytes(bytes, store, rows), outcome);
     },
     [](ByteSpan bytes, CDataStore& store, LoadOutcome&) { return ReadOpmDocumentBytes(bytes, store); },
     &OpmDocumentBytes, &OpmCsvBytes, [](const CDataStore& store) { return store.GetOpmRecords().size(); }},
    {RecordKind::Kav, "kav", FileKind::KavResult, FileKind::KavDocument, OutputKind::KavDocument, ".kav",
     8 + sizeof(KavRecord3) * MaxDocumentRecords, &FitsKavDocument,
     [](ByteSpan bytes, CDataStore& store, RowSink*, LoadOutcome& outcome) {
         const KavDecodeOutcome decoded = DecodeKavBytes(bytes, store);
         std::copy(std::begin(decoded.waveLengths), std::end(decoded.waveLengths), outcome.waveLengths);
         return Counted(decoded, outcome);
     },
     [](ByteSpan bytes, CDataStore& store, LoadOutcome& outcome) {
         const DecodeResult result = ReadKavDocumentBytes(bytes, store);
         if (result == DecodeResult::Ok)
             SetFirstRecordWaveLengths(store, outcome.waveLengths);
         return result;
     },
     &KavDocumentBytes, [](const CDataStore& store) { return KavCsvBytes(store); },
     [](const CDataStore& store) { return store.KavRecordCount(); }},
    {RecordKind::Orl, "orl", FileKind::OrlResult, FileKind::OrlDocument, OutputKind::OrlDocument, ".orl",
     4 + sizeof(OrlRecord) * MaxDocumentRecords, &FitsOrlDocument,
     [](ByteSpan bytes, CDataStore& store, RowSink* rows, LoadOutcome& outcome) {
         return Counted(DecodeOrlBytes(bytes, store, rows), outcome);
     },
     [](ByteSpan bytes, CDataStore& store, LoadOutcome&) { return ReadOrlDocumentBytes(bytes, store); },
     &OrlDocumentBytes, &OrlCsvBytes, [](const CDataStore& store) { return store.GetOrlRecords().size(); }},
    {RecordKind::Trace, "trace", FileKind::TraceResult, FileKind::TraceDocument, OutputKind::TraceDocument,
     ".trace", 4 + sizeof(float) * (MaxDocumentRecords + 1), &FitsTraceDocument,
     [](ByteSpan bytes, CDataStore& store, RowSink*, LoadOutcome& outcome) {
         TraceReadOutcome read = ReadTraceBytes(bytes, store);
         outcome.trace = std::move(read.contents);
         return read.result;
     },
     [](ByteSpan bytes, CDataStore& store, LoadOutcome& outcome) {
         const DecodeResult result = ReadTraceDocumentBytes(bytes, store);
         if (result == DecodeResult::Ok)
             outcome.trace = TraceContentsOfValues(store.GetTraceValues());
         return result;
     },
     &TraceDocumentBytes, &TraceCsvBytes,
     [](const CDataStore& store) {
         // The reference level comes first.
         const size_t values = store.GetTraceValues().size();
         return values == 0 ? values : values - 1;
     }},
}};

constexpr bool InKindOrder()
{
    for (size_t i = 0; i < Table.size(); ++i)
        if (static_cast<size_t>(Table[i].kind) != i)
            return false;
    return true;
}
static_assert(InKindOrder(), "a row per kind, in the order of RecordKind");
} // namespace

const std::array<RecordKindData, RecordKindCount>& RecordKindTable()
{
    return Table;
}

const RecordKindData& DataOf(RecordKind kind)
{
    return Table[static_cast<size_t>(kind)];
}

const RecordKindData* DataOfFile(FileKind file)
{
    for (const RecordKindData& row : Table)
        if (row.resultFile == file || row.document == file)
            return &row;
    return nullptr;
}
