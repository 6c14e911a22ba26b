#include "TraceFile.h"
#include "FileLoading.h"
#include "SampleSet.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
TraceRecording Recording(std::vector<float> samples)
{
    TraceRecording t;
    t.waveLength = 1550;
    t.reference = -3.2f;
    t.start = MakeStamp(2017, 6, 15, 14, 5, 9);
    t.end = MakeStamp(2017, 6, 15, 14, 6, 0);
    t.samples = std::move(samples);
    return t;
}
} // namespace

TEST(TraceFile, TextsOfTheTracePage)
{
    TempDir dir;
    const std::string path = dir.File("trace.bin");
    const std::string bytes = EncodeTraceResult(Recording({-10.0f, -12.5f, -11.0f}));
    EXPECT_EQ(bytes.substr(8, 8), std::string("\x20\x17\x06\x15\x14\x05\x09\x00", 8));
    WriteBytes(path, bytes);
    CDataStore store;
    const LoadOutcome outcome = LoadFile(path, store);
    ASSERT_EQ(outcome.result, DecodeResult::Ok);
    const TraceFileContents& c = outcome.trace;
    EXPECT_EQ(c.recordCount, "3");
    EXPECT_EQ(c.minimum, "-12.50");
    EXPECT_EQ(c.maximum, "-10.00");
    const float average = (-10.0f + -12.5f + -11.0f) / 3;
    EXPECT_EQ(c.average, Printed("%.2f", average));
    EXPECT_EQ(c.average, "-11.17");
    EXPECT_EQ(c.reference, Printed("%.2f", -3.2f));
    EXPECT_EQ(c.waveLength, "1550");
    EXPECT_EQ(c.start, "2017-06-15 14:05:09");
    EXPECT_EQ(c.end, "2017-06-15 14:06:00");
    EXPECT_EQ(c.plotValues, (std::vector<float>{-3.2f, -10.0f, -12.5f, -11.0f}));
    EXPECT_EQ(store.GetTraceValues(), c.plotValues);
}

TEST(TraceFile, SamplesAreRoundedAndEachDecodeReplacesTheStoredValues)
{
    CDataStore store;
    const std::string bytes = EncodeTraceResult(Recording(std::vector<float>(100, -12.3456f)));
    for (int pass = 0; pass < 2; ++pass)
        ASSERT_EQ(ReadTraceBytes(SpanOf(bytes), store).result, DecodeResult::Ok);
    ASSERT_EQ(store.GetTraceValues().size(), 101u);
    EXPECT_EQ(store.GetTraceValues()[5], -12.35f);
}

TEST(TraceFile, StatisticsDisplayRule)
{
    EXPECT_EQ(TraceStatisticText(-79.85f), "-79.85");
    EXPECT_EQ(TraceStatisticText(-80.0f), "Low");
    EXPECT_EQ(TraceStatisticText(29.0f), "High");
    EXPECT_EQ(TraceStatisticText(28.9f), Printed("%.2f", 28.9f));
    EXPECT_EQ(TraceStatisticText(-std::numeric_limits<float>::infinity()), "Low");
    // Not a number is neither low nor high: shown as the C library prints it.
    EXPECT_EQ(TraceStatisticText(std::numeric_limits<float>::quiet_NaN()),
              Printed("%.2f", std::numeric_limits<float>::quiet_NaN()));
}

TEST(TraceFile, NoSamplesShowsZeroBoundsAndNoAverage)
{
    CDataStore store;
    const TraceReadOutcome outcome = ReadTraceBytes(SpanOf(EncodeTraceResult(Recording({}))), store);
    ASSERT_EQ(outcome.result, DecodeResult::Ok);
    EXPECT_EQ(outcome.contents.minimum, "0.00");
    EXPECT_EQ(outcome.contents.maximum, "0.00");
    EXPECT_EQ(outcome.contents.average, "N/A");
    EXPECT_EQ(store.GetTraceValues().size(), 1u);
}

TEST(TraceFile, ShortFilesAndWrongMarksChangeNothing)
{
    CDataStore store;
    const std::string good = EncodeTraceResult(Recording({-1.0f, -2.0f, -3.0f}));
    ASSERT_EQ(ReadTraceBytes(SpanOf(good), store).result, DecodeResult::Ok);
    const std::vector<float> before = store.GetTraceValues();

    const std::string longer = EncodeTraceResult(Recording(std::vector<float>(5, -7.0f)));
    for (size_t cut = 0; cut < longer.size(); ++cut) {
        const DecodeResult result = ReadTraceBytes(SpanOf(longer.substr(0, cut)), store).result;
        ASSERT_EQ(result, DecodeResult::Truncated) << cut;
    }
    TraceRecording wrongMark = Recording({1.0f});
    wrongMark.mark = 164;
    EXPECT_EQ(ReadTraceBytes(SpanOf(EncodeTraceResult(wrongMark)), store).result, DecodeResult::BadMark);
    EXPECT_EQ(store.GetTraceValues(), before);
}

TEST(TraceFile, NotANumberAndInfiniteSamples)
{
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    CDataStore store;
    const TraceReadOutcome outcome =
        ReadTraceBytes(SpanOf(EncodeTraceResult(Recording({-5.0f, inf, nan}))), store);
    ASSERT_EQ(outcome.result, DecodeResult::Ok);
    EXPECT_EQ(outcome.contents.maximum, "High");
    EXPECT_EQ(outcome.contents.average, Printed("%.2f", double(-5.0f + inf + nan)));
    EXPECT_TRUE(std::isnan(store.GetTraceValues()[3]));
    EXPECT_EQ(store.GetTraceValues()[2], inf);
}
