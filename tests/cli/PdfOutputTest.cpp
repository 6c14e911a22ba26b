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

// The report a contractor hands over, made by a script: the company, the
// header from a file, the footer (or not), the same bytes again at the same
// SOURCE_DATE_EPOCH; a header or logo that cannot be used names its fault
// and writes nothing.
TEST_F(KavConvertPdf, TheCompanyTheHeaderFileAndTheFooter)
{
    const std::string header = Path("job.kavheader");
    WriteBytes(header, "{\"Customer\": \"City Net\", \"OperatorB\": \"Li Wei \xE6\x9D\x8E\xE4\xBC\x9F\"}");
    const std::string sample = Quoted(Sample("kav-two-wavelengths.bin"));
    const std::string made = " --company 'Acme Fibre Ltd' --header " + Quoted(header);
    const RunResult run = ThroughPipe("SOURCE_DATE_EPOCH=1714650000 KAV_CONVERT " + sample + " --pdf " +
                                      Quoted(Path("a.pdf")) + made);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string page2 = PdfText(Path("a.pdf"), 2);
    EXPECT_NE(page2.find("Acme Fibre Ltd"), std::string::npos);
    EXPECT_EQ(page2.find("CorvantaTech"), std::string::npos);
    EXPECT_NE(page2.find("Customer: City Net"), std::string::npos);
    EXPECT_NE(page2.find("Operator B: Li Wei \xE6\x9D\x8E\xE4\xBC\x9F"), std::string::npos);
    EXPECT_NE(page2.find("Page 2 of 3"), std::string::npos) << page2;
    EXPECT_NE(page2.find("kav-two-wavelengths.bin"), std::string::npos);
    EXPECT_NE(page2.find("Printed 2024-05-02 11:40 UTC"), std::string::npos);

    ASSERT_EQ(ThroughPipe("SOURCE_DATE_EPOCH=1714650000 KAV_CONVERT " + sample + " --pdf " +
                          Quoted(Path("b.pdf")) + made + " --no-footer")
                  .status,
              0);
    EXPECT_EQ(PdfText(Path("b.pdf"), 2).find("Page 2 of 3"), std::string::npos);

    WriteBytes(Path("bad.kavheader"), R"({"Customer": 42})");
    WriteBytes(Path("logo.png"), "not a picture");
    for (const std::string& arguments :
         {" --header " + Quoted(Path("bad.kavheader")), " --logo " + Quoted(Path("logo.png"))}) {
        const RunResult refused = Convert(sample + " --pdf " + Quoted(Path("c.pdf")) + arguments);
        EXPECT_EQ(refused.status, 2) << arguments;
        EXPECT_NE(refused.err.find(arguments.substr(1, arguments.find(' ', 1) - 1)), std::string::npos)
            << refused.err;
        EXPECT_FALSE(fs::exists(Path("c.pdf")));
    }
    EXPECT_NE(
        Convert(sample + " --pdf " + Quoted(Path("c.pdf")) + " --header " + Quoted(Path("bad.kavheader")))
            .err.find("\"Customer\""),
        std::string::npos);
    EXPECT_EQ(Convert(sample + " --csv " + Quoted(Path("t.csv")) + " --company X").status, 2);
}
