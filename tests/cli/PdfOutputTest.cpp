#include "data/FileLoading.h"
#include "report/CReportPrinting.h"
#include "tests/cli/KavConvertRun.h"
#include "tests/support/PdfReading.h"
#include "tools/make-samples/SampleSet.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

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

// The same input and SOURCE_DATE_EPOCH give the same bytes, run after run:
// the fonts come in a fixed order and the date is the given one. Only --pdf
// starts Qt's painting machinery, which alone may leave a runtime folder.
TEST_F(KavConvertPdf, TheSameInputGivesTheSameBytes)
{
    const std::string sample = Quoted(Sample("kav-three-wavelengths.bin"));
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    ASSERT_EQ(Convert(sample + " --pdf " + Quoted(Path("first.pdf"))).status, 0);
    // Past the next second, which the date would show.
    ThroughPipe("sleep 1.1");
    ASSERT_EQ(Convert(sample + " --pdf " + Quoted(Path("second.pdf"))).status, 0);
    unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_TRUE(ReadBytes(Path("first.pdf")) == ReadBytes(Path("second.pdf")));
    EXPECT_NE(ReadBytes(Path("first.pdf")).find("/CreationDate (D:20231114221320"), std::string::npos);

    const std::string scratch = Path("tmp");
    fs::create_directory(scratch);
    const RunResult run =
        ThroughPipe("env -u XDG_RUNTIME_DIR TMPDIR=" + Quoted(scratch) + " KAV_CONVERT " + sample +
                    " --info --csv " + Quoted(Path("t.csv")) + " --document " + Quoted(Path("t.kav")));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_empty(scratch));
}

// SIGTERM or SIGINT at any moment of a long --pdf leaves no temporary file,
// and the old OUT either whole or replaced whole.
TEST_F(KavConvertPdf, EndingSignalsLeaveNoDebris)
{
    const std::string input = Path("big.bin"), out = Path("big.pdf");
    WriteBytes(input, EncodeOpmResult(SampleOpmReadings(6000)));
    for (const int signal : {SIGTERM, SIGINT}) {
        for (const int milliseconds : {50, 200, 500, 900, 1400}) {
            WriteBytes(out, "old");
            const pid_t child = fork();
            if (child == 0) {
                execl(KAV_CONVERT, KAV_CONVERT, input.c_str(), "--pdf", out.c_str(),
                      static_cast<char*>(nullptr));
                _exit(127);
            }
            usleep(static_cast<useconds_t>(milliseconds) * 1000);
            kill(child, signal);
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == signal) ||
                        (WIFEXITED(status) && WEXITSTATUS(status) == 0))
                << signal << " after " << milliseconds << " ms";
            EXPECT_EQ(m_Dir.Names(), (std::vector<std::string>{"big.bin", "big.pdf"}))
                << signal << " after " << milliseconds << " ms";
            const std::string written = ReadBytes(out);
            EXPECT_TRUE(written == "old" || written.rfind("%PDF", 0) == 0) << milliseconds << " ms";
        }
    }
}
