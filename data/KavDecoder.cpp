#include "BcdText.h"
#include "FixedDecimal.h"
#include "ResultFileDecoders.h"
#include "ResultFrame.h"

namespace {
void ReadRoundedTriple(ByteReader& reader, float (&triple)[3], int decimals)
{
    for (float& value : triple)
        value = RoundThroughText(reader.F32(), decimals);
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
    ByteReader reader(bytes, ResultSignatureSize);
    const uint16_t count = reader.U16();
    reader.Skip(2);
    int32_t waveLengths[3];
    for (int32_t& w : waveLengths)
        w = reader.U16();
    const bool threeWaves = waveLengths[1] != 0;
    for (int i = 0; i < 3; ++i)
        outcome.waveLengths[i] = waveLengths[i];

    // Only an accepted file replaces the loss-test results and the job
    // information typed for them.
    store.m_InfoFields.Clear();
    store.ClearKav();
    store.m_KavWaveMode = threeWaves ? CDataStore::KavModeThree : CDataStore::KavModeTwo;
    store.m_CableGroups.Clear();
    if (threeWaves)
        store.ReserveKavRecords3(count);
    else
        store.ReserveKavRecords2(count);

    CDataStore::KavTriples values;
    for (int i = 0; i < count; ++i) {
        reader.Seek(ResultHeaderSize + KavResultRecordSize * static_cast<size_t>(i));
        const std::string cable = reader.Name();
        store.m_CableGroups.AddRecord(i, cable);
        const std::string fiber = reader.Name();
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
        if (threeWaves)
            store.AddKavRecord3(cable, fiber, waveLengths, values, BcdDateText(date), BcdTimeText(time));
        else
            store.AddKavRecord2(cable, fiber, waveLengths, values, BcdDateText(date), BcdTimeText(time));
    }
    return outcome;
}
