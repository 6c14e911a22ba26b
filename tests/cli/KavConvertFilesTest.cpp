#include "tests/cli/KavConvertRun.h"
#include "tests/support/FullDiskRun.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

// kav-convert with the files scripts and shared folders hand it: devices,
// pipes, standard input and output, links, hard links and names that clash.
// (A link another user planted in a shared folder is refused by the safe
// write that every output takes; SpecialTargetsTest checks it.)

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

// An OUT that is a named pipe is written while a process reads it; without
// a reader it fails at once, where it would otherwise wait for ever.
TEST_F(KavConvertFiles, APipeWithoutAReaderFailsAtOnce)
{
    const std::string pipe = Path("pipe.csv");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0) << std::strerror(errno);
    // `timeout` ends a run that waits (status 124).
    const RunResult unread =
        ThroughPipe("timeout 5 KAV_CONVERT --csv " + Quoted(pipe) + " " + Quoted(m_Input));
    EXPECT_EQ(unread.status, 5) << unread.err;
    EXPECT_NE(unread.err.find("no process reads"), std::string::npos) << unread.err;

    const RunResult read =
        ThroughPipe("(cat " + Quoted(pipe) + " &) ; sleep 0.2; timeout 5 KAV_CONVERT --csv " + Quoted(pipe) +
                    " " + Quoted(m_Input) + " && wait");
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, m_Expected.csv);
    EXPECT_TRUE(fs::is_fifo(pipe));
}

// Any OUT the shell can write is written: the temporary file's name is
// relative to OUT's folder, never a longer absolute path.
TEST_F(KavConvertFiles, AnOutWhosePathIsNearTheSystemsLimit)
{
    // 4090 bytes and the terminating zero: a few bytes short of Linux's
    // PATH_MAX, so that even a short temporary name beside it would not fit.
    constexpr size_t Length = 4090;
    std::string folder = m_Dir.Path();
    while (folder.size() < Length - 250)
        folder += "/" + std::string(200, 'd');
    fs::create_directories(folder);
    const std::string out = folder + "/" + std::string(Length - folder.size() - 1, 'o');
    ASSERT_EQ(out.size(), Length);
    WriteBytes(out, "old");
    const RunResult run = Convert(Quoted(m_Input) + " --csv " + Quoted(out));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(out), m_Expected.csv);
}

// A full disk fails every kind of output, alone or together, and keeps each
// old file byte for byte, with no temporary file left beside it.
TEST_F(KavConvertFiles, AFullDiskKeepsEveryOldOutput)
{
    const std::string keep = Path("kept"), statuses = Path("statuses");
    const std::string setup = "printf old-csv >\"$DISK/out.csv\"; printf old-kav >\"$DISK/out.kav\"; "
                              "printf old-pdf >\"$DISK/out.pdf\"";
    const std::string csv = " --csv \"$DISK/out.csv\"", document = " --document \"$DISK/out.kav\"",
                      pdf = " --pdf \"$DISK/out.pdf\"";
    std::string commands;
    for (const std::string& outputs : {csv, document, pdf, csv + document + pdf})
        commands += Quoted(KAV_CONVERT) + " " + Quoted(m_Input) + outputs + " 2>/dev/null; echo $? >>" +
                    Quoted(statuses) + "; ";
    std::string why;
    if (!RunOnFullDisk(m_Dir.Path(), setup, commands, keep, why))
        GTEST_SKIP() << why;
    EXPECT_EQ(ReadBytes(statuses), "5\n5\n5\n5\n");
    std::vector<std::string> kept;
    for (const auto& entry : fs::directory_iterator(keep))
        kept.push_back(entry.path().filename().string());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<std::string>{"out.csv", "out.kav", "out.pdf"}));
    EXPECT_EQ(ReadBytes(keep + "/out.csv"), "old-csv");
    EXPECT_EQ(ReadBytes(keep + "/out.kav"), "old-kav");
    EXPECT_EQ(ReadBytes(keep + "/out.pdf"), "old-pdf");
}

// A file-size limit (ulimit -f) is a full disk for every output: one line
// that says so, exit 5, the old file kept and nothing left beside it, also
// of the workbook's working files.
TEST_F(KavConvertFiles, AFileSizeLimitIsAFullDisk)
{
    // The temporary folder holds nothing after; the PDF's painting keeps
    // its runtime folder elsewhere.
    const std::string temporary = Path("tmp"), runtime = Path("run");
    fs::create_directory(temporary);
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
    for (const char* option : {"--csv", "--verdicts", "--xlsx", "--document", "--pdf"}) {
        SCOPED_TRACE(option);
        const std::string out = Path("out");
        WriteBytes(out, "old");
        // Standard error is read through a pipe, which the limit leaves alone.
        const RunResult run =
            ThroughPipe("(ulimit -f 0; TMPDIR=" + Quoted(temporary) + " XDG_RUNTIME_DIR=" + Quoted(runtime) +
                        " exec KAV_CONVERT " + Quoted(m_Input) + " " + option + " " + Quoted(out) + ") 2>&1");
        EXPECT_EQ(run.status, 5);
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
        EXPECT_NE(run.out.find(std::strerror(ENOSPC)), std::string::npos) << run.out;
        EXPECT_EQ(ReadBytes(out), "old");
        EXPECT_EQ(m_Dir.Names(), (std::vector<std::string>{"k.bin", "out", "run", "tmp"}));
        EXPECT_TRUE(fs::is_empty(temporary));
    }
}
