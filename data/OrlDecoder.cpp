#include "BcdText.h"
#include "FixedDecimal.h"
#include "ResultFileDecoders.h"
#include "ResultFrame.h"

namespace {
enum ListColumn
{
    Number,
    Cable,
    Fiber,
    WaveLength,
    OrlValue,
    Date,
    Time
};
}

DecodeResult DecodeOrlBytes(ByteSpan bytes, CDataStore& store, RowSink* sink)
{
    if (!HasSignature(bytes, OrlSignature))
        return DecodeResult::BadSignature;
    ByteReader reader(bytes, ResultSignatureSize);
    const uint16_t count = reader.U16();

    if (sink)
        sink->ClearRows();
    store.ClearOrl();
    store.ReserveOrlRecords(count);
    for (int i = 0; i < count; ++i) {
        reader.Seek(ResultHeaderSize + OrlResultRecordSize * static_cast<size_t>(i));
        const std::string cable = reader.Name();
        const std::string fiber = reader.Name();
        const uint16_t waveLength = reader.U16();
        reader.Skip(2);
        const float returnLoss = reader.F32();
        reader.Skip(4); // a second value the program never used
        uint8_t date[4], time[4];
        reader.Read(date, 4);
        reader.Read(time, 4);

        const std::string waveLengthText = std::to_string(waveLength) + "nm";
        const std::string orlText = FixedText(returnLoss, 2) + "dB";
        const std::string dateText = BcdDateText(date);
        const std::string timeText = BcdTimeText(time);
        if (sink) {
            sink->InsertRow(i, std::to_string(i + 1));
            sink->SetCell(i, Cable, cable);
            sink->SetCell(i, Fiber, fiber);
            sink->SetCell(i, WaveLength, waveLengthText);
            sink->SetCell(i, OrlValue, orlText);
            sink->SetCell(i, Date, dateText);
            sink->SetCell(i, Time, timeText);
        }
        store.AddOrlRecord(cable, fiber, waveLengthText, orlText, dateText, timeText);
    }
    return DecodeResult::Ok;
}
