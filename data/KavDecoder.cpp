#include "data/BcdText.h"
#include "data/FixedDecimal.h"
#include "data/NewRecords.h"
#include "data/ResultFileDecoders.h"
#include "data/ResultFrame.h"

namespace {
void ReadRoundedTriple(ByteReader& reader, float (&triple)[3], int decimals)
{
    for (float& value : triple)
        value = RoundThroughText(reader.F32(), decimals);
}

// One record as the store takes it.
struct KavRow
{
    std::string cable, fiber;
    KavTriples values;
    std::string date, time;
};

KavRow ReadRow(ByteReader& reader)
{
    KavRow row;
    row.cable = reader.Name();
    row.fiber = reader.Name();
    KavTriples& values = row.values;
    ReadRoundedTriple(reader, values.LossAB, 2);
    ReadRoundedTriple(reader, values.LossBA, 2);
    ReadRoundedTriple(reader, values.RefAB, 2);
    ReadRoundedTriple(reader, values.RefBA, 2);
    ReadRoundedTriple(reader, values.Threshold, 2);
    ReadRoundedTriple(reader, values.Length, 3);
    ReadRoundedTriple(reader, values.OrlAB, 2);
    ReadRoundedTriple(reader, values.OrlBA, 2);
    // The instrument measures the length once, in the last slot.
    values.Length[0] = values.Length[1] = values.Length[2];
    uint8_t date[4], time[4];
    reader.Read(date, 4);
    reader.Read(time, 4);
    row.date = BcdDateText(date);
    row.time = BcdTimeText(time);
    return row;
}

// The file's first `count` records, each made by `newRecord` from its row.
template <typename NewRecord> auto ReadRecords(ByteReader& reader, size_t count, NewRecord newRecord)
{
    std::vector<decltype(newRecord(KavRow()))> records;
    records.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        reader.Seek(ResultHeaderSize + KavResultRecordSize * i);
        records.push_back(newRecord(ReadRow(reader)));
    }
    return records;
}
} // namespace

KavDecodeOutcome DecodeKavBytes(ByteSpan bytes, CDataStore& store)
{
    KavDecodeOutcome outcome;
    if (!HasSignature(bytes, KavSignature)) {
        outcome.result = DecodeResult::BadSignature;
        return outcome;
    }
    outcome.result = DecodeResult::Ok;
    outcome.records = CountResultRecords(bytes, KavResultRecordSize);
    // The wavelengths follow the record count and two spare bytes.
    ByteReader reader(bytes, ResultSignatureSize + 4);
    int32_t waveLengths[3];
    for (int32_t& w : waveLengths)
        w = reader.U16();
    const bool threeWaves = waveLengths[1] != 0;
    for (int i = 0; i < 3; ++i)
        outcome.waveLengths[i] = waveLengths[i];

    // Only an accepted file replaces the loss-test results. The job, cable
    // and system information the user typed stays: the report writes the
    // cable of each group itself.
    const size_t count = static_cast<size_t>(outcome.records.whole);
    if (threeWaves)
        store.ReplaceLossTests(ReadRecords(reader, count, [&waveLengths](const KavRow& row) {
            return NewKavRecord3(row.cable, row.fiber, waveLengths, row.values, row.date, row.time);
        }));
    else
        store.ReplaceLossTests(ReadRecords(reader, count, [&waveLengths](const KavRow& row) {
            return NewKavRecord2(row.cable, row.fiber, waveLengths, row.values, row.date, row.time);
        }));
    return outcome;
}
