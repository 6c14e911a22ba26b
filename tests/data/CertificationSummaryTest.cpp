#include "data/CertificationSummary.h"
#include "data/FileLoading.h"
#include "data/LossTestRules.h"
#include "data/VerdictsCsv.h"
#include "tests/data/TestFiles.h"
#include "tools/make-samples/SampleSet.h"

#include <gtest/gtest.h>

#include <sstream>

// The summary and the verdict CSV of a loss-test file written in the test,
// against fixed limits of 2.00 dB at 1310 nm and 2.50 dB at 1550 nm (none at
// 1490 nm) with a warning band of 0.30 dB.

namespace {
LossTestResult Fibre(const std::string& cable, const std::string& fiber, float ab1310, float ba1310,
                     float ab1550, float ba1550)
{
    LossTestResult r;
    r.cable = cable;
    r.fiber = fiber;
    const float ab[3] = {ab1310, 1.0f, ab1550}, ba[3] = {ba1310, 1.0f, ba1550};
    for (int i = 0; i < 3; ++i) {
        r.lossAB[i] = ab[i];
        r.lossBA[i] = ba[i];
        r.length[i] = 1.0f;
    }
    return r;
}

std::vector<std::string> Lines(const std::string& csv)
{
    std::vector<std::string> lines;
    std::istringstream in(csv);
    for (std::string line; std::getline(in, line, '\n');)
        lines.push_back(line);
    return lines;
}
} // namespace

TEST(CertificationSummary, CountsFibresAndFindsTheFirstWorstMargin)
{
    ScratchFolder folder;
    const std::string path = folder.File("contract.bin");
    // Margins (limit - loss) at 1310 A->B, B->A, 1550 A->B, B->A:
    WriteBytes(path,
               EncodeKavResult(ThreeWaveLengths,
                               {
                                   Fibre("CAB-01", "F1", 1.0f, 1.2f, 2.0f, 2.1f), // 1.00 0.80 0.50 0.40: Pass
                                   Fibre("CAB-01", "F2", 1.8f, 1.7f, 1.0f, 1.0f), // 0.20 0.30 ...: Warning
                                   // 1.00 -0.10 -0.10 0.50: Fail; the first -0.10 is 1310 B->A
                                   Fibre("CAB-01", "F3", 1.0f, 2.1f, 2.6f, 2.0f),
                                   Fibre("CAB-01", "F4", -1.0f, -1.0f, -1.0f, -1.0f), // all "N/A"
                                   Fibre("CAB,02", "F5", 1.0f, 2.1f, 1.0f, 1.0f),     // -0.10 again: Fail
                               }));
    CDataStore store;
    ASSERT_EQ(LoadFile(path, store).result, DecodeResult::Ok);
    TestLimits limits;
    limits.method = LimitMethod::Fixed;
    limits.fixed = {{1310, 2.0}, {1550, 2.5}};
    limits.warningBand = 0.3;
    const LossTestVerdicts verdicts = CertifyLossTests(store, limits);

    const CertificationSummary summary = Summarize(verdicts);
    EXPECT_EQ(summary.fibres.Total(), 5u);
    EXPECT_EQ(summary.fibres.pass, 1u);
    EXPECT_EQ(summary.fibres.warning, 1u);
    EXPECT_EQ(summary.fibres.fail, 2u);
    EXPECT_EQ(summary.fibres.noVerdict, 1u);
    ASSERT_TRUE(summary.worst);
    EXPECT_EQ(summary.worstMargin, -10);
    EXPECT_EQ(FiberOf(KavRecordAt(store, summary.worst->record)), "F3");
    EXPECT_EQ(summary.worst->wave, 0);
    EXPECT_EQ(summary.worst->direction, Direction::BA);

    const std::vector<std::string> lines = Lines(VerdictsCsvBytes(store, verdicts));
    ASSERT_EQ(lines.size(), 1 + 5 * 3 * 2u);
    EXPECT_EQ(lines[0], "Cable,Fiber,Wavelength(nm),Direction,Loss(dB),Limit(dB),Margin(dB),Verdict\r");
    EXPECT_EQ(lines[1], "CAB-01,F1,1310,A->B,1.00,2.00,1.00,Pass\r");
    EXPECT_EQ(lines[3], "CAB-01,F1,1490,A->B,1.00,,,No verdict\r");
    EXPECT_EQ(lines[24], "CAB-01,F4,1550,B->A,,2.50,,No verdict\r");
    EXPECT_EQ(lines[26], "\"CAB,02\",F5,1310,B->A,2.10,2.00,-0.10,Fail\r");

    // A file without a single margin has no worst one.
    store.ClearKav();
    const CertificationSummary empty = Summarize(CertifyLossTests(store, limits));
    EXPECT_EQ(empty.fibres.Total(), 0u);
    EXPECT_FALSE(empty.worst);
}
