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

// The fibres as a result file with `waveLengths` read into the store.
LossTestVerdicts Certified(const std::vector<LossTestResult>& fibres, const TestLimits& limits,
                           CDataStore& store, const uint16_t* waveLengths = ThreeWaveLengths)
{
    DecodeKavBytes(SpanOf(EncodeKavResult(waveLengths, fibres)), store);
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

TestLimits Budget(const char* preset, int connections, int splices)
{
    TestLimits limits;
    limits.method = LimitMethod::Budget;
    limits.preset = preset;
    limits.connections = connections;
    limits.splices = splices;
    return limits;
}

TestLimits FixedAt1310(const char* figure, const char* band = "0")
{
    TestLimits limits;
    limits.method = LimitMethod::Fixed;
    limits.fixed = {{1310, Figure(figure)}};
    limits.warningBand = Figure(band);
    return limits;
}
} // namespace

// Limits summed exactly and rounded half away from zero, where binary
// floating point fell a hundredth short; and what each direction comes to.
TEST(Verdicts, HandWorkedLimitsAndVerdicts)
{
    const TestLimits osp = Budget("tia-568.3-d-osp", 2, 2);
    const struct
    {
        TestLimits limits;
        LossTestResult fibre;
        int wave;
        const char *ab, *ba;
    } cases[] = {
        // 0.5 x 2.030 + 2 x 0.75 + 2 x 0.3 = 1.015 + 1.50 + 0.60 = 3.115 -> 3.12
        {osp, Fibre("C", 3.12f, 3.13f, 2.030f), 0, "3.12|3.12|0.00|Pass", "3.13|3.12|-0.01|Fail"},
        // 2.0 x 0.5 + 1.50 + 0.60 = 3.10; 1490 nm has no attenuation
        {osp, Fibre("C", 3.10f, 3.11f), 0, "3.10|3.10|0.00|Pass", "3.11|3.10|-0.01|Fail"},
        {osp, Fibre("C", 1.0f, 1.0f), 1, "1.00|||Not certified", "1.00|||Not certified"},
        // A loss shown "N/A" at a certified wavelength, or a budget without a
        // length to work with: nothing to compare, never Pass.
        {osp, Fibre("C", 99.0f, 1.0f), 0, "|3.10||Incomplete", "1.00|3.10|2.10|Pass"},
        {osp, Fibre("C", 1.0f, 1.0f, -1.0f), 2, "1.00|||Incomplete", "1.00|||Incomplete"},
        // A fixed 1.015 is 1.02; a band of 0.015 is 0.02, so a margin of 0.01 warns.
        {FixedAt1310("1.015"), Fibre("C", 1.02f, 1.03f), 0, "1.02|1.02|0.00|Pass", "1.03|1.02|-0.01|Fail"},
        {FixedAt1310("1.0", "0.015"), Fibre("C", 0.99f, 0.98f), 0, "0.99|1.00|0.01|Warning",
         "0.98|1.00|0.02|Pass"},
        // A figure of 0 is a limit: only a loss of 0.00 passes it.
        {FixedAt1310("0"), Fibre("C", 0.0f, 0.01f), 0, "0.00|0.00|0.00|Pass", "0.01|0.00|-0.01|Fail"},
        // The instrument's threshold as the table shows it; a damaged one
        // leaves the wavelength Incomplete.
        {TestLimits(), Fibre("C", 1.5f, 1.51f), 1, "1.50|1.50|0.00|Pass", "1.51|1.50|-0.01|Fail"},
    };
    CDataStore store;
    for (const auto& c : cases) {
        const LossTestVerdicts v = Certified({c.fibre}, c.limits, store);
        EXPECT_EQ(Described(v.At(0, c.wave), Direction::AB), c.ab) << c.ab;
        EXPECT_EQ(Described(v.At(0, c.wave), Direction::BA), c.ba) << c.ba;
    }
    LossTestResult damaged = Fibre("C", 1.0f, 1.0f);
    damaged.threshold[0] = std::nanf("");
    EXPECT_EQ(Described(Certified({damaged}, TestLimits(), store).At(0, 0), Direction::AB),
              "1.00|||Incomplete");
}

// A fibre is Fail before Incomplete before Warning before Pass; a limit that
// certifies none of its wavelengths gives it no verdict. The wavelengths
// left out are named once, in the file's order.
TEST(Verdicts, FibreVerdictOrderAndWhatIsNotCertified)
{
    TestLimits limits = FixedAt1310("1.0", "0.5"); // Pass at most 0.50, Warning to 1.00
    limits.fixed[1550] = Figure("1.0");
    std::vector<LossTestResult> fibres(5, Fibre("C", 0.2f, 0.2f));
    fibres[1].lossAB[2] = 0.8f;  // Warning
    fibres[2].lossAB[2] = 0.8f;  // Warning and
    fibres[2].lossBA[0] = -1.0f; // Incomplete
    fibres[3].lossBA[0] = -1.0f; // Incomplete and
    fibres[3].lossAB[2] = 1.2f;  // Fail
    CDataStore store;
    const LossTestVerdicts v = Certified(fibres, limits, store);
    const Verdict expected[] = {Verdict::Pass, Verdict::Warning, Verdict::Incomplete, Verdict::Fail,
                                Verdict::Pass};
    for (size_t k = 0; k < fibres.size(); ++k)
        EXPECT_EQ(v.FibreVerdict(k), expected[k]) << k;
    EXPECT_EQ(v.NotCertified(), std::vector<int32_t>({1490}));

    TestLimits elsewhere;
    elsewhere.method = LimitMethod::Fixed;
    elsewhere.fixed = {{1625, Figure("1")}};
    const LossTestVerdicts none = Certified(fibres, elsewhere, store);
    EXPECT_EQ(none.FibreVerdict(0), Verdict::None);
    EXPECT_EQ(none.NotCertified(), std::vector<int32_t>({1310, 1490, 1550}));
}

// The multimode preset certifies 850 and 1300 nm.
TEST(Verdicts, MultimodePreset)
{
    const uint16_t multimode[3] = {850, 0, 1300};
    CDataStore store;
    const LossTestVerdicts v =
        Certified({Fibre("C", 2.85f, 2.25f, 0.3f)}, Budget("tia-568.3-d-mm", 2, 1), store, multimode);
    ASSERT_EQ(v.WaveCount(), 2);
    // 3.5 x 0.300 + 2 x 0.75 + 1 x 0.3 = 1.05 + 1.50 + 0.30 = 2.85
    EXPECT_EQ(Described(v.At(0, 0), Direction::AB), "2.85|2.85|0.00|Pass");
    // 1.5 x 0.300 + 1.80 = 0.45 + 1.80 = 2.25
    EXPECT_EQ(Described(v.At(0, 1), Direction::BA), "2.25|2.25|0.00|Pass");
    EXPECT_TRUE(v.NotCertified().empty());
}

// Per-cable figures over the limit's own, keyed by the name as shown in any
// script; a key that matches no cable is told.
TEST(Verdicts, PerCableFiguresByTheNameAsShown)
{
    TestLimits budget = Budget("tia-568.3-d-osp", 2, 2);
    budget.spliceLoss = Figure("0.1");
    budget.cables["Kabel-\xC3\x9C"].connections = 4;                                    // "Kabel-Ü"
    budget.cables["\xE5\x85\x89\xE7\xBC\x86-01"].attenuation = {{1490, Figure("0.6")}}; // "光缆-01"
    budget.cables["\xE5\x85\x89\xE7\xBC\x86-02"].splices = 9;
    CDataStore store;
    const std::vector<LossTestResult> fibres = {Fibre("Kabel-\xDC", 1.0f, 1.0f), // Latin-1 bytes
                                                Fibre("\xE5\x85\x89\xE7\xBC\x86-01", 1.0f, 1.0f),
                                                Fibre("Other", 1.0f, 1.0f)};
    const LossTestVerdicts v = Certified(fibres, budget, store);
    // 2.0 x 0.5 + 4 x 0.75 + 2 x 0.1 = 1.00 + 3.00 + 0.20 = 4.20
    EXPECT_EQ(Described(v.At(0, 0), Direction::AB), "1.00|4.20|3.20|Pass");
    // 2.0 x 0.6 + 2 x 0.75 + 2 x 0.1 = 1.20 + 1.50 + 0.20 = 2.90
    EXPECT_EQ(Described(v.At(1, 1), Direction::AB), "1.00|2.90|1.90|Pass");
    // 2.0 x 0.5 + 1.50 + 0.20 = 2.70
    EXPECT_EQ(Described(v.At(2, 0), Direction::AB), "1.00|2.70|1.70|Pass");
    EXPECT_EQ(v.UnmatchedCables(), std::vector<std::string>({"\xE5\x85\x89\xE7\xBC\x86-02"}));

    TestLimits fixed;
    fixed.method = LimitMethod::Fixed;
    fixed.fixed = {{1310, Figure("2.0")}, {1550, Figure("2.5")}};
    fixed.cables["Other"].fixed = {{1550, Figure("0.75")}};
    const LossTestVerdicts f = Certified(fibres, fixed, store);
    EXPECT_EQ(Described(f.At(0, 2), Direction::BA), "1.00|2.50|1.50|Pass");
    EXPECT_EQ(Described(f.At(2, 0), Direction::BA), "1.00|2.00|1.00|Pass");
    EXPECT_EQ(Described(f.At(2, 2), Direction::BA), "1.00|0.75|-0.25|Fail");
    EXPECT_TRUE(f.UnmatchedCables().empty());

    // The two-wavelength form certifies its own two.
    DecodeKavBytes(SpanOf(EncodeKavResult(TwoWaveLengths, {Fibre("C", 1.6f, 1.0f)})), store);
    const LossTestVerdicts two = CertifyLossTests(store, TestLimits());
    ASSERT_EQ(two.WaveCount(), 2);
    EXPECT_EQ(Described(two.At(0, 1), Direction::AB), "1.60|1.50|-0.10|Fail");
}
