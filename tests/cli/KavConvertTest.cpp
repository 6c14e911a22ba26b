#include "tests/cli/KavConvertRun.h"
#include "tools/make-samples/SampleSet.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
namespace fs = std::filesystem;

size_t LineCount(const std::string& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}
} // namespace

// Every refusal and failure: its exit status, one line on standard error
// naming what is wrong (whatever the names and keys it quotes hold), nothing
// on standard output, no file written (an output staged before another
// failed is not left behind), and never a wait.
TEST_F(KavConvert, ExitStatusAndOneLineOnStandardError)
{
    const std::string trace = ReadBytes(Sample("trace-1550nm.bin"));
    WriteBytes(Path("short.bin"), trace.substr(0, trace.size() - 1));
    WriteBytes(Path("wrong.kav"), std::string("\xD2\x05\0\0\x01\0\0\0", 8));
    WriteBytes(Path("no-tests.bin"), EncodeKavResult(ThreeWaveLengths, {}));
    ASSERT_EQ(mkfifo(Path("pipe.bin").c_str(), 0600), 0) << std::strerror(errno);
    fs::create_directory(Path("folder.kav"));
    fs::create_directory(Path("taken.csv"));
    const std::string badLimits = R"({"method": "budget", "warningBand": "0.3"})";
    WriteBytes(Path("bad.kavlimits"), badLimits);
    WriteBytes(Path("bad.kavheader"), R"({"Customer": 42})");
    // An unknown key that would forge a line of its own and clear the terminal.
    WriteBytes(Path("forged.kavheader"), R"({"\u001b[2J\nkav-convert: FAKE": "x"})");
    const std::string csv = " --csv " + Quoted(Path("x.csv")), outputs = " --info" + csv;
    const std::string opm = Quoted(Sample("opm-readings.bin")), pdf = " --pdf " + Quoted(Path("x.pdf"));
    const std::string lossTest = Quoted(Sample("kav-two-wavelengths.bin"));
    const struct
    {
        std::string arguments;
        int status;
        std::string mentions;
    } cases[] = {
        {"", 2, "no FILE"},
        {opm + " --csv", 2, "--csv"},
        {opm + " --pdf", 2, "--pdf"},
        {opm + " --bogus", 2, "--bogus"},
        // An option's argument never looks like an option: --info is an
        // OUT forgotten, not a file to write.
        {opm + " --csv --info", 2, "--csv needs an output file"},
        {opm + " --pdf -q", 2, "--pdf needs an output file"},
        {Quoted(Sample("trace-1550nm.bin")) + csv + pdf, 2, "no report"},
        {Quoted(Sample("trace-1550nm.bin")) + " --xlsx " + Quoted(Path("x.xlsx")), 2, "no table"},
        {opm + pdf + " --page-size A3", 2, "--page-size"},
        {opm + pdf + " --language fr", 2, "--language needs en or zh_CN"},
        {opm + " --page-size A4", 2, "--page-size without --pdf"},
        {lossTest + " --no-summary --info", 2, "--no-summary without --pdf"},
        {opm + " --language zh_CN --info", 2, "--language without --pdf"},
        {opm + outputs + " --company X", 2, "--company without --pdf"},
        {lossTest + pdf + " --header " + Quoted(Path("bad.kavheader")), 2, "Customer: a string was expected"},
        {lossTest + pdf + " --header " + Quoted(Path("forged.kavheader")), 2, "$'\\033'"},
        // A logo that cannot be used (ReportLogoTest has why) is never waited for.
        {lossTest + pdf + " --logo " + Quoted(Path("pipe.bin")), 2, "named pipe"},
        // A value that starts with "-" is given joined to its option.
        {lossTest + pdf + " --company -ACME", 2, "--company=-ACME"},
        {opm + " --info=yes", 2, "--info takes no value"},
        // Nothing but a regular file is read, and refusing never waits for
        // a writer.
        {Quoted(Path("missing.bin")) + outputs, 3, Path("missing.bin")},
        {Quoted(Path("pipe.bin")) + outputs, 3, "named pipe"},
        {"/dev/zero" + outputs, 3, "device"},
        {Quoted(Path("folder.kav")) + outputs, 3, "folder"},
        {Quoted(Sample("README.md")) + outputs, 4, "README.md"},
        {Quoted(Path("short.bin")) + outputs, 4, "File error!"},
        {Quoted(Path("wrong.kav")) + outputs, 4, "File error!"},
        // A limit file is part of the command: any fault in it is a usage error.
        {lossTest + " --limits " + Quoted(Path("bad.kavlimits")) + outputs, 2, "key warningBand"},
        {lossTest + " --limits " + Quoted(Path("none.kavlimits")) + outputs, 2, "none.kavlimits"},
        {lossTest + " --limits " + Quoted(Path("bad.kavlimits")) + " --verdicts " +
             Quoted(Path("bad.kavlimits")),
         2, "the --limits file itself"},
        {opm + " --verdicts " + Quoted(Path("x.csv")), 2, "--verdicts"},
        {Quoted(Path("no-tests.bin")) + pdf, 5, "no pages"},
        {opm + csv + " --document " + Quoted(Path("no/such/folder/x.opm")), 5, "no/such/folder/x.opm"},
        {opm + csv + " --pdf " + Quoted(Path("no/such/folder/x.pdf")), 5, "no/such/folder/x.pdf"},
        {opm + " --csv " + Quoted(Path("taken.csv")), 5, "taken.csv"},
        // A device fails only when written, after the other output was staged.
        {opm + csv + " --document /dev/full", 5, "/dev/full"},
        // A full disk behind standard output.
        {opm + " --info >/dev/full", 5, std::strerror(ENOSPC)},
        {opm + " --csv - >/dev/full", 5, std::strerror(ENOSPC)},
    };
    const size_t files = FileCount();
    for (const auto& c : cases) {
        // `timeout` ends a run that waits (status 124).
        const RunResult run = ThroughPipe("timeout 10 KAV_CONVERT " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(LineCount(run.err), 1u) << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(FileCount(), files) << c.arguments;
    }
    EXPECT_EQ(ReadBytes(Path("bad.kavlimits")), badLimits);
}

// Records the header declares but the list does not hold: a loss-test file
// cut after 12 of its 50 records (and into the 13th), and a power-meter file
// whose 13th record has a unit no instrument writes. The 12 are real, so the
// run succeeds, and says what is missing.
TEST_F(KavConvert, AnIncompleteFileGivesItsRecordsAndSaysSo)
{
    std::vector<OpmReading> readings(50);
    readings[12].unit = 8;
    const struct
    {
        std::string file, bytes, notice;
    } cases[] = {
        {"short.bin", EncodeKavResult(ThreeWaveLengths, SampleLossTests(50, 5)).substr(0, 32 + 12 * 136 + 70),
         "The file ends after 12 of 50 records; the 12 are shown."},
        {"unit.bin", EncodeOpmResult(readings),
         "Record 13 of 50 has an unknown unit, which ends the list; the 12 are shown before it."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        WriteBytes(Path(c.file), c.bytes);
        const RunResult run = Convert(Quoted(Path(c.file)) + " --info");
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find("\"records\":12,\"declaredRecords\":50"), std::string::npos) << run.out;
        EXPECT_EQ(run.err, "kav-convert: " + Path(c.file) + ": " + c.notice + "\n");
    }
}

// A file's name is quoted on standard error as GNU tools quote it: a newline
// or a terminal's escape sequence in it can neither forge a second line nor
// reach the terminal. An output named like an option is written when its
// name says it is a file.
TEST_F(KavConvert, NamesAreQuotedSoEachFailureStaysOneLine)
{
    const std::string forged = "a\nkav-convert: FAKE MESSAGE\x1b[2J";
    setenv("KAV_FORGED_NAME", forged.c_str(), 1);
    const RunResult run = Convert("\"$KAV_FORGED_NAME\" --info");
    unsetenv("KAV_FORGED_NAME");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(LineCount(run.err), 1u) << run.err;
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("FAKE MESSAGE"), std::string::npos) << run.err;

    const RunResult dashed = ThroughPipe("cd " + Quoted(m_Dir.Path()) + " && KAV_CONVERT " +
                                         Quoted(Sample("opm-readings.bin")) + " --csv ./--info");
    EXPECT_EQ(dashed.status, 0) << dashed.err;
    EXPECT_EQ(ReadBytes(Path("--info")), ExpectedOf(Sample("opm-readings.bin")).csv);
}

// --info names each cable as the window shows it, in JSON's ASCII escapes;
// --names forces one reading for every name. A limit's per-cable keys match
// those names; one that matches none is told on standard error and listed.
TEST_F(KavConvert, NamesInAnyScriptInTheInfo)
{
    std::vector<LossTestResult> tests = SampleLossTests(3, 1);
    tests[0].cable = "Kabel-\xC3\x9C";   // UTF-8
    tests[1].cable = "\xB9\xE2\xC0\xC2"; // 光缆 in GB18030
    tests[2].cable = "Kabel-\xDC";       // Latin-1
    WriteBytes(Path("names.bin"), EncodeKavResult(ThreeWaveLengths, tests));
    const RunResult run = Convert(Quoted(Path("names.bin")) + " --info");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(R"("cable":"Kabel-\u00dc","start":0)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(R"("cable":"\u5149\u7f06","start":1)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(R"("cable":"Kabel-\u00dc","start":2)"), std::string::npos) << run.out;

    WriteBytes(Path("names.kavlimits"), R"({"method": "fixed", "fixed": {"1310": 9},
        "cables": {"\u5149\u7f06": {"fixed": {"1310": 0.01}}, "Kabel-\u00dc": {}, "Kabel-X": {}}})");
    const RunResult limited =
        Convert(Quoted(Path("names.bin")) + " --info --limits " + Quoted(Path("names.kavlimits")));
    ASSERT_EQ(limited.status, 0) << limited.err;
    EXPECT_NE(limited.out.find(R"("unmatchedCables":["Kabel-X"])"), std::string::npos) << limited.out;
    EXPECT_NE(limited.err.find("no cable of the file is named Kabel-X"), std::string::npos) << limited.err;
    EXPECT_NE(limited.out.find(R"("fail":1,)"), std::string::npos) << limited.out; // 光缆's own 0.01 dB

    const RunResult latin = Convert(Quoted(Path("names.bin")) + " --info --names latin-1");
    ASSERT_EQ(latin.status, 0) << latin.err;
    EXPECT_NE(latin.out.find(R"("cable":"Kabel-\u00c3\u009c","start":0)"), std::string::npos) << latin.out;
    EXPECT_EQ(Convert(Quoted(Path("names.bin")) + " --info --names cp936").status, 2);
}
