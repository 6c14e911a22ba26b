#include "data/BcdText.h"
#include "data/FieldValueText.h"
#include "data/ListFileDecoding.h"
#include "data/NewRecords.h"

namespace {
ListedRecord<OrlRecord> ReadRecord(ByteReader& reader)
{
    ListedRecord<OrlRecord> read;
    const std::string cable = reader.Name();
    const std::string fiber = reader.Name();
    const uint16_t waveLength = reader.U16();
    reader.Skip(2);
    const float returnLoss = reader.F32();
    reader.Skip(4); // a second value, which no table, export or report shows
    uint8_t date[4], time[4];
    reader.Read(date, 4);
    reader.Read(time, 4);
    read.kept = NewOrlRecord(cable, fiber, std::to_string(waveLength) + "nm",
                             FieldValueText(returnLoss, "dB", sizeof(OrlRecord::OrlValue)), BcdDateText(date),
                             BcdTimeText(time));
    read.shown = read.kept;
    return read;
}

constexpr ListFileFormat<OrlRecord> OrlFile{OrlSignature, OrlResultRecordSize, &ReadRecord};
} // namespace

ResultDecodeOutcome DecodeOrlBytes(ByteSpan bytes, CDataStore& store, RowSink* sink)
{
    std::vector<OrlRecord> records;
    const ResultDecodeOutcome outcome = DecodeListFile(bytes, OrlFile, OrlColumns, sink, records);
    if (outcome.result == DecodeResult::Ok)
        store.ReplaceOrlRecords(std::move(records));
    return outcome;
}
