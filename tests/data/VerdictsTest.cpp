#include "data/Verdicts.h"
#include "data/ResultFileDecoders.h"
#include "tests/data/TestFiles.h"
#include "tools/make-samples/SampleSet.h"

#include <gtest/gtest.h>

#include <cmath>

// Worked cases: every limit and margin below is worked out by hand in the
// comment beside it. Wavelength indices: 0 = 1310, 1 = 1490, 2 = 1550 nm.

namespace {
// One fibre with the same losses at every wavelength.
LossTestResult Fibre(const std::string& cable, float lossAB, float lossBA, float length = 2.0f)
{
    LossTestResult r;
    r.cable = cable;
    r.fiber = "F";
    for (int i = 0; i < 3; ++i) {
        r.lossAB[i] = lossAB;
        r.lossBA[i] = lossBA;
        r.threshold[i] = 1.5f;
        r.length[i] = length;
    }
    return r;
}

// The fibres as a three-wavelength result file read into the store.
LossTestVerdicts Certified(const std::vector<LossTestResult>& fibres, const TestLimits& limits,
                           CDataStore& store)
{
    DecodeKavBytes(SpanOf(EncodeKavResult(ThreeWaveLengths, fibres)), store);
    return CertifyLossTests(store, limits);
}

// "loss|limit|margin|verdict" of one direction, empty where there is no value.
std::string Described(const WaveVerdict& wave, Direction d)
{
    std::string text;
    if (wave.Loss(d) != NoHundredths)
        AppendHundredths(text, wave.Loss(d));
    text += '|';
    if (wave.limit != NoHundredths)
        AppendHundredths(text, wave.limit);
    text += '|';
    if (wave.HasMargin(d))
        AppendHundredths(text, wave.Margin(d));
    return text + '|' + VerdictText(wave.VerdictOf(d));
}

// tia-568.3-d-osp with 2 connections and 2 splices.
TestLimits OutsidePlant()
{
    TestLimits limits;
    limits.method = LimitMethod::Budget;
    limits.preset = "tia-568.3-d-osp";
    limits.connections = 2;
    limits.splices = 2;
    return limits;
}
} // namespace

TEST(Verdicts, BudgetOfTheWorkedExampleComparedInHundredths)
{
    CDataStore store;
    // 2.0 km x 0.5 + 2 x 0.75 + 2 x 0.3 = 1.00 + 1.50 + 0.60 = 3.10 dB.
    const LossTestVerdicts v =
        Certified({Fibre("C", 3.10f, 3.11f), Fibre("C", 3.10f, 3.10f, -1.0f), Fibre("C", 99.0f, 1.0f)},
                  OutsidePlant(), store);
    ASSERT_EQ(v.RecordCount(), 3u);
    EXPECT_EQ(Described(v.At(0, 0), Direction::AB), "3.10|3.10|0.00|Pass");
    EXPECT_EQ(Described(v.At(0, 0), Direction::BA), "3.11|3.10|-0.01|Fail");
    EXPECT_EQ(Described(v.At(0, 2), Direction::AB), "3.10|3.10|0.00|Pass");
    // No preset has an attenuation at 1490 nm.
    EXPECT_EQ(Described(v.At(0, 1), Direction::AB), "3.10|||No verdict");
    EXPECT_EQ(v.FibreVerdict(0), Verdict::Fail);
    // A length of -1 (shown "N/A") gives a budget nothing to work with.
    EXPECT_EQ(Described(v.At(1, 0), Direction::AB), "3.10|||No verdict");
    EXPECT_EQ(v.FibreVerdict(1), Verdict::None);
    // A loss shown "N/A" has no verdict; the other direction still has one.
    EXPECT_EQ(Described(v.At(2, 0), Direction::AB), "|3.10||No verdict");
    EXPECT_EQ(Described(v.At(2, 0), Direction::BA), "1.00|3.10|2.10|Pass");
    EXPECT_EQ(v.FibreVerdict(2), Verdict::Pass);

    // 0.1 dB/km x 3.0 km is 0.30000000000000004 in doubles, above the float
    // 0.3f; both print 0.30, so the loss passes with a margin of 0.00.
    TestLimits plain;
    plain.method = LimitMethod::Budget;
    plain.attenuation = {{1310, 0.1}};
    const LossTestVerdicts rounded = Certified({Fibre("C", 0.30f, 0.30f, 3.0f)}, plain, store);
    EXPECT_EQ(Described(rounded.At(0, 0), Direction::AB), "0.30|0.30|0.00|Pass");
}

TEST(Verdicts, WarningBandEdges)
{
    TestLimits limits = OutsidePlant();
    limits.warningBand = 0.5; // limit 3.10: margins from 0 to 0.49 warn
    CDataStore store;
    const std::pair<float, const char*> cases[] = {
        {2.60f, "2.60|3.10|0.50|Pass"},    // margin equal to the band
        {2.61f, "2.61|3.10|0.49|Warning"}, // 0.01 below it
        {3.10f, "3.10|3.10|0.00|Warning"}, // the limit itself
        {3.11f, "3.11|3.10|-0.01|Fail"},
    };
    std::vector<LossTestResult> fibres;
    for (const auto& c : cases)
        fibres.push_back(Fibre("C", c.first, 0.0f));
    const LossTestVerdicts v = Certified(fibres, limits, store);
    for (size_t k = 0; k < fibres.size(); ++k)
        EXPECT_EQ(Described(v.At(k, 0), Direction::AB), cases[k].second);
    // A loss of 0.00 is shown, so it has a verdict; the fibre's is its worst.
    EXPECT_EQ(Described(v.At(0, 0), Direction::BA), "0.00|3.10|3.10|Pass");
    EXPECT_EQ(v.FibreVerdict(1), Verdict::Warning);
}

TEST(Verdicts, PerCableFiguresOverrideTheLimitsOwn)
{
    TestLimits budget = OutsidePlant();
    budget.spliceLoss = 0.1;
    budget.cables["CAB-B"].connections = 4;
    budget.cables["CAB-B"].attenuation = {{1490, 0.6}};
    CDataStore store;
    const std::vector<LossTestResult> fibres = {Fibre("CAB-A", 1.0f, 1.0f), Fibre("CAB-B", 1.0f, 1.0f)};
    const LossTestVerdicts v = Certified(fibres, budget, store);
    // 2.0 x 0.5 + 2 x 0.75 + 2 x 0.1 = 1.00 + 1.50 + 0.20 = 2.70
    EXPECT_EQ(Described(v.At(0, 0), Direction::AB), "1.00|2.70|1.70|Pass");
    EXPECT_EQ(Described(v.At(0, 1), Direction::AB), "1.00|||No verdict");
    // 2.0 x 0.5 + 4 x 0.75 + 2 x 0.1 = 1.00 + 3.00 + 0.20 = 4.20
    EXPECT_EQ(Described(v.At(1, 0), Direction::AB), "1.00|4.20|3.20|Pass");
    // 2.0 x 0.6 + 4 x 0.75 + 2 x 0.1 = 1.20 + 3.00 + 0.20 = 4.40
    EXPECT_EQ(Described(v.At(1, 1), Direction::AB), "1.00|4.40|3.40|Pass");

    TestLimits fixed;
    fixed.method = LimitMethod::Fixed;
    fixed.fixed = {{1310, 2.0}, {1550, 2.5}};
    fixed.cables["CAB-B"].fixed = {{1550, 0.75}};
    const LossTestVerdicts f = Certified(fibres, fixed, store);
    EXPECT_EQ(Described(f.At(0, 2), Direction::BA), "1.00|2.50|1.50|Pass");
    EXPECT_EQ(Described(f.At(1, 0), Direction::BA), "1.00|2.00|1.00|Pass");
    EXPECT_EQ(Described(f.At(1, 1), Direction::BA), "1.00|||No verdict");
    EXPECT_EQ(Described(f.At(1, 2), Direction::BA), "1.00|0.75|-0.25|Fail");
}

TEST(Verdicts, InstrumentThresholdAsTheTableShowsIt)
{
    CDataStore store;
    std::vector<LossTestResult> fibres = {Fibre("C", 1.5f, 1.51f), Fibre("C", 1.0f, 1.0f)};
    fibres[1].threshold[0] = std::nanf(""); // shown "nan": no limit
    const LossTestVerdicts v = Certified(fibres, TestLimits(), store);
    EXPECT_EQ(Described(v.At(0, 0), Direction::AB), "1.50|1.50|0.00|Pass");
    EXPECT_EQ(Described(v.At(0, 0), Direction::BA), "1.51|1.50|-0.01|Fail");
    EXPECT_EQ(Described(v.At(1, 0), Direction::AB), "1.00|||No verdict");
    EXPECT_EQ(Described(v.At(1, 1), Direction::AB), "1.00|1.50|0.50|Pass");

    // The two-wavelength form certifies its own two.
    DecodeKavBytes(SpanOf(EncodeKavResult(TwoWaveLengths, {Fibre("C", 1.6f, 1.0f)})), store);
    const LossTestVerdicts two = CertifyLossTests(store, TestLimits());
    ASSERT_EQ(two.WaveCount(), 2);
    EXPECT_EQ(Described(two.At(0, 1), Direction::AB), "1.60|1.50|-0.10|Fail");
}
