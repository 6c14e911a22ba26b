#include "Documents.h"
#include "FieldText.h"
#include "FileLoading.h"
#include "ResultFileDecoders.h"
#include "SampleSet.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {
// The worked example: one reading of cable C1, fiber F1.
std::string EightyEightByteFile()
{
    const unsigned char bytes[] = {
        'k',  'a',  'v',  '1',  '2',  '.',  'o',  'p',  'm',  's',  'a',  'v',  'e', 0, 1, 0, //
        0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,   0, 0, 0, //
        'C',  '1',  0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,   0, 0, 0, //
        'F',  '1',  0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,   0, 0, 0, //
        0x00, 0x00, 0x48, 0xC1, 0x00, 0x00, 0x40, 0xC0, 0x01, 0x00, 0x1E, 0x05,               //
        0x00, 0x00, 0x00, 0x00, 0x20, 0x17, 0x06, 0x15, 0x14, 0x05, 0x09, 0x00};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

std::vector<std::string> RecordTexts(const OpmRecord& r)
{
    return {FieldText(r.Cable),     FieldText(r.Fiber), FieldText(r.WaveLength), FieldText(r.Power),
            FieldText(r.Reference), FieldText(r.Date),  FieldText(r.Time)};
}
} // namespace

TEST(OpmDecoder, TheEightyEightByteFile)
{
    TempDir dir;
    const std::string path = dir.File("reading.bin");
    WriteBytes(path, EightyEightByteFile());
    CDataStore store;
    RecordingSink sink;
    LoadOptions options;
    options.rows = &sink;
    ASSERT_EQ(LoadFile(path, store, options).result, DecodeResult::Ok);
    ASSERT_EQ(sink.rows.size(), 1u);
    EXPECT_EQ(sink.rows[0], (std::vector<std::string>{"1", "C1", "F1", "-12.50dBm", "-3.00dBm", "1310nm",
                                                      "2017-06-15", "14:05:09"}));
    ASSERT_EQ(store.GetOpmRecords().size(), 1u);
    EXPECT_EQ(
        RecordTexts(store.GetOpmRecords()[0]),
        (std::vector<std::string>{"C1", "F1", "1310nm", "-12.50dBm", "-3.00dBm", "2017-06-15", "14:05:09"}));
}

TEST(OpmDecoder, SignatureIsExactAndARefusalChangesNothing)
{
    CDataStore store;
    RecordingSink sink;
    ASSERT_EQ(DecodeOpmBytes(SpanOf(EightyEightByteFile()), store, &sink), DecodeResult::Ok);

    std::string upper = EightyEightByteFile();
    upper[2] = 'V';
    std::string orl = EightyEightByteFile();
    orl.replace(6, 3, "orl");
    for (const std::string& refused : {upper, orl, std::string(), std::string("kav12.opm")}) {
        EXPECT_EQ(DecodeOpmBytes(SpanOf(refused), store, &sink), DecodeResult::BadSignature);
        EXPECT_EQ(store.GetOpmRecords().size(), 1u);
        EXPECT_EQ(sink.rows.size(), 1u);
        EXPECT_EQ(sink.clears, 1);
    }
}

TEST(OpmDecoder, NoRecordsEmptiesListAndStore)
{
    CDataStore store;
    RecordingSink sink;
    DecodeOpmBytes(SpanOf(EightyEightByteFile()), store, &sink);
    ASSERT_EQ(DecodeOpmBytes(SpanOf(EncodeOpmResult({})), store, &sink), DecodeResult::Ok);
    EXPECT_TRUE(store.GetOpmRecords().empty());
    EXPECT_TRUE(sink.rows.empty());
}

TEST(OpmDecoder, RangeStatusAndUnits)
{
    std::vector<OpmReading> readings(5);
    for (OpmReading& r : readings) {
        r.cable = "C";
        r.fiber = "F";
        r.power = -12.3456f;
        r.reference = -3.2f;
    }
    readings[0].rangeStatus = -1;
    readings[1].rangeStatus = 1;
    readings[2].rangeStatus = 2;
    readings[3].unit = 0;
    readings[4].unit = 7;
    CDataStore store;
    RecordingSink sink;
    ASSERT_EQ(DecodeOpmBytes(SpanOf(EncodeOpmResult(readings)), store, &sink), DecodeResult::Ok);
    const auto& records = store.GetOpmRecords();
    ASSERT_EQ(records.size(), 5u);
    const std::string power = Printed("%.2f", -12.3456f), reference = Printed("%.2f", -3.2f);
    EXPECT_EQ(FieldText(records[0].Power), "too low");
    EXPECT_EQ(FieldText(records[0].Reference), reference + "dBm");
    EXPECT_EQ(sink.rows[0][3], "too low");
    EXPECT_EQ(FieldText(records[1].Power), "too high");
    EXPECT_EQ(FieldText(records[2].Power), power + "dBm");
    EXPECT_EQ(sink.rows[2][3], "");
    EXPECT_EQ(FieldText(records[3].Power), power + " ");
    EXPECT_EQ(FieldText(records[4].Reference), reference + "dB");
}

TEST(OpmDecoder, UnknownUnitEndsTheFileAtThatRecord)
{
    std::vector<OpmReading> readings(4);
    for (size_t i = 0; i < readings.size(); ++i) {
        readings[i].cable = "C" + std::to_string(i);
        readings[i].fiber = "F" + std::to_string(i);
    }
    readings[2].unit = 8;
    CDataStore store;
    RecordingSink sink;
    ASSERT_EQ(DecodeOpmBytes(SpanOf(EncodeOpmResult(readings)), store, &sink), DecodeResult::Ok);
    EXPECT_EQ(store.GetOpmRecords().size(), 2u);
    ASSERT_EQ(sink.rows.size(), 3u);
    EXPECT_EQ(sink.rows[2], (std::vector<std::string>{"3", "C2", "F2", "", "", "", "", ""}));
}
