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
        {Quoted(Sample("kav-two-wavelengths.bin")) + " --no-summary --info", 2, "--no-summary without --pdf"},
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

// A loss test's PDF ends with the summary of its verdicts against --limits'
// limit, saying what --info says of them; --no-summary leaves it off.
TEST_F(KavConvertPdf, TheSummaryPageUnlessNoSummary)
{
    const std::string sample = Quoted(Sample("kav-three-wavelengths.bin"));
    const std::string limits =
        (SourceDir() / "tests" / "cli" / "limits" / "kav-three-wavelengths.kavlimits").string();
    CDataStore store;
    ASSERT_EQ(LoadFile(Sample("kav-three-wavelengths.bin"), store).result, DecodeResult::Ok);
    ReportOptions tableOnly;
    tableOnly.summaryPage = false;
    const int tablePages = static_cast<int>(CReportPrinting(store, ReportKind::Kav3, tableOnly).PageCount());

    const RunResult run =
        Convert(sample + " --limits " + Quoted(limits) + " --info --pdf " + Quoted(Path("summary.pdf")));
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(PdfPages(Path("summary.pdf")), tablePages + 1);
    const std::string last = PdfText(Path("summary.pdf"), tablePages + 1);
    const auto has = [&last](const std::string& pattern) {
        return std::regex_search(last, std::regex(pattern));
    };
    EXPECT_TRUE(has("Limit: iso-11801-os2")) << last;
    EXPECT_TRUE(has("Attenuation: 1310 nm 0.15 dB/km, 1550 nm 0.12 dB/km")) << last;
    EXPECT_TRUE(has("Connector loss: 0.5 dB\\s+Splice loss: 0.3 dB")) << last;
    EXPECT_TRUE(has("Cable CAB-03: 4 connections, attenuation 1490 nm 0.2 dB/km")) << last;
    // The counts and the worst margin of --info's summary.
    std::smatch info;
    ASSERT_TRUE(
        std::regex_search(run.out, info,
                          std::regex("\"fibres\":(\\d+),\"pass\":(\\d+),\"warning\":(\\d+),\"fail\":(\\d+),"
                                     "\"noVerdict\":(\\d+),\"worstMargin\":(-?[\\d.]+),\"worst\":\\{"
                                     "\"cable\":\"([^\"]+)\",\"fiber\":\"([^\"]+)\",\"wavelength\":(\\d+),"
                                     "\"direction\":\"([^\"]+)\"")))
        << run.out;
    EXPECT_TRUE(has("Fibres: " + info[1].str() + "\\s+Pass: " + info[2].str() + "\\s+Warning: " +
                    info[3].str() + "\\s+Fail: " + info[4].str() + "\\s+No verdict: " + info[5].str()))
        << last;
    const std::string margin = QString::number(std::stod(info[6].str()), 'f', 2).toStdString();
    EXPECT_TRUE(has("Worst margin: " + margin + " dB\\s+Cable: " + info[7].str() +
                    "\\s+Fiber: " + info[8].str() + "\\s+" + info[9].str() + " nm " + info[10].str()))
        << last;

    ASSERT_EQ(Convert(sample + " --pdf " + Quoted(Path("table.pdf")) + " --no-summary").status, 0);
    EXPECT_EQ(PdfPages(Path("table.pdf")), tablePages);
    EXPECT_EQ(PdfText(Path("table.pdf")).find("Certification Summary"), std::string::npos);
}
