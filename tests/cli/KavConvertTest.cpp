#include "KavConvertRun.h"
#include "ProgramIdentity.h"

#include <algorithm>

namespace {
namespace fs = std::filesystem;

size_t LineCount(const std::string& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}
} // namespace

// kav-convert writes what the program's own export and Save As write, and the
// document it saved reads back to the same outputs.
TEST_F(KavConvert, OutputsAreTheProgramsOwnAndADocumentReadsBackToThem)
{
    for (const char* name : {"opm-readings.bin", "orl-readings.bin", "kav-three-wavelengths.bin",
                             "kav-two-wavelengths.bin", "trace-1550nm.bin"}) {
        const Expected expected = ExpectedOf(Sample(name));
        const std::string document = Path("out" + expected.ending), again = Path("again" + expected.ending);
        const RunResult run = Convert(Quoted(Sample(name)) + " --info --csv " + Quoted(Path("out.csv")) +
                                      " --document " + Quoted(document));
        ASSERT_EQ(run.status, 0) << name << run.err;
        EXPECT_EQ(ReadBytes(Path("out.csv")), expected.csv) << name;
        EXPECT_EQ(ReadBytes(document), expected.document) << name;

        const RunResult back = Convert(Quoted(document) + " --csv - --document " + Quoted(again));
        ASSERT_EQ(back.status, 0) << name << back.err;
        EXPECT_EQ(back.out, expected.csv) << name;
        EXPECT_EQ(ReadBytes(again), expected.document) << name;
        // A loss-test document also keeps the form and the cable groups; a
        // trace document keeps no wavelength or times.
        if (expected.ending == ".kav") {
            EXPECT_EQ(Convert(Quoted(document) + " --info").out, run.out) << name;
        }
    }
}

TEST_F(KavConvert, ExitStatusAndOneLineOnStandardError)
{
    const std::string trace = ReadBytes(Sample("trace-1550nm.bin"));
    WriteBytes(Path("short.bin"), trace.substr(0, trace.size() - 1));
    WriteBytes(Path("wrong.kav"), std::string("\xD2\x05\0\0\x01\0\0\0", 8));
    const std::string outputs = " --info --csv " + Quoted(Path("x.csv"));
    const struct
    {
        std::string arguments;
        int status;
        std::string mentions;
    } cases[] = {
        {"", 2, "no FILE"},
        {Quoted(Sample("opm-readings.bin")) + " --csv", 2, "--csv"},
        {Quoted(Sample("opm-readings.bin")) + " --bogus", 2, "--bogus"},
        {Quoted(Path("missing.bin")) + outputs, 3, Path("missing.bin")},
        {Quoted(Sample("README.md")) + outputs, 4, "README.md"},
        {Quoted(Path("short.bin")) + outputs, 4, "File error!"},
        {Quoted(Path("wrong.kav")) + outputs, 4, "File error!"},
    };
    for (const auto& c : cases) {
        const RunResult run = Convert(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(LineCount(run.err), 1u) << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(fs::exists(Path("x.csv")));
}

TEST_F(KavConvert, VersionNeedsNoFile)
{
    const RunResult run = Convert("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string("kav-convert ") + ProgramVersion + "\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(KavConvert, AFailedOutputLeavesNoOutputBehind)
{
    const std::string sample = Quoted(Sample("opm-readings.bin")), csv = " --csv " + Quoted(Path("good.csv"));
    const RunResult run = Convert(sample + csv + " --document " + Quoted(Path("no/such/folder/x.opm")));
    EXPECT_EQ(run.status, 5);
    EXPECT_NE(run.err.find("no/such/folder/x.opm"), std::string::npos);
    EXPECT_EQ(LineCount(run.err), 1u);
    EXPECT_EQ(FileCount(), 0u);

    // A device fails only when written, after the other output was staged.
    EXPECT_EQ(Convert(sample + csv + " --document /dev/full").status, 5);
    EXPECT_EQ(FileCount(), 0u);

    fs::create_directory(Path("taken.csv"));
    EXPECT_EQ(Convert(sample + " --csv " + Quoted(Path("taken.csv"))).status, 5);
}
