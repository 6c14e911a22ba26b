#include "data/BcdText.h"
#include "data/FieldValueText.h"
#include "data/NewRecords.h"
#include "data/RecordColumns.h"
#include "data/ResultFileDecoders.h"
#include "data/ResultFrame.h"

namespace {
const char* const UnitTexts[] = {" ", "dBm", "w", "mw", "uw", "nw", "pw", "dB"};
constexpr uint16_t UnitCount = 8;

// Where the list shows each field.
const int CableColumn = ListColumnOf(OpmColumns, Field<&OpmRecord::Cable>);
const int FiberColumn = ListColumnOf(OpmColumns, Field<&OpmRecord::Fiber>);
const int PowerColumn = ListColumnOf(OpmColumns, Field<&OpmRecord::Power>);
const int ReferenceColumn = ListColumnOf(OpmColumns, Field<&OpmRecord::Reference>);
const int WaveLengthColumn = ListColumnOf(OpmColumns, Field<&OpmRecord::WaveLength>);
const int DateColumn = ListColumnOf(OpmColumns, Field<&OpmRecord::Date>);
const int TimeColumn = ListColumnOf(OpmColumns, Field<&OpmRecord::Time>);

// One record as the list and the store take it.
struct OpmRow
{
    std::string cable, fiber;
    bool knownUnit = false; // an unknown unit ends the file
    int16_t rangeStatus = 0;
    std::string power, reference, waveLength, date, time;
};

OpmRow ReadRow(ByteReader& reader)
{
    OpmRow row;
    row.cable = reader.Name();
    row.fiber = reader.Name();
    const float power = reader.F32();
    const float reference = reader.F32();
    const uint16_t unit = reader.U16();
    const uint16_t waveLength = reader.U16();
    row.rangeStatus = reader.I16();
    reader.Skip(2);
    uint8_t date[4], time[4];
    reader.Read(date, 4);
    reader.Read(time, 4);
    row.knownUnit = unit < UnitCount;
    if (!row.knownUnit)
        return row;
    if (row.rangeStatus == -1)
        row.power = "too low";
    else if (row.rangeStatus == 1)
        row.power = "too high";
    else
        row.power = FieldValueText(power, UnitTexts[unit], sizeof(OpmRecord::Power));
    row.reference = FieldValueText(reference, UnitTexts[unit], sizeof(OpmRecord::Reference));
    row.waveLength = std::to_string(waveLength) + "nm";
    row.date = BcdDateText(date);
    row.time = BcdTimeText(time);
    return row;
}

// The list shows exactly the texts the store holds.
void ListRow(RowSink& sink, int i, const OpmRow& row)
{
    sink.InsertRow(i, std::to_string(i + 1));
    sink.SetCell(i, CableColumn, row.cable);
    sink.SetCell(i, FiberColumn, row.fiber);
    if (!row.knownUnit)
        return;
    sink.SetCell(i, ReferenceColumn, row.reference);
    sink.SetCell(i, WaveLengthColumn, row.waveLength);
    // Any other status leaves the power cell empty while the store keeps the
    // number.
    if (row.rangeStatus >= -1 && row.rangeStatus <= 1)
        sink.SetCell(i, PowerColumn, row.power);
    sink.SetCell(i, DateColumn, row.date);
    sink.SetCell(i, TimeColumn, row.time);
}
} // namespace

ResultDecodeOutcome DecodeOpmBytes(ByteSpan bytes, CDataStore& store, RowSink* sink)
{
    ResultDecodeOutcome outcome;
    if (!HasSignature(bytes, OpmSignature))
        return outcome;
    outcome.result = DecodeResult::Ok;
    outcome.records = CountResultRecords(bytes, OpmResultRecordSize);
    const int count = outcome.records.whole;
    ByteReader reader(bytes);

    if (sink)
        sink->ClearRows();
    std::vector<OpmRecord> records;
    records.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        reader.Seek(ResultHeaderSize + OpmResultRecordSize * static_cast<size_t>(i));
        const OpmRow row = ReadRow(reader);
        if (sink)
            ListRow(*sink, i, row);
        if (!row.knownUnit) {
            outcome.records.endingUnknownUnit = i + 1;
            break;
        }
        records.push_back(
            NewOpmRecord(row.cable, row.fiber, row.waveLength, row.power, row.reference, row.date, row.time));
    }
    store.ReplaceOpmRecords(std::move(records));
    return outcome;
}
