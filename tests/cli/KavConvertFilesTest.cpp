#include "tests/cli/KavConvertRun.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

// kav-convert with the files scripts and shared folders hand it: devices,
// pipes, standard input and output, links, hard links and names that clash.

namespace fs = std::filesystem;

class KavConvertFiles : public KavConvert
{
protected:
    void SetUp() override
    {
        m_Input = Path("k.bin");
        fs::copy_file(Sample("kav-two-wavelengths.bin"), m_Input);
        m_Expected = ExpectedOf(m_Input);
    }
    std::string m_Input;
    Expected m_Expected;
};

TEST_F(KavConvertFiles, StandardInputAndOutputByDashAndByName)
{
    for (const char* out : {"-", "/dev/stdout"}) {
        const RunResult run = ThroughPipe("KAV_CONVERT " + Quoted(m_Input) + " --csv " + out);
        EXPECT_EQ(run.status, 0) << out << run.err;
        EXPECT_EQ(run.out, m_Expected.csv) << out;
    }
    // Standard input, from a file and from a pipe, reads as the file does;
    // --info comes before an output on standard output.
    const std::string info = Convert(Quoted(m_Input) + " --info").out;
    ASSERT_FALSE(info.empty());
    for (const std::string& line : {"KAV_CONVERT - --info --document - <" + Quoted(m_Input),
                                    "cat " + Quoted(m_Input) + " | KAV_CONVERT --info --document - -"}) {
        const RunResult run = ThroughPipe(line);
        EXPECT_EQ(run.status, 0) << line << run.err;
        EXPECT_EQ(run.out, info + m_Expected.document) << line;
    }

    // "--" ends the options, so a file whose name starts with "-" can be read.
    fs::copy_file(m_Input, Path("-k.bin"));
    EXPECT_EQ(ThroughPipe("cd " + Quoted(m_Dir.Path()) + " && KAV_CONVERT --info -- -k.bin").out, info);
    EXPECT_EQ(ThroughPipe("cd " + Quoted(m_Dir.Path()) + " && KAV_CONVERT --info -k.bin").status, 2);
}

// Nothing but a regular file is read, and refusing never waits for a writer.
TEST_F(KavConvertFiles, PipesDevicesAndFoldersAreNotRead)
{
    ASSERT_EQ(mkfifo(Path("pipe.bin").c_str(), 0600), 0) << std::strerror(errno);
    fs::create_directory(Path("folder.kav"));
    const struct
    {
        std::string file, mentions;
    } refusals[] = {
        {Path("pipe.bin"), "named pipe"}, {"/dev/zero", "device"}, {Path("folder.kav"), "folder"}};
    for (const auto& refusal : refusals) {
        const RunResult run = Convert("--info " + Quoted(refusal.file) + " --csv " + Quoted(Path("out.csv")));
        EXPECT_EQ(run.status, 3) << refusal.file;
        EXPECT_NE(run.err.find(refusal.file), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(refusal.mentions), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(fs::exists(Path("out.csv")));
}

// An output that is the input or another output is refused before anything
// is written, whatever names, links or hard links lead to it; only a device,
// which takes its bytes once, may be named twice.
TEST_F(KavConvertFiles, AnOutputMayNotBeTheInputOrAnotherOutput)
{
    fs::create_hard_link(m_Input, Path("hard.bin"));
    fs::create_symlink(m_Input, Path("soft.bin"));
    const std::string out = Path("out"), sameOut = m_Dir.Path() + "/./out";
    const std::string clashes[] = {
        Quoted(m_Input) + " --csv " + Quoted(m_Input),
        Quoted(m_Input) + " --document " + Quoted(Path("hard.bin")),
        Quoted(m_Input) + " --csv " + Quoted(Path("soft.bin")),
        Quoted(m_Input) + " --csv " + Quoted(out) + " --document " + Quoted(out),
        Quoted(m_Input) + " --csv " + Quoted(out) + " --document " + Quoted(sameOut),
    };
    const std::string before = ReadBytes(m_Input);
    const size_t files = FileCount();
    for (const std::string& clash : clashes) {
        const RunResult run = Convert(clash);
        EXPECT_EQ(run.status, 2) << clash;
        EXPECT_NE(run.err.find("same file"), run.err.find("FILE itself")) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    }
    EXPECT_EQ(ReadBytes(m_Input), before);
    EXPECT_EQ(FileCount(), files);

    EXPECT_EQ(Convert(Quoted(m_Input) + " --csv /dev/null --document /dev/null").status, 0);
    const RunResult run = Convert(Quoted(m_Input) + " --csv /dev/null --document " + Quoted(out));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(out), m_Expected.document);
}

// A chain of links leads to the file that is replaced, and every link stays a
// link; a loop fails as the system fails it, and changes nothing.
TEST_F(KavConvertFiles, LinksAreFollowedAsTheSystemFollowsThem)
{
    WriteBytes(Path("real.csv"), "old");
    constexpr int ChainLength = 12;
    for (int i = ChainLength; i >= 1; --i)
        fs::create_symlink(i == ChainLength ? "real.csv" : "link" + std::to_string(i + 1),
                           Path("link" + std::to_string(i)));
    RunResult run = Convert(Quoted(m_Input) + " --csv " + Quoted(Path("link1")));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(Path("real.csv")), m_Expected.csv);
    for (int i = 1; i <= ChainLength; ++i)
        EXPECT_TRUE(fs::is_symlink(Path("link" + std::to_string(i)))) << i;

    // A dangling link gets its file made where it points.
    fs::create_symlink("new.kav", Path("dangling"));
    run = Convert(Quoted(m_Input) + " --document " + Quoted(Path("dangling")));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(Path("dangling")));
    EXPECT_EQ(ReadBytes(Path("new.kav")), m_Expected.document);

    fs::create_symlink("loop-b", Path("loop-a"));
    fs::create_symlink("loop-a", Path("loop-b"));
    const size_t files = FileCount();
    run = Convert(Quoted(m_Input) + " --csv " + Quoted(Path("loop-a")));
    EXPECT_EQ(run.status, 5);
    EXPECT_NE(run.err.find(std::strerror(ELOOP)), std::string::npos) << run.err;
    EXPECT_TRUE(fs::is_symlink(Path("loop-a")) && fs::is_symlink(Path("loop-b")));
    EXPECT_EQ(FileCount(), files);
}
