#include "tests/cli/KavConvertRun.h"
#include "tests/support/LossTestRecords.h"
#include "tests/support/PdfReading.h"
#include "tools/make-samples/ResultFileEncoder.h"
#include "tools/make-samples/SampleSet.h"

#include <cctype>

// kav-job as a script runs it: a job made, planned, imported into from three
// units, corrected, reported and handed over; and every way it refuses.
// What the job makes of its files is the jobs layer's tests'.

namespace {
// The text with every run of white space one space, as a PDF read back
// spaces its words however it laid them out.
std::string Squeezed(const std::string& text)
{
    std::string squeezed;
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            squeezed += c;
        else if (!squeezed.empty() && squeezed.back() != ' ')
            squeezed += ' ';
    return squeezed;
}

// Every change dated 2026-06-01 08:00 UTC.
const std::string Fixed = "SOURCE_DATE_EPOCH=1780300800 ";

class KavJob : public KavConvert
{
protected:
    void SetUp() override
    {
        const std::pair<const char*, std::vector<LossTestResult>> units[] = {
            // CAB-01 F001 fails, and passes its retest from unit B; unit A
            // mistyped CAB-01 as CAB-1; units B and C disagree on CAB-02 F001.
            {"unit-a.bin",
             {LossTest("CAB-01", "F001", 2.0f, 1), LossTest("CAB-01", "F002", 0.5f, 1),
              LossTest("CAB-1", "F003", 0.5f, 1)}},
            {"unit-b.bin", {LossTest("CAB-01", "F001", 0.5f, 2), LossTest("CAB-02", "F001", 0.5f, 1)}},
            {"unit-c.bin", {LossTest("CAB-02", "F001", 0.9f, 1), LossTest("CAB-07", "F001", 0.5f, 3)}},
        };
        for (const auto& [name, tests] : units)
            WriteBytes(Path(name), EncodeKavResult(ThreeWaveLengths, tests));
        WriteBytes(Path("header.kavheader"), R"({"JobId": "J-7", "Customer": "North DC"})");
    }

    RunResult Job(const std::string& arguments) const { return ThroughPipe(Fixed + "KAV_JOB " + arguments); }
    std::string Units() const
    {
        return Quoted(Path("unit-a.bin")) + " " + Quoted(Path("unit-b.bin")) + " " +
               Quoted(Path("unit-c.bin"));
    }
    std::string JobFile() const { return Quoted(Path("job.kavjob")); }

    // Compares with tests/cli/golden-job/NAME, which KAV_UPDATE_GOLDEN writes.
    static void ExpectGolden(const std::string& name, const std::string& bytes)
    {
        const std::filesystem::path golden = SourceDir() / "tests" / "cli" / "golden-job" / name;
        if (std::getenv("KAV_UPDATE_GOLDEN") != nullptr)
            WriteBytes(golden.string(), bytes);
        EXPECT_EQ(ReadBytes(golden.string()), bytes) << name;
    }
};
} // namespace

TEST_F(KavJob, MakesAJobFromUnitsFilesAndHandsItOver)
{
    RunResult run = Job("new " + JobFile() + " --plan 'CAB-{01..02}/F{001..003}' --header " +
                        Quoted(Path("header.kavheader")));
    ASSERT_EQ(run.status, 0) << run.err;
    run = Job("import " + JobFile() + " " + Units() + " " + Quoted(Path("unit-a.bin")));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("unit-a.bin is in the job already (imported 2026-06-01 08:00 UTC as unit-a.bin); "
                           "nothing changed"),
              std::string::npos)
        << run.out;
    run = Job("rename " + JobFile() + " --cable CAB-1 CAB-01");
    EXPECT_EQ(run.out, "renamed 1 record\n") << run.err;

    run = Job("status " + JobFile() + " --json --require-complete");
    EXPECT_EQ(run.status, 1);
    ExpectGolden("status.json", run.out);
    run = Job("history " + JobFile() + " CAB-02 F001 --json");
    ExpectGolden("history.json", run.out);
    ASSERT_EQ(Job("choose " + JobFile() + " CAB-02 F001 3:1").status, 0);

    const std::string outputs = " --pdf " + Quoted(Path("job.pdf")) + " --xlsx " + Quoted(Path("job.xlsx")) +
                                " --verdicts " + Quoted(Path("verdicts.csv")) + " --page-size A4";
    run = Job("report " + JobFile() + outputs);
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectGolden("verdicts.csv", ReadBytes(Path("verdicts.csv")));

    // The first page: the result and the counts; the last: the appendix.
    const std::string first = Squeezed(PdfText(Path("job.pdf"), 1));
    for (const char* line : {"Job: job.kavjob", "Result: FAIL", "Job ID: J-7 Customer: North DC Contractor:",
                             "Planned: 6 Tested: 5 Missing: 2 Unplanned: 1 Files: 3",
                             "Pass: 5 Warning: 0 Fail: 0 Incomplete: 0 Conflicts: 0 Retested: 1"})
        EXPECT_NE(first.find(line), std::string::npos) << line << " not in\n" << first;
    const std::string appendix = Squeezed(PdfText(Path("job.pdf"), PdfPages(Path("job.pdf"))));
    const std::string shaA = ToolOutput("sha256sum " + Quoted(Path("unit-a.bin"))).substr(0, 64);
    for (const std::string& text :
         {std::string("1. unit-a.bin imported 2026-06-01 08:00 UTC 3 records"), "SHA-256 " + shaA,
          std::string("1:1 2026-05-01 09:00:00 Fail superseded"),
          std::string("2:2 2026-05-01 09:00:00 Pass not chosen"), std::string("1:3 CAB-1 F003 CAB-01 F003")})
        EXPECT_NE(appendix.find(text), std::string::npos) << text << " not in\n" << appendix;

    const RunResult book =
        ThroughPipe(std::string(KAV_PYTHON) + " " +
                    Quoted((SourceDir() / "tests" / "cli" / "check_job_workbook.py").string()) + " " +
                    Quoted(Path("job.xlsx")) + " " + Quoted(Path("verdicts.csv")) + " " + Units());
    ASSERT_EQ(book.status, 0) << book.out << book.err;
    EXPECT_EQ(book.out,
              R"({"sheets": ["Results", "Verdicts", "Completeness", "History", "Files"], )"
              R"("completeness": [["CAB-01", "F001", "Pass"], ["CAB-01", "F002", "Pass"], )"
              R"(["CAB-01", "F003", "Pass"], ["CAB-02", "F001", "Pass"], ["CAB-02", "F002", "Missing"], )"
              R"(["CAB-02", "F003", "Missing"], ["CAB-07", "F001", "Pass"]], )"
              R"("history": [["1:1", "superseded"], ["2:2", "not chosen"]]})"
              "\n");
}

TEST_F(KavJob, RefusesWithKavConvertsExitStatuses)
{
    ASSERT_EQ(Job("new " + JobFile()).status, 0);
    ASSERT_EQ(Job("import " + JobFile() + " " + Quoted(Path("unit-a.bin"))).status, 0);
    WriteBytes(Path("text.txt"), "not a result file");
    const struct
    {
        std::string arguments;
        int status;
        std::string said; // on standard error
    } cases[] = {
        {"", 2, "no command given"},
        {"frobnicate " + JobFile(), 2, "unknown command frobnicate"},
        {"status", 2, "status needs JOB"},
        {"history " + JobFile() + " CAB-01", 2, "history needs JOB CABLE FIBER"},
        {"report " + JobFile(), 2, "report needs --pdf, --xlsx or --verdicts"},
        {"report " + JobFile() + " --xlsx x.xlsx --page-size A4", 2, "--page-size without --pdf"},
        {"report " + JobFile() + " --xlsx " + JobFile(), 2,
         "--xlsx " + Path("job.kavjob") + " is JOB itself"},
        {"new " + Quoted(Path("other.kavjob")) + " --plan CAB-01", 2, "a template is CABLE/FIBER"},
        {"rename " + JobFile() + " --cable CAB-09 CAB-10", 2, "no record has the cable CAB-09"},
        {"history " + JobFile() + " CAB-09 F001", 2, "has no fibre CAB-09 F001"},
        {"choose " + JobFile() + " CAB-01 F002 1:2", 2, "is not one of the latest tests"},
        {"status " + Quoted(Path("missing.kavjob")), 3, "no such job"},
        {"import " + JobFile() + " " + Quoted(Path("missing.bin")), 3, "cannot be read"},
        {"status " + Quoted(Path("text.txt")), 4, "is not a job of this program"},
        {"import " + JobFile() + " " + Quoted(Path("text.txt")), 4, "not an instrument result file"},
        {"new " + JobFile(), 5, "exists already; a new job never replaces a file"},
    };
    const std::string before = ReadBytes(Path("job.kavjob"));
    for (const auto& c : cases) {
        const RunResult run = Job(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << ": " << run.err;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << c.arguments << ": " << run.err;
    }
    EXPECT_EQ(ReadBytes(Path("job.kavjob")), before);
}

// A card pulled during the copy: the records held whole are imported, and
// the import says what is missing.
TEST_F(KavJob, ImportsTheWholeRecordsOfAFileCutShortAndSaysSo)
{
    WriteBytes(Path("short.bin"),
               EncodeKavResult(ThreeWaveLengths, SampleLossTests(50, 5)).substr(0, 32 + 12 * 136 + 70));
    ASSERT_EQ(Job("new " + JobFile()).status, 0);
    const RunResult run = Job("import " + JobFile() + " " + Quoted(Path("short.bin")));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "imported " + Path("short.bin") + ": kav, 12 records\n");
    EXPECT_EQ(run.err, "kav-job: " + Path("short.bin") +
                           ": The file ends after 12 of 50 records; the 12 are shown.\n");
}
