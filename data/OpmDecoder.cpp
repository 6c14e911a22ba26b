#include "data/BcdText.h"
#include "data/FieldText.h"
#include "data/FieldValueText.h"
#include "data/ListFileDecoding.h"
#include "data/NewRecords.h"

namespace {
const char* const UnitTexts[] = {" ", "dBm", "w", "mw", "uw", "nw", "pw", "dB"};
constexpr uint16_t UnitCount = 8;

ListedRecord<OpmRecord> ReadRecord(ByteReader& reader)
{
    ListedRecord<OpmRecord> read;
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
    if (unit >= UnitCount) {
        // No instrument writes such a unit: the list shows whose record it is.
        read.shown = NewOpmRecord(cable, fiber, "", "", "", "", "");
        read.endsList = true;
        return read;
    }
    std::string powerText;
    if (rangeStatus == -1)
        powerText = "too low";
    else if (rangeStatus == 1)
        powerText = "too high";
    else
        powerText = FieldValueText(power, UnitTexts[unit], sizeof(OpmRecord::Power));
    read.kept = NewOpmRecord(cable, fiber, std::to_string(waveLength) + "nm", powerText,
                             FieldValueText(reference, UnitTexts[unit], sizeof(OpmRecord::Reference)),
                             BcdDateText(date), BcdTimeText(time));
    read.shown = read.kept;
    // Any other status leaves the power cell empty while the store keeps the
    // number.
    if (rangeStatus < -1 || rangeStatus > 1)
        SetFieldText(read.shown.Power, "");
    return read;
}

constexpr ListFileFormat<OpmRecord> OpmFile{OpmSignature, OpmResultRecordSize, &ReadRecord};
} // namespace

ResultDecodeOutcome DecodeOpmBytes(ByteSpan bytes, CDataStore& store, RowSink* sink)
{
    std::vector<OpmRecord> records;
    const ResultDecodeOutcome outcome = DecodeListFile(bytes, OpmFile, OpmColumns, sink, records);
    if (outcome.result == DecodeResult::Ok)
        store.ReplaceOpmRecords(std::move(records));
    return outcome;
}
