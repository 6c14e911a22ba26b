#include "Documents.h"
#include "FieldText.h"
#include "ResultFileDecoders.h"
#include "SampleSet.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

TEST(OrlDecoder, RowsAndRecordsOfEveryReading)
{
    std::vector<OrlReading> readings = SampleOrlReadings(3);
    readings[1].returnLoss = -0.004f;
    readings[2].returnLoss = 12345.0f; // too long for its field
    CDataStore store;
    RecordingSink sink;
    ASSERT_EQ(DecodeOrlBytes(SpanOf(EncodeOrlResult(readings)), store, &sink), DecodeResult::Ok);
    ASSERT_EQ(store.GetOrlRecords().size(), 3u);
    ASSERT_EQ(sink.rows.size(), 3u);
    const OrlRecord& first = store.GetOrlRecords()[0];
    EXPECT_EQ(FieldText(first.Cable), readings[0].cable);
    EXPECT_EQ(FieldText(first.WaveLength), std::to_string(readings[0].waveLength) + "nm");
    EXPECT_EQ(sink.rows[0][0], "1");
    EXPECT_EQ(sink.rows[0][4], FieldText(first.OrlValue));
    EXPECT_EQ(FieldText(store.GetOrlRecords()[1].OrlValue), "-0.00dB");
    // "12345.00dB" does not fit the field's 9 characters; the exponent form
    // with as many decimals as fit keeps the unit, in the list as in the store.
    EXPECT_EQ(FieldText(store.GetOrlRecords()[2].OrlValue), Printed("%.1e", 12345.0) + "dB");
    EXPECT_EQ(sink.rows[2][4], FieldText(store.GetOrlRecords()[2].OrlValue));
    EXPECT_EQ(FieldText(store.GetOrlRecords()[2].Date), sink.rows[2][5]);
}

TEST(OrlDecoder, OtherSignaturesAreRefusedWithoutChange)
{
    CDataStore store;
    ASSERT_EQ(DecodeOrlBytes(SpanOf(EncodeOrlResult(SampleOrlReadings(2))), store, nullptr),
              DecodeResult::Ok);
    RecordingSink sink;
    EXPECT_EQ(DecodeOrlBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(1))), store, &sink),
              DecodeResult::BadSignature);
    EXPECT_EQ(store.GetOrlRecords().size(), 2u);
    EXPECT_EQ(sink.clears, 0);
}
