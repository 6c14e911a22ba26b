#include "data/FileLoading.h"
#include "report/CReportPrinting.h"
#include "tests/cli/KavConvertRun.h"
#include "tests/support/PdfReading.h"
#include "tools/make-samples/SampleSet.h"

// kav-convert --pdf as a script runs it: no display and no Qt platform in
// the environment.

namespace {
namespace fs = std::filesystem;

class KavConvertPdf : public KavConvert
{
protected:
    void SetUp() override
    {
        for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            unsetenv(variable);
    }
};
} // namespace

TEST_F(KavConvertPdf, EveryReportOfTheSamplesAsPdf)
{
    for (const char* name :
         {"opm-readings.bin", "orl-readings.bin", "kav-three-wavelengths.bin", "kav-two-wavelengths.bin"}) {
        const std::string out = Path(std::string(name) + ".pdf");
        const RunResult run = Convert(Quoted(Sample(name)) + " --pdf " + Quoted(out) + " --page-size A4");
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(run.err, "");
        // As many pages as the report the program prints.
        CDataStore store;
        const LoadOutcome loaded = LoadFile(Sample(name), store);
        CReportPrinting report(store, ReportKindOf(RecordKindOf(loaded.kind), store.KavWaveCount()));
        EXPECT_EQ(PdfPages(out), static_cast<int>(report.PageCount())) << name;
        EXPECT_NE(PdfInfo(out, "Page size").find("(A4)"), std::string::npos) << name;
    }
    const std::string letter = Path("letter.pdf");
    const RunResult run = Convert(Quoted(Sample("kav-three-wavelengths.bin")) + " --csv " +
                                  Quoted(Path("t.csv")) + " --pdf " + Quoted(letter) + " --page-size letter");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(PdfInfo(letter, "Page size").find("letter"), std::string::npos);
    EXPECT_TRUE(fs::exists(Path("t.csv")));
}

TEST_F(KavConvertPdf, NoReportNoPaperNoFile)
{
    const std::string noTests = Path("no-tests.bin");
    WriteBytes(noTests, EncodeKavResult(ThreeWaveLengths, {}));
    const struct
    {
        std::string arguments;
        int status;
        std::string mentions;
    } cases[] = {
        {Quoted(Sample("trace-1550nm.bin")) + " --csv " + Quoted(Path("t.csv")) + " --pdf " +
             Quoted(Path("t.pdf")),
         2, "no report"},
        {Quoted(Sample("opm-readings.bin")) + " --pdf " + Quoted(Path("t.pdf")) + " --page-size A3", 2,
         "--page-size"},
        {Quoted(Sample("opm-readings.bin")) + " --page-size A4", 2, "--page-size without --pdf"},
        {Quoted(Sample("opm-readings.bin")) + " --pdf", 2, "--pdf"},
        {Quoted(noTests) + " --pdf " + Quoted(Path("t.pdf")), 5, "no pages"},
        {Quoted(Sample("opm-readings.bin")) + " --csv " + Quoted(Path("t.csv")) + " --pdf " +
             Quoted(Path("no/such/folder/t.pdf")),
         5, "no/such/folder/t.pdf"},
    };
    for (const auto& c : cases) {
        const RunResult run = Convert(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(FileCount(), 1u) << c.arguments; // the input
    }
}
