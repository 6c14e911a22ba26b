#include "data/TraceFile.h"
#include "tests/data/TestFiles.h"
#include "tools/make-samples/SampleSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
const float Nan = std::numeric_limits<float>::quiet_NaN(), Inf = std::numeric_limits<float>::infinity();

TraceRecording Recording(std::vector<float> samples)
{
    TraceRecording t = SampleTrace(0);
    t.samples = std::move(samples);
    return t;
}
} // namespace

// Below -79.9 "Low", above 28.9 "High", as the float compares with those
// doubles; not a number is neither, and is shown as the C library prints it.
TEST(TraceFile, StatisticsDisplayRule)
{
    const std::pair<float, std::string> cases[] = {{-79.85f, "-79.85"}, {-80.0f, "Low"},
                                                   {29.0f, "High"},     {28.9f, Printed("%.2f", 28.9f)},
                                                   {-Inf, "Low"},       {Nan, Printed("%.2f", Nan)}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(TraceStatisticText(value), text) << value;
}

TEST(TraceFile, NotANumberInfiniteAndNoSamples)
{
    CDataStore store;
    const TraceReadOutcome outcome =
        ReadTraceBytes(SpanOf(EncodeTraceResult(Recording({-5.0f, Inf, Nan}))), store);
    ASSERT_EQ(outcome.result, DecodeResult::Ok);
    EXPECT_EQ(outcome.contents.maximum, "High");
    EXPECT_EQ(outcome.contents.average, Printed("%.2f", double(-5.0f + Inf + Nan)));
    EXPECT_TRUE(std::isnan(store.GetTraceValues()[3]));
    EXPECT_EQ(store.GetTraceValues()[2], Inf);

    // No samples: zero bounds and no average.
    const TraceFileContents none = ReadTraceBytes(SpanOf(EncodeTraceResult(Recording({}))), store).contents;
    EXPECT_EQ(none.minimum + " " + none.maximum + " " + none.average, "0.00 0.00 N/A");
    EXPECT_EQ(store.GetTraceValues().size(), 1u);
}

// Samples are rounded as the page shows them, and each decode replaces the
// stored values; short files and wrong marks change nothing.
TEST(TraceFile, EachDecodeReplacesTheValuesButShortFilesAndWrongMarksChangeNothing)
{
    CDataStore store;
    const std::string bytes = EncodeTraceResult(Recording(std::vector<float>(100, -12.3456f)));
    for (int pass = 0; pass < 2; ++pass)
        ASSERT_EQ(ReadTraceBytes(SpanOf(bytes), store).result, DecodeResult::Ok);
    ASSERT_EQ(store.GetTraceValues().size(), 101u);
    EXPECT_EQ(store.GetTraceValues()[5], -12.35f);
    const std::vector<float> before = store.GetTraceValues();

    const std::string longer = EncodeTraceResult(Recording(std::vector<float>(5, -7.0f)));
    for (size_t cut = 0; cut < longer.size(); ++cut) {
        ASSERT_EQ(ReadTraceBytes(SpanOf(longer.substr(0, cut)), store).result, DecodeResult::Truncated)
            << cut;
    }
    TraceRecording wrongMark = Recording({1.0f});
    wrongMark.mark = 164;
    EXPECT_EQ(ReadTraceBytes(SpanOf(EncodeTraceResult(wrongMark)), store).result, DecodeResult::BadMark);
    EXPECT_EQ(store.GetTraceValues(), before);
}
