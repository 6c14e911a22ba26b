#include "CsvExport.h"
#include "Documents.h"
#include "ProgramIdentity.h"
#include "ResultFileDecoders.h"
#include "SampleSet.h"
#include "TraceFile.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace {
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

struct RunResult
{
    int status;
    std::string out, err;
};

class KavConvert : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Dir = fs::temp_directory_path() / ("kav-convert-test-" + std::to_string(std::random_device{}()));
        fs::create_directories(m_Dir);
    }
    void TearDown() override { fs::remove_all(m_Dir); }

    std::string Path(const std::string& name) const { return (m_Dir / name).string(); }

    static std::string Sample(const std::string& name)
    {
        const char* source = std::getenv("KAV_SOURCE_DIR");
        return (fs::path(source ? source : ".") / "samples" / name).string();
    }

    RunResult Convert(const std::string& arguments) const
    {
        const std::string out = Path("stdout.txt"), err = Path("stderr.txt");
        const std::string command =
            std::string("'") + KAV_CONVERT + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
        const int raw = std::system(command.c_str());
        RunResult run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
        fs::remove(out);
        fs::remove(err);
        return run;
    }

    // Files the runs left in the test folder.
    size_t FileCount() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(m_Dir), fs::directory_iterator()));
    }

    fs::path m_Dir;
};

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

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

TEST_F(KavConvert, InfoOfATraceShowsTheTracePageTexts)
{
    const std::string sample = Sample("trace-1550nm.bin");
    CDataStore store;
    const TraceReadOutcome expected = ReadTraceFile(sample, store);
    ASSERT_EQ(expected.result, DecodeResult::Ok);
    const TraceFileContents& c = expected.contents;
    const RunResult run = Convert(Quoted(sample) + " --info");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{\"kind\":\"trace\",\"records\":" + c.recordCount + ",\"wavelength\":\"" +
                           c.waveLength + "\",\"reference\":\"" + c.reference + "\",\"min\":\"" + c.minimum +
                           "\",\"max\":\"" + c.maximum + "\",\"average\":\"" + c.average + "\",\"start\":\"" +
                           c.start + "\",\"end\":\"" + c.end + "\"}\n");
}

TEST_F(KavConvert, CsvAndDocumentMatchTheProgramsOwnExportAndSaveAs)
{
    for (const char* name : {"opm-readings.bin", "orl-readings.bin", "kav-three-wavelengths.bin",
                             "kav-two-wavelengths.bin", "trace-1550nm.bin"}) {
        const std::string sample = Sample(name);
        CDataStore store;
        std::string csv, document;
        const std::string kind = std::string(name).substr(0, 3);
        if (kind == "opm") {
            DecodeOpmFile(sample, store, nullptr);
            csv = OpmCsvBytes(store);
            document = OpmDocumentBytes(store);
        } else if (kind == "orl") {
            DecodeOrlFile(sample, store, nullptr);
            csv = OrlCsvBytes(store);
            document = OrlDocumentBytes(store);
        } else if (kind == "kav") {
            const KavDecodeOutcome outcome = DecodeKavFile(sample, store);
            csv = KavCsvBytes(store, outcome.waveLengths[1] != 0 ? 3 : 2);
            document = KavDocumentBytes(store);
        } else {
            ReadTraceFile(sample, store);
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
