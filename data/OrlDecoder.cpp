#include "data/BcdText.h"
#include "data/FieldValueText.h"
#include "data/NewRecords.h"
#include "data/RecordColumns.h"
#include "data/ResultFileDecoders.h"
#include "data/ResultFrame.h"

namespace {
// Where the list shows each field.
const int CableColumn = ListColumnOf(OrlColumns, Field<&OrlRecord::Cable>);
const int FiberColumn = ListColumnOf(OrlColumns, Field<&OrlRecord::Fiber>);
const int WaveLengthColumn = ListColumnOf(OrlColumns, Field<&OrlRecord::WaveLength>);
const int OrlValueColumn = ListColumnOf(OrlColumns, Field<&OrlRecord::OrlValue>);
const int DateColumn = ListColumnOf(OrlColumns, Field<&OrlRecord::Date>);
const int TimeColumn = ListColumnOf(OrlColumns, Field<&OrlRecord::Time>);

// One record as the list and the store take it.
struct OrlRow
{
    std::string cable, fiber, waveLength, orlValue, date, time;
};

OrlRow ReadRow(ByteReader& reader)
{
    OrlRow row;
    row.cable = reader.Name();
    row.fiber = reader.Name();
    const uint16_t waveLength = reader.U16();
    reader.Skip(2);
    const float returnLoss = reader.F32();
    reader.Skip(4); // a second value, which no table, export or report shows
    uint8_t date[4], time[4];
    reader.Read(date, 4);
    reader.Read(time, 4);
    row.waveLength = std::to_string(waveLength) + "nm";
    row.orlValue = FieldValueText(returnLoss, "dB", sizeof(OrlRecord::OrlValue));
    row.date = BcdDateText(date);
    row.time = BcdTimeText(time);
    return row;
}

// The list shows exactly the texts the store holds.
void ListRow(RowSink& sink, int i, const OrlRow& row)
{
    sink.InsertRow(i, std::to_string(i + 1));
    sink.SetCell(i, CableColumn, row.cable);
    sink.SetCell(i, FiberColumn, row.fiber);
    sink.SetCell(i, WaveLengthColumn, row.waveLength);
    sink.SetCell(i, OrlValueColumn, row.orlValue);
    sink.SetCell(i, DateColumn, row.date);
    sink.SetCell(i, TimeColumn, row.time);
}
} // namespace

ResultDecodeOutcome DecodeOrlBytes(ByteSpan bytes, CDataStore& store, RowSink* sink)
{
    ResultDecodeOutcome outcome;
    if (!HasSignature(bytes, OrlSignature))
        return outcome;
    outcome.result = DecodeResult::Ok;
    outcome.records = CountResultRecords(bytes, OrlResultRecordSize);
    const int count = outcome.records.whole;
    ByteReader reader(bytes);

    if (sink)
        sink->ClearRows();
    std::vector<OrlRecord> records;
    records.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        reader.Seek(ResultHeaderSize + OrlResultRecordSize * static_cast<size_t>(i));
        const OrlRow row = ReadRow(reader);
        if (sink)
            ListRow(*sink, i, row);
        records.push_back(
            NewOrlRecord(row.cable, row.fiber, row.waveLength, row.orlValue, row.date, row.time));
    }
    store.ReplaceOrlRecords(std::move(records));
    return outcome;
}
