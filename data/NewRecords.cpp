#include "data/NewRecords.h"

#include "data/FieldText.h"

#include <cstddef>

namespace {
// A record of its cable, fiber, date and time, the rest zero.
template <typename Record>
Record Identified(const std::string& cable, const std::string& fiber, const std::string& date,
                  const std::string& time)
{
    Record record{};
    SetFieldName(record.Cable, cable);
    SetFieldName(record.Fiber, fiber);
    SetFieldText(record.Date, date);
    SetFieldText(record.Time, time);
    return record;
}

// A loss-test record whose element i holds slot slots[i] of the wavelengths
// and of the loss, reference, threshold and length triples, and slot
// orlSlots[i] of the two ORL triples.
template <typename Record, size_t N>
Record NewKavRecord(const std::string& cable, const std::string& fiber, const int32_t waveLength[3],
                    const KavTriples& values, const std::string& date, const std::string& time,
                    const int (&slots)[N], const int (&orlSlots)[N])
{
    Record record = Identified<Record>(cable, fiber, date, time);
    for (size_t i = 0; i < N; ++i) {
        const int slot = slots[i];
        record.WaveLength[i] = waveLength[slot];
        record.LossAB[i] = values.LossAB[slot];
        record.LossBA[i] = values.LossBA[slot];
        record.RefAB[i] = values.RefAB[slot];
        record.RefBA[i] = values.RefBA[slot];
        record.Threshold[i] = values.Threshold[slot];
        record.Length[i] = values.Length[slot];
        record.OrlAB[i] = values.OrlAB[orlSlots[i]];
        record.OrlBA[i] = values.OrlBA[orlSlots[i]];
    }
    return record;
}
} // namespace

OpmRecord NewOpmRecord(const std::string& cable, const std::string& fiber, const std::string& waveLength,
                       const std::string& power, const std::string& reference, const std::string& date,
                       const std::string& time)
{
    OpmRecord record = Identified<OpmRecord>(cable, fiber, date, time);
    SetFieldText(record.WaveLength, waveLength);
    SetFieldText(record.Reference, reference);
    SetFieldText(record.Power, power);
    return record;
}

OrlRecord NewOrlRecord(const std::string& cable, const std::string& fiber, const std::string& waveLength,
                       const std::string& orlValue, const std::string& date, const std::string& time)
{
    OrlRecord record = Identified<OrlRecord>(cable, fiber, date, time);
    SetFieldText(record.WaveLength, waveLength);
    SetFieldText(record.OrlValue, orlValue);
    return record;
}

KavRecord3 NewKavRecord3(const std::string& cable, const std::string& fiber, const int32_t waveLength[3],
                         const KavTriples& values, const std::string& date, const std::string& time)
{
    static constexpr int Slots[3] = {0, 1, 2};
    return NewKavRecord<KavRecord3>(cable, fiber, waveLength, values, date, time, Slots, Slots);
}

KavRecord2 NewKavRecord2(const std::string& cable, const std::string& fiber, const int32_t waveLength[3],
                         const KavTriples& values, const std::string& date, const std::string& time)
{
    // Slot 2 belongs to the absent middle wavelength. The two ORL triples keep
    // their first two slots, so that the ORL values shown, exported and saved
    // are those the instrument's desktop software shows for the same file.
    static constexpr int Slots[2] = {0, 2};
    static constexpr int OrlSlots[2] = {0, 1};
    return NewKavRecord<KavRecord2>(cable, fiber, waveLength, values, date, time, Slots, OrlSlots);
}
