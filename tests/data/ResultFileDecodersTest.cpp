#include "data/ResultFileDecoders.h"

#include "data/Documents.h"
#include "data/FieldText.h"
#include "tests/data/TestFiles.h"
#include "tools/make-samples/SampleSet.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

using Decoder = DecodeResult (*)(const std::string& bytes, CDataStore& store, RowSink* sink);
const Decoder Opm = [](const std::string& b, CDataStore& s, RowSink* r) {
    return DecodeOpmBytes(SpanOf(b), s, r).result;
};
const Decoder Orl = [](const std::string& b, CDataStore& s, RowSink* r) {
    return DecodeOrlBytes(SpanOf(b), s, r).result;
};
const Decoder Kav = [](const std::string& b, CDataStore& s, RowSink*) {
    return DecodeKavBytes(SpanOf(b), s).result;
};

// Everything a decode may change, as the documents and the cable groups show it.
std::string Contents(const CDataStore& store)
{
    std::string text = OpmDocumentBytes(store) + OrlDocumentBytes(store) + KavDocumentBytes(store);
    for (const std::string& name : store.GetCableGroups().CableGroupNames)
        text += "|" + name;
    return text + "|" + store.GetInfoFields().JobId;
}

float ThroughText(float v, int decimals)
{
    return static_cast<float>(std::strtod(Printed(decimals == 2 ? "%.2f" : "%.3f", v).c_str(), nullptr));
}
} // namespace

TEST(OpmDecoder, TheEightyEightByteFile)
{
    CDataStore store;
    RecordingSink sink;
    ASSERT_EQ(Opm(EightyEightByteFile(), store, &sink), DecodeResult::Ok);
    ASSERT_EQ(sink.rows.size(), 1u);
    EXPECT_EQ(sink.rows[0], (std::vector<std::string>{"1", "C1", "F1", "-12.50dBm", "-3.00dBm", "1310nm",
                                                      "2017-06-15", "14:05:09"}));
    EXPECT_EQ(store.GetOpmRecords().size(), 1u);
}

// A decoder refuses every other signature and changes nothing; a file it
// takes replaces its own kind only, also when it holds no records, and
// keeps the job information the user typed.
TEST(ResultFiles, OnlyAFileOfItsOwnKindReplacesADecodersRecords)
{
    std::string upper = EightyEightByteFile();
    upper[2] = 'V';
    const std::string opm = EncodeOpmResult(SampleOpmReadings(2)),
                      orl = EncodeOrlResult(SampleOrlReadings(2)),
                      kav = EncodeKavResult(ThreeWaveLengths, SampleLossTests(2, 1));
    const std::pair<Decoder, std::vector<std::string>> refusals[] = {
        {Opm, {orl, kav, upper, "", "kav12.opm"}}, {Orl, {opm, kav}}, {Kav, {opm, orl}}};
    CDataStore store;
    for (const auto& [decode, file] : {std::pair{Opm, opm}, std::pair{Orl, orl}, std::pair{Kav, kav}})
        ASSERT_EQ(decode(file, store, nullptr), DecodeResult::Ok);
    InfoFields typed;
    typed.JobId = "JOB-7";
    store.SetInfoFields(typed);
    const std::string before = Contents(store);
    RecordingSink sink;
    for (const auto& [decode, files] : refusals)
        for (const std::string& file : files)
            EXPECT_EQ(decode(file, store, &sink), DecodeResult::BadSignature);
    EXPECT_EQ(Contents(store), before);
    EXPECT_EQ(sink.clears, 0);

    ASSERT_EQ(Opm(EncodeOpmResult({}), store, &sink), DecodeResult::Ok);
    EXPECT_TRUE(store.GetOpmRecords().empty() && sink.rows.empty());
    EXPECT_EQ(sink.clears, 1);
    EXPECT_EQ(store.GetInfoFields().JobId, "JOB-7");
    ASSERT_EQ(Kav(EncodeKavResult(TwoWaveLengths, {}), store, nullptr), DecodeResult::Ok);
    EXPECT_EQ(store.KavRecordCount(), 0u);
    EXPECT_EQ(store.GetInfoFields().JobId, "JOB-7");
    EXPECT_EQ(store.GetOrlRecords().size(), 2u);
}

TEST(OpmDecoder, RangeStatusAndUnitsUpToAnUnknownOne)
{
    std::vector<OpmReading> readings(8);
    for (size_t i = 0; i < readings.size(); ++i) {
        readings[i].power = -12.3456f;
        readings[i].reference = -3.2f;
        readings[i].cable = "C" + std::to_string(i);
        readings[i].fiber = "F" + std::to_string(i);
    }
    readings[0].rangeStatus = -1;
    readings[1].rangeStatus = 1;
    readings[2].rangeStatus = 2;
    readings[3].unit = 0;
    readings[4].unit = 7;
    readings[5].power = 1e30f; // too long for its field
    readings[6].unit = 8;      // unknown: the file ends at this record, its row half written
    CDataStore store;
    RecordingSink sink;
    ASSERT_EQ(Opm(EncodeOpmResult(readings), store, &sink), DecodeResult::Ok);
    const auto& records = store.GetOpmRecords();
    ASSERT_EQ(records.size(), 6u);
    ASSERT_EQ(sink.rows.size(), 7u);
    EXPECT_EQ(sink.rows[6], (std::vector<std::string>{"7", "C6", "F6", "", "", "", "", ""}));
    const std::string power = Printed("%.2f", -12.3456f), reference = Printed("%.2f", -3.2f);
    EXPECT_EQ(FieldText(records[0].Power), "too low");
    EXPECT_EQ(FieldText(records[0].Reference), reference + "dBm");
    EXPECT_EQ(sink.rows[0][3], "too low");
    EXPECT_EQ(FieldText(records[1].Power), "too high");
    EXPECT_EQ(FieldText(records[2].Power), power + "dBm");
    EXPECT_EQ(sink.rows[2][3], "");
    EXPECT_EQ(FieldText(records[3].Power), power + " ");
    EXPECT_EQ(FieldText(records[4].Reference), reference + "dB");
    // Cut to fit in exponent form, the unit kept; the list shows what the store holds.
    EXPECT_NE(FieldText(records[5].Power).find("e+30dBm"), std::string::npos) << FieldText(records[5].Power);
    EXPECT_EQ(sink.rows[5][3], FieldText(records[5].Power));
}

TEST(OrlDecoder, RowsAndRecordsOfEveryReading)
{
    std::vector<OrlReading> readings = SampleOrlReadings(3);
    readings[1].returnLoss = -0.004f;
    readings[2].returnLoss = 12345.0f; // too long for its field
    CDataStore store;
    RecordingSink sink;
    ASSERT_EQ(Orl(EncodeOrlResult(readings), store, &sink), DecodeResult::Ok);
    ASSERT_EQ(store.GetOrlRecords().size(), 3u);
    ASSERT_EQ(sink.rows.size(), 3u);
    const OrlRecord& first = store.GetOrlRecords()[0];
    EXPECT_EQ(FieldText(first.Cable), readings[0].cable);
    EXPECT_EQ(FieldText(first.WaveLength), std::to_string(readings[0].waveLength) + "nm");
    EXPECT_EQ(sink.rows[0][0], "1");
    EXPECT_EQ(FieldText(store.GetOrlRecords()[1].OrlValue), "-0.00dB");
    // "12345.00dB" does not fit the field's 9 characters; the exponent form
    // with as many decimals as fit keeps the unit, in the list as in the store.
    EXPECT_EQ(FieldText(store.GetOrlRecords()[2].OrlValue), Printed("%.1e", 12345.0) + "dB");
    EXPECT_EQ(sink.rows[2][4], FieldText(store.GetOrlRecords()[2].OrlValue));
    EXPECT_EQ(sink.rows[2][5], FieldText(store.GetOrlRecords()[2].Date));
}

TEST(KavDecoder, ValuesPassThroughTwoDecimalTextAndLengthsTakeTheLastInThree)
{
    std::vector<LossTestResult> results = SampleLossTests(40, 5);
    results[0].lossAB[0] = 0.126f;
    results[0].length[2] = 12.34567f;
    CDataStore store;
    ASSERT_EQ(Kav(EncodeKavResult(ThreeWaveLengths, results), store, nullptr), DecodeResult::Ok);
    EXPECT_EQ(store.GetKavRecords3()[0].LossAB[0], 0.13f);
    for (size_t k = 0; k < results.size(); ++k) {
        const LossTestResult& in = results[k];
        const KavRecord3& out = store.GetKavRecords3()[k];
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(out.LossAB[i], ThroughText(in.lossAB[i], 2));
            ASSERT_EQ(out.LossBA[i], ThroughText(in.lossBA[i], 2));
            ASSERT_EQ(out.RefBA[i], ThroughText(in.refBA[i], 2));
            ASSERT_EQ(out.OrlBA[i], ThroughText(in.orlBA[i], 2));
            ASSERT_EQ(out.Length[i], ThroughText(in.length[2], 3));
        }
    }
}

// A cable's group is a run of its name: a name that comes back starts a new one.
TEST(KavDecoder, CableGroupsFollowRunsOfNames)
{
    std::vector<LossTestResult> results(4);
    for (size_t i = 0; i < results.size(); ++i)
        results[i].cable = i == 2 ? "C2" : "C1";
    CDataStore store;
    for (int pass = 0; pass < 2; ++pass) {
        Kav(EncodeKavResult(ThreeWaveLengths, results), store, nullptr);
        EXPECT_EQ(store.GetCableGroups().CableGroupCount, 3);
        EXPECT_EQ(store.GetCableGroups().CableGroupStart, (std::vector<int32_t>{0, 2, 3}));
        EXPECT_EQ(store.GetCableGroups().CableGroupNames, (std::vector<std::string>{"C1", "C2", "C1"}));
    }
    Kav(EncodeKavResult(TwoWaveLengths, SampleLossTests(1200, 1)), store, nullptr);
    EXPECT_EQ(store.GetCableGroups().CableGroupCount, 1200);
}

// A file cut short (anywhere, or one that declares the largest count) loads
// the records it holds whole and says how many it declared; nothing is made
// up for the rest.
TEST(ResultFiles, ACutFileLoadsItsWholeRecordsOnly)
{
    using Counter = ResultRecordCounts (*)(const std::string&, CDataStore&);
    const struct
    {
        Counter decode;
        std::string whole;
        size_t recordSize;
    } files[] = {
        {[](const std::string& b, CDataStore& s) { return DecodeOpmBytes(SpanOf(b), s, nullptr).records; },
         EncodeOpmResult(SampleOpmReadings(3)), 56},
        {[](const std::string& b, CDataStore& s) { return DecodeOrlBytes(SpanOf(b), s, nullptr).records; },
         EncodeOrlResult(SampleOrlReadings(3)), 52},
        {[](const std::string& b, CDataStore& s) { return DecodeKavBytes(SpanOf(b), s).records; },
         EncodeKavResult(ThreeWaveLengths, SampleLossTests(3, 2)), 136},
        {[](const std::string& b, CDataStore& s) { return DecodeKavBytes(SpanOf(b), s).records; },
         EncodeKavResult(TwoWaveLengths, SampleLossTests(3, 1)), 136},
    };
    // The documents hold the records' bytes, so a prefix of records is a
    // prefix of their bytes after the document's header.
    const auto recordBytes = [](const CDataStore& store) {
        const auto after = [](const std::string& document, size_t header) {
            return document.size() > header ? document.substr(header) : std::string();
        };
        return after(OpmDocumentBytes(store), 604) + after(OrlDocumentBytes(store), 4) +
               after(KavDocumentBytes(store), 8);
    };
    for (const auto& file : files) {
        CDataStore full;
        ASSERT_EQ(file.decode(file.whole, full).whole, 3);
        const std::string all = recordBytes(full);
        const size_t perRecord = all.size() / 3;
        for (size_t cut = 14; cut <= file.whole.size(); ++cut) {
            CDataStore store;
            const ResultRecordCounts counts = file.decode(file.whole.substr(0, cut), store);
            const int held = cut < 32 ? 0 : static_cast<int>((cut - 32) / file.recordSize);
            ASSERT_EQ(counts.declared, cut < 15 ? 0 : 3) << cut; // the count's low byte is at 14
            ASSERT_EQ(counts.whole, held) << cut;
            ASSERT_EQ(recordBytes(store), all.substr(0, perRecord * static_cast<size_t>(held))) << cut;
        }
        std::string largest = file.whole;
        largest[14] = largest[15] = '\xFF';
        largest.resize(32 + file.recordSize + file.recordSize / 2); // the second record partly there
        CDataStore store;
        const ResultRecordCounts counts = file.decode(largest, store);
        EXPECT_EQ(counts.declared, 65535);
        EXPECT_EQ(counts.whole, 1);
        EXPECT_EQ(recordBytes(store), all.substr(0, perRecord));
    }
}
