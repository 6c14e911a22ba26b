#include "data/CertificationSummary.h"
#include "data/FileLoading.h"
#include "data/LimitColumnCells.h"
#include "data/LossTestRules.h"
#include "data/VerdictsCsv.h"
#include "tests/data/TestFiles.h"
#include "tools/make-samples/SampleSet.h"

#include <gtest/gtest.h>

// The summary of a loss-test file written in the test, against fixed limits of 2.00 dB at 1310 nm and 2.50 dB
// at 1550 nm (none at 1490 nm) with a warning band of 0.30 dB.

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

TestLimits ContractLimits()
{
    TestLimits limits;
    limits.method = LimitMethod::Fixed;
    limits.fixed = {{1310, Figure("2.00")}, {1550, Figure("2.50")}};
    limits.warningBand = Figure("0.30");
    return limits;
}
} // namespace

// The counts a summary page and the table's added columns show: for the
// file (its worst margin the first of equal ones), by cable (a cable met
// again later counts with its first run), by wavelength (a fibre by its
// worse direction there), and the Limit, Margin and Result texts (the window's test
// checks the CSV that carries them), and the verdict CSV.
TEST(CertificationSummary, ByFileByCableByWavelengthAndTheLimitColumns)
{
    ScratchFolder folder;
    const std::string path = folder.File("contract.bin");
    // Margins (limit - loss) at 1310 A->B, B->A, 1550 A->B, B->A:
    WriteBytes(path, EncodeKavResult(ThreeWaveLengths,
                                     {
                                         Fibre("CAB-01", "F1", 1.0f, 1.2f, 2.0f, 2.1f), // 1.00 0.80 0.50 0.40
                                         Fibre("CAB-01", "F2", 1.8f, 1.7f, 1.0f, 1.0f), // Warning, 0.20
                                         // Fail: 1.00 -0.10 -0.10 0.50, the first -0.10 at 1310 B->A
                                         Fibre("CAB,02", "F3", 1.0f, 2.1f, 2.6f, 2.0f),
                                         Fibre("CAB-01", "F4", 2.1f, 1.0f, 1.0f, 1.0f), // Fail, -0.10
                                         // All "N/A": Incomplete
                                         Fibre("CAB-01", "F5", -1.0f, -1.0f, -1.0f, -1.0f),
                                     }));
    CDataStore store;
    ASSERT_EQ(LoadFile(path, store).result, DecodeResult::Ok);
    const LossTestVerdicts verdicts = CertifyLossTests(store, ContractLimits());

    const CertificationSummary summary = Summarize(verdicts);
    const VerdictCounts& all = summary.fibres;
    EXPECT_EQ(
        std::vector<size_t>({all.Total(), all.pass, all.warning, all.incomplete, all.fail, all.noVerdict}),
        std::vector<size_t>({5, 1, 1, 1, 2, 0}));
    ASSERT_TRUE(summary.worst);
    EXPECT_EQ(summary.worstMargin, -10);
    EXPECT_EQ(summary.worst->record, 2u); // F3 comes before F4
    EXPECT_EQ(summary.worst->wave, 0);
    EXPECT_EQ(summary.worst->direction, Direction::BA);
    // The CSV (its form the golden files'): a loss shown "N/A" left empty, a
    // name with a comma quoted.
    const std::string csv = VerdictsCsvBytes(store, verdicts);
    for (const char* row :
         {"CAB-01,F1,1490,A->B,1.00,,,Not certified", "CAB-01,F5,1550,B->A,,2.50,,Incomplete",
          "\"CAB,02\",F3,1310,B->A,2.10,2.00,-0.10,Fail"})
        EXPECT_NE(csv.find(std::string("\r\n") + row + "\r\n"), std::string::npos) << row;

    const std::vector<CableSummary> cables = SummarizeByCable(store, verdicts);
    ASSERT_EQ(cables.size(), 2u);
    EXPECT_EQ(cables[0].cable, "CAB-01");
    const VerdictCounts& first = cables[0].summary.fibres;
    EXPECT_EQ(std::vector<size_t>({first.pass, first.warning, first.fail, first.incomplete}),
              std::vector<size_t>({1, 1, 1, 1}));
    ASSERT_TRUE(cables[0].summary.worst);
    EXPECT_EQ(cables[0].summary.worst->record, 3u); // F4, CAB-01's only negative margin
    EXPECT_EQ(cables[0].summary.worstMargin, -10);
    EXPECT_EQ(cables[1].cable, "CAB,02");
    EXPECT_EQ(cables[1].summary.fibres.fail, 1u);
    EXPECT_EQ(cables[1].summary.worst->record, 2u);

    // 1310 nm: F1 Pass, F2 Warning, F3 and F4 Fail, F5 Incomplete; 1490 nm
    // is not certified; 1550 nm: F1, F2, F4 Pass, F3 Fail, F5 Incomplete.
    const struct
    {
        int wave;
        size_t pass, warning, fail, incomplete, none;
        bool worst;
    } waves[] = {{0, 1, 1, 2, 1, 0, true}, {1, 0, 0, 0, 0, 5, false}, {2, 3, 0, 1, 1, 0, true}};
    for (const auto& w : waves) {
        const CertificationSummary part = SummarizePart(verdicts, 0, 5, w.wave, w.wave + 1);
        const VerdictCounts& n = part.fibres;
        EXPECT_EQ(std::vector<size_t>({n.pass, n.warning, n.fail, n.incomplete, n.noVerdict}),
                  std::vector<size_t>({w.pass, w.warning, w.fail, w.incomplete, w.none}))
            << w.wave;
        EXPECT_EQ(part.worst.has_value(), w.worst) << w.wave;
    }
    EXPECT_EQ(SummarizePart(verdicts, 0, 5, 2, 3).worst->record, 2u); // 2.6 against 2.5

    const auto texts = [&](size_t record, int wave) {
        std::string cells;
        for (const LimitColumn column : LimitColumnOrder) {
            cells += cells.empty() ? "" : "|";
            AppendLimitCellText(cells, verdicts.At(record, wave), column);
        }
        return cells;
    };
    EXPECT_EQ(texts(2, 0), "2.00|-0.10|Fail"); // the smaller of 1.00 and -0.10, the worse
    EXPECT_EQ(texts(1, 0), "2.00|0.20|Warning");
    EXPECT_EQ(texts(0, 1), "N/A|N/A|Not certified");
    EXPECT_EQ(texts(4, 2), "2.50|N/A|Incomplete");
}

// Of equal margins the first stays: A->B before B->A, an earlier record
// before a later one, for the file and for a cable met again later.
TEST(CertificationSummary, FirstOfEqualMarginsStays)
{
    ScratchFolder folder;
    const std::string path = folder.File("equal.bin");
    // Every one at -0.10 at 1310 nm.
    WriteBytes(path, EncodeKavResult(ThreeWaveLengths, {
                                                           Fibre("C1", "F1", 2.1f, 2.1f, 1.0f, 1.0f),
                                                           Fibre("C2", "F2", 2.1f, 1.0f, 1.0f, 1.0f),
                                                           Fibre("C1", "F3", 2.1f, 1.0f, 1.0f, 1.0f),
                                                       }));
    CDataStore store;
    ASSERT_EQ(LoadFile(path, store).result, DecodeResult::Ok);
    const LossTestVerdicts verdicts = CertifyLossTests(store, ContractLimits());
    const std::optional<VerdictPlace> file = Summarize(verdicts).worst;
    const std::vector<CableSummary> cables = SummarizeByCable(store, verdicts);
    ASSERT_TRUE(file && cables.size() == 2 && cables[0].summary.worst);
    const VerdictPlace& cable = *cables[0].summary.worst;
    for (const VerdictPlace& place : {*file, cable}) {
        EXPECT_EQ(place.record, 0u);
        EXPECT_EQ(place.direction, Direction::AB);
    }
}
