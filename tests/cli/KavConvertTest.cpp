#include "CsvExport.h"
#include "Documents.h"
#include "FileLoading.h"
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

TEST_F(KavConvert, InfoOfTheLossTestSamples)
{
    const RunResult three = Convert(Quoted(Sample("kav-three-wavelengths.bin")) + " --info");
    ASSERT_EQ(three.status, 0) << three.err;
    // 12 results, 4 fibers per cable, at 1310/1490/1550 nm.
    std::string groups;
    for (int g = 0; g < 3; ++g)
        groups += std::string(g ? "," : "") + "{\"cable\":\"CAB-0" + std::to_string(g + 1) +
                  "\",\"start\":" + std::to_string(4 * g) + ",\"records\":4}";
    EXPECT_EQ(three.out, "{\"kind\":\"kav\",\"records\":12,\"waveCount\":3,\"wavelengths\":[1310,1490,1550],"
                         "\"groups\":[" +
                             groups + "]}\n");
    EXPECT_EQ(three.err, "");

    const RunResult two = Convert(Quoted(Sample("kav-two-wavelengths.bin")) + " --info");
    ASSERT_EQ(two.status, 0);
    EXPECT_NE(two.out.find("\"records\":9,\"waveCount\":2,\"wavelengths\":[1310,0,1550]"), std::string::npos);
    EXPECT_NE(two.out.find("{\"cable\":\"CAB-03\",\"start\":6,\"records\":3}"), std::string::npos);
}

// Bytes 24-27 of this document read 165, the mark of a recorded trace.
TEST_F(KavConvert, TheProgramsOwnDocumentIsNotTakenForATrace)
{
    CDataStore store;
    store.AddOrlRecord("CAB-01", "F-01\xA5", "1550nm", "45.32dB", "2026-03-04", "10:11:12");
    store.AddOrlRecord("CAB-01", "F-02", "1550nm", "44.10dB", "2026-03-04", "10:12:40");
    const std::string document = OrlDocumentBytes(store);
    ASSERT_EQ(document.substr(24, 4), std::string("\xA5\0\0\0", 4));
    WriteFile(Path("saved.orl"), document);
    const RunResult run =
        Convert(Quoted(Path("saved.orl")) + " --info --document " + Quoted(Path("again.orl")));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\"kind\":\"orl\",\"records\":" + std::to_string(store.GetOrlRecords().size()) + "}\n");
    EXPECT_EQ(ReadFile(Path("again.orl")), document);
}

TEST_F(KavConvert, CsvAndDocumentMatchTheProgramsOwnExportAndSaveAs)
{
    for (const char* name : {"opm-readings.bin", "orl-readings.bin", "kav-three-wavelengths.bin",
                             "kav-two-wavelengths.bin", "trace-1550nm.bin"}) {
        const std::string sample = Sample(name);
        CDataStore store;
        ASSERT_EQ(LoadFile(sample, store).result, DecodeResult::Ok) << name;
        std::string csv, document;
        const std::string kind = std::string(name).substr(0, 3);
        if (kind == "opm") {
            csv = OpmCsvBytes(store);
            document = OpmDocumentBytes(store);
        } else if (kind == "orl") {
            csv = OrlCsvBytes(store);
            document = OrlDocumentBytes(store);
        } else if (kind == "kav") {
            csv = KavCsvBytes(store, std::string(name).find("three") != std::string::npos ? 3 : 2);
            document = KavDocumentBytes(store);
        } else {
            csv = TraceCsvBytes(store);
            document = TraceDocumentBytes(store);
        }
        const std::string extension = kind == "tra" ? ".trace" : "." + kind;
        const std::string csvOut = Path("out.csv"), documentOut = Path("out" + extension);
        const RunResult run =
            Convert(Quoted(sample) + " --csv " + Quoted(csvOut) + " --document " + Quoted(documentOut));
        ASSERT_EQ(run.status, 0) << name << run.err;
        EXPECT_EQ(ReadFile(csvOut), csv) << name;
        EXPECT_EQ(ReadFile(documentOut), document) << name;

        // The document read back exports the same CSV and saves the same document.
        const RunResult again = Convert(Quoted(documentOut) + " --csv " + Quoted(Path("again.csv")) +
                                        " --document " + Quoted(Path("again" + extension)));
        ASSERT_EQ(again.status, 0) << name << again.err;
        EXPECT_EQ(ReadFile(Path("again.csv")), csv) << name;
        EXPECT_EQ(ReadFile(Path("again" + extension)), document) << name;
    }
}

TEST_F(KavConvert, ExitStatusAndOneLineOnStandardError)
{
    const struct
    {
        std::string arguments;
        int status;
        std::string mentions;
    } cases[] = {
        {"", 2, "no FILE"},
        {Quoted(Sample("opm-readings.bin")) + " --csv", 2, "--csv"},
        {Quoted(Sample("opm-readings.bin")) + " --bogus", 2, "--bogus"},
        {Quoted(Path("missing.bin")) + " --info", 3, Path("missing.bin")},
        {Quoted(Sample("README.md")) + " --info", 4, "README.md"},
    };
    for (const auto& c : cases) {
        const RunResult run = Convert(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(LineCount(run.err), 1u) << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(KavConvert, VersionNeedsNoFile)
{
    const RunResult run = Convert("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string("kav-convert ") + ProgramVersion + "\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(KavConvert, FileErrorsAreRefused)
{
    std::string trace = ReadFile(Sample("trace-1550nm.bin"));
    WriteFile(Path("short.bin"), trace.substr(0, trace.size() - 1));
    WriteFile(Path("wrong.kav"), "\xD2\x05\0\0\x01\0\0\0");
    for (const char* name : {"short.bin", "wrong.kav"}) {
        const RunResult run = Convert(Quoted(Path(name)) + " --info --csv " + Quoted(Path("x.csv")));
        EXPECT_EQ(run.status, 4) << name;
        EXPECT_NE(run.err.find("File error!"), std::string::npos) << run.err;
        EXPECT_EQ(LineCount(run.err), 1u);
    }
    EXPECT_FALSE(fs::exists(Path("x.csv")));
}

TEST_F(KavConvert, AFailedOutputLeavesNoOutputBehind)
{
    const std::string csvOut = Path("good.csv");
    const RunResult run = Convert(Quoted(Sample("opm-readings.bin")) + " --csv " + Quoted(csvOut) +
                                  " --document " + Quoted(Path("no/such/folder/x.opm")));
    EXPECT_EQ(run.status, 5);
    EXPECT_NE(run.err.find("no/such/folder/x.opm"), std::string::npos);
    EXPECT_EQ(LineCount(run.err), 1u);
    EXPECT_EQ(FileCount(), 0u);

    // A device fails only when written, after the other output was staged.
    EXPECT_EQ(
        Convert(Quoted(Sample("opm-readings.bin")) + " --csv " + Quoted(csvOut) + " --document /dev/full")
            .status,
        5);
    EXPECT_EQ(FileCount(), 0u);

    fs::create_directory(Path("taken.csv"));
    EXPECT_EQ(Convert(Quoted(Sample("opm-readings.bin")) + " --csv " + Quoted(Path("taken.csv"))).status, 5);
}
