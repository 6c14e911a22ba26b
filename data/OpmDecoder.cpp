#include "BcdText.h"
#include "FixedDecimal.h"
#include "ResultFileDecoders.h"
#include "ResultFrame.h"

namespace {
const char* const UnitTexts[] = {" ", "dBm", "w", "mw", "uw", "nw", "pw", "dB"};
constexpr uint16_t UnitCount = 8;

enum ListColumn
{
    Number,
    Cable,
    Fiber,
    Power,
    Reference,
    WaveLength,
    Date,
    Time
};
} // namespace

DecodeResult DecodeOpmBytes(ByteSpan bytes, CDataStore& store, RowSink* sink)
{
    if (!HasSignature(bytes, OpmSignature))
        return DecodeResult::BadSignature;
    ByteReader reader(bytes, ResultSignatureSize);
    const uint16_t count = reader.U16();

    if (sink)
        sink->ClearRows();
    store.ClearOpm();
    store.ReserveOpmRecords(count);
    for (int i = 0; i < count; ++i) {
        reader.Seek(ResultHeaderSize + OpmResultRecordSize * static_cast<size_t>(i));
        const std::string cable = reader.Name();
        const std::string fiber = reader.Name();
        const float power = reader.F32();
        const float reference = reader.F32();
        const uint16_t unit = reader.U16();
        const uint16_t waveLength = reader.U16();
        const int16_t rangeStatus = reader.I16();
        reader.Skip(2);
        uint8_t date[4], time[4];
        reader.Read(date, 4);
        reader.Read(time, 4);

        if (sink) {
            sink->InsertRow(i, std::to_string(i + 1));
            sink->SetCell(i, Cable, cable);
            sink->SetCell(i, Fiber, fiber);
        }
        // An unknown unit ends the file: what was read so far stays.
        if (unit >= UnitCount)
            break;
        std::string powerText = FixedText(power, 2) + UnitTexts[unit];
        const std::string referenceText = FixedText(reference, 2) + UnitTexts[unit];
        const std::string waveLengthText = std::to_string(waveLength) + "nm";
        if (rangeStatus == -1)
            powerText = "too low";
        else if (rangeStatus == 1)
            powerText = "too high";
        const std::string dateText = BcdDateText(date);
        const std::string timeText = BcdTimeText(time);
        if (sink) {
            sink->SetCell(i, Reference, referenceText);
            sink->SetCell(i, WaveLength, waveLengthText);
            // Any other status leaves the power cell empty while the store
            // keeps the number.
            if (rangeStatus >= -1 && rangeStatus <= 1)
                sink->SetCell(i, Power, powerText);
            sink->SetCell(i, Date, dateText);
            sink->SetCell(i, Time, timeText);
        }
        store.AddOpmRecord(cable, fiber, waveLengthText, powerText, referenceText, dateText, timeText);
    }
    return DecodeResult::Ok;
}
