#include "Documents.h"
#include "FieldText.h"
#include "ResultFileDecoders.h"
#include "SampleSet.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {
const uint16_t Three[3] = {1310, 1490, 1550};
const uint16_t Two[3] = {1310, 0, 1550};

float ThroughText(float v, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return static_cast<float>(std::strtod(text, nullptr));
}

std::vector<LossTestResult> Named(std::initializer_list<const char*> cables)
{
    std::vector<LossTestResult> results;
    for (const char* cable : cables) {
        LossTestResult r;
        r.cable = cable;
        r.fiber = "F" + std::to_string(results.size() + 1);
        results.push_back(r);
    }
    return results;
}
} // namespace

TEST(KavDecoder, HeaderWavelengthsChooseTheRecordForm)
{
    const std::string three = EncodeKavResult(Three, SampleLossTests(2, 2));
    EXPECT_EQ(three.substr(18, 6), std::string("\x1E\x05\xD2\x05\x0E\x06", 6));
    CDataStore store;
    const KavDecodeOutcome outcome = DecodeKavBytes(SpanOf(three), store);
    EXPECT_EQ(outcome.result, DecodeResult::Ok);
    EXPECT_EQ(store.KavWaveCount(), 3);
    EXPECT_EQ(store.m_KavWaveMode, 1490);
    ASSERT_EQ(store.GetKavRecords3().size(), 2u);
    EXPECT_EQ(store.GetKavRecords3()[0].WaveLength[1], 1490);

    DecodeKavBytes(SpanOf(EncodeKavResult(Two, SampleLossTests(3, 2))), store);
    EXPECT_EQ(store.KavWaveCount(), 2);
    EXPECT_EQ(store.m_KavWaveMode, 0);
    EXPECT_TRUE(store.GetKavRecords3().empty());
    ASSERT_EQ(store.GetKavRecords2().size(), 3u);
    EXPECT_EQ(store.GetKavRecords2()[2].WaveLength[0], 1310);
    EXPECT_EQ(store.GetKavRecords2()[2].WaveLength[1], 1550);

    // A file without records still sets the form its header names.
    DecodeKavBytes(SpanOf(EncodeKavResult(Three, {})), store);
    EXPECT_EQ(store.KavWaveCount(), 3);
    EXPECT_EQ(store.KavRecordCount(), 0u);
    EXPECT_TRUE(store.GetKavRecords2().empty());
}

TEST(KavDecoder, ValuesPassThroughTwoDecimalTextAndLengthsThree)
{
    std::vector<LossTestResult> results = SampleLossTests(40, 5);
    results[0].lossAB[0] = 0.126f;
    results[0].length[0] = 1.0f;
    results[0].length[1] = 2.0f;
    results[0].length[2] = 12.34567f;
    CDataStore store;
    ASSERT_EQ(DecodeKavBytes(SpanOf(EncodeKavResult(Three, results)), store).result, DecodeResult::Ok);
    const KavRecord3& first = store.GetKavRecords3()[0];
    EXPECT_EQ(first.LossAB[0], 0.13f);
    for (float length : first.Length)
        EXPECT_EQ(length, 12.346f);
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
        EXPECT_EQ(FieldText(out.Cable), in.cable);
    }
}

TEST(KavDecoder, CableGroupsFollowRunsOfNames)
{
    CDataStore store;
    const std::string file = EncodeKavResult(Three, Named({"C1", "C1", "C2", "C1"}));
    for (int pass = 0; pass < 2; ++pass) {
        DecodeKavBytes(SpanOf(file), store);
        const CableGroups& g = store.m_CableGroups;
        ASSERT_EQ(g.CableGroupCount, 3);
        EXPECT_EQ(g.CableGroupStart, (std::vector<int32_t>{0, 2, 3}));
        EXPECT_EQ(g.CableGroupNames, (std::vector<std::string>{"C1", "C2", "C1"}));
    }
    std::vector<LossTestResult> many(1200);
    for (size_t i = 0; i < many.size(); ++i)
        many[i].cable = "CAB-" + std::to_string(i);
    DecodeKavBytes(SpanOf(EncodeKavResult(Two, many)), store);
    EXPECT_EQ(store.m_CableGroups.CableGroupCount, 1200);
}

TEST(KavDecoder, OnlyAnAcceptedFileReplacesResultsAndJobInformation)
{
    CDataStore store;
    ASSERT_EQ(DecodeKavBytes(SpanOf(EncodeKavResult(Three, SampleLossTests(4, 2))), store).result,
              DecodeResult::Ok);
    store.m_InfoFields.JobId = "JOB-7";
    store.AddOpmRecord("C", "F", "1310nm", "-1.00dBm", "-2.00dBm", "2026-01-02", "03:04:05");

    EXPECT_EQ(DecodeKavBytes(SpanOf(EncodeOrlResult(SampleOrlReadings(1))), store).result,
              DecodeResult::BadSignature);
    EXPECT_EQ(store.m_InfoFields.JobId, "JOB-7");
    EXPECT_EQ(store.GetKavRecords3().size(), 4u);

    ASSERT_EQ(DecodeKavBytes(SpanOf(EncodeKavResult(Two, {})), store).result, DecodeResult::Ok);
    EXPECT_EQ(store.m_InfoFields.JobId, "");
    EXPECT_TRUE(store.GetKavRecords3().empty());
    EXPECT_EQ(store.GetOpmRecords().size(), 1u); // other kinds untouched
}

TEST(KavDecoder, SixteenCharacterNamesSurviveTheTwoWavelengthForm)
{
    CDataStore store;
    DecodeKavBytes(SpanOf(EncodeKavResult(Two, Named({"ABCDEFGHIJKLMNOP"}))), store);
    EXPECT_EQ(FieldText(store.GetKavRecords2().at(0).Cable), "ABCDEFGHIJKLMNOP");
}
