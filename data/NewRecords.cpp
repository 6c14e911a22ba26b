#include "data/NewRecords.h"

#include "data/FieldText.h"

OpmRecord NewOpmRecord(const std::string& cable, const std::string& fiber, const std::string& waveLength,
                       const std::string& power, const std::string& reference, const std::string& date,
                       const std::string& time)
{
    OpmRecord record{};
    SetFieldName(record.Cable, cable);
    SetFieldName(record.Fiber, fiber);
    SetFieldText(record.WaveLength, waveLength);
    SetFieldText(record.Reference, reference);
    SetFieldText(record.Power, power);
    SetFieldText(record.Date, date);
    SetFieldText(record.Time, time);
    return record;
}

OrlRecord NewOrlRecord(const std::string& cable, const std::string& fiber, const std::string& waveLength,
                       const std::string& orlValue, const std::string& date, const std::string& time)
{
    OrlRecord record{};
    SetFieldName(record.Cable, cable);
    SetFieldName(record.Fiber, fiber);
    SetFieldText(record.WaveLength, waveLength);
    SetFieldText(record.OrlValue, orlValue);
    SetFieldText(record.Date, date);
    SetFieldText(record.Time, time);
    return record;
}

KavRecord3 NewKavRecord3(const std::string& cable, const std::string& fiber, const int32_t waveLength[3],
                         const KavTriples& values, const std::string& date, const std::string& time)
{
    KavRecord3 record{};
    SetFieldName(record.Cable, cable);
    SetFieldName(record.Fiber, fiber);
    for (int i = 0; i < 3; ++i) {
        record.WaveLength[i] = waveLength[i];
        record.LossAB[i] = values.LossAB[i];
        record.LossBA[i] = values.LossBA[i];
        record.RefAB[i] = values.RefAB[i];
        record.RefBA[i] = values.RefBA[i];
        record.Threshold[i] = values.Threshold[i];
        record.Length[i] = values.Length[i];
        record.OrlAB[i] = values.OrlAB[i];
        record.OrlBA[i] = values.OrlBA[i];
    }
    SetFieldText(record.Date, date);
    SetFieldText(record.Time, time);
    return record;
}

KavRecord2 NewKavRecord2(const std::string& cable, const std::string& fiber, const int32_t waveLength[3],
                         const KavTriples& values, const std::string& date, const std::string& time)
{
    KavRecord2 record{};
    SetFieldName(record.Cable, cable);
    SetFieldName(record.Fiber, fiber);
    // Slot 2 belongs to the absent middle wavelength. The two ORL triples keep
    // their first two slots, so that the ORL values shown, exported and saved
    // are those the instrument's desktop software shows for the same file.
    static constexpr int Slot[2] = {0, 2};
    for (int i = 0; i < 2; ++i) {
        record.WaveLength[i] = waveLength[Slot[i]];
        record.LossAB[i] = values.LossAB[Slot[i]];
        record.LossBA[i] = values.LossBA[Slot[i]];
        record.RefAB[i] = values.RefAB[Slot[i]];
        record.RefBA[i] = values.RefBA[Slot[i]];
        record.Threshold[i] = values.Threshold[Slot[i]];
        record.Length[i] = values.Length[Slot[i]];
        record.OrlAB[i] = values.OrlAB[i];
        record.OrlBA[i] = values.OrlBA[i];
    }
    SetFieldText(record.Date, date);
    SetFieldText(record.Time, time);
    return record;
}
