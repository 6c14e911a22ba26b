#include "platform/files/FileBytes.h"
#include "platform/files/SafeFileWriter.h"
#include "platform/files/TemporaryNamesPosix.h"
#include "tests/support/HangLimit.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>

// What lies under an output's name when it is not a plain file: pipes,
// devices, links other users planted, and a program ended half way.

namespace {
namespace fs = std::filesystem;

// Steps that touch a pipe must be over at once.
constexpr unsigned PipeSeconds = 5;

bool IsCharacterDevice(const std::string& path)
{
    struct stat status;
    return lstat(path.c_str(), &status) == 0 && S_ISCHR(status.st_mode);
}

// A device node of the test's own: the null device's numbers, made in the
// test's folder. Only root may make one.
bool MakeNullDevice(const std::string& path)
{
    return mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

// The program catches SIGTERM, SIGINT and SIGHUP from its first temporary
// file on, and leaves alone a signal it started with ignored. A runner may
// start the tests so (nohup, a background job); the children below rely on
// those signals, so the test program takes them back to their defaults
// before any test, as a program started from a terminal has them.
const bool EndingSignalsAtDefault = [] {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction now = {};
        if (sigaction(signal, nullptr, &now) == 0 && now.sa_handler == SIG_IGN)
            std::signal(signal, SIG_DFL);
    }
    return true;
}();

// The exit of a child process that runs `step` and then ends itself so.
int StatusOfChild(const std::function<void()>& step)
{
    const pid_t child = fork();
    if (child == 0) {
        step();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}
} // namespace

TEST(SpecialTargets, APipeIsWrittenOnlyWhileSomeoneReadsAndNeverWaitedFor)
{
    ScratchFolder dir;
    const std::string pipe = dir.File("pipe.csv");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0) << std::strerror(errno);
    {
        const HangLimit limit(PipeSeconds);
        const WriteResult unread = WriteFileSafely(pipe, "bytes");
        EXPECT_EQ(unread.status, IoStatus::NoReader);
        EXPECT_NE(unread.reason.find("no process reads"), std::string::npos) << unread.reason;
        // A file the program keeps for itself is never a pipe.
        EXPECT_EQ(WriteFileSafely(pipe, "bytes", WriteRule::RegularOnly).status, IoStatus::NotAFile);
        EXPECT_EQ(AppendToFile(pipe, "log line").status, IoStatus::NotAFile);
    }
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    {
        const HangLimit limit(PipeSeconds);
        ASSERT_TRUE(WriteFileSafely(pipe, "bytes").ok());
    }
    char got[16] = {};
    EXPECT_EQ(read(reader, got, sizeof got), 5);
    EXPECT_STREQ(got, "bytes");
    close(reader);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"pipe.csv"});
}

// A device is never replaced: not through a link where the program keeps a
// file (at the device itself SafeFileWriterTest checks it), and not when one
// takes a file's name while the file is being written.
TEST(SpecialTargets, ADeviceIsNeverReplaced)
{
    ScratchFolder dir;
    const std::string device = dir.File("null");
    if (!MakeNullDevice(device))
        GTEST_SKIP() << "making a device node needs root: " << std::strerror(errno);
    const std::string link = dir.File("KAV.conf");
    fs::create_symlink("null", link);
    EXPECT_EQ(WriteFileSafely(link, "[General]\n", WriteRule::RegularOnly).status, IoStatus::NotAFile);
    EXPECT_EQ(AppendToFile(link, "log line").status, IoStatus::NotAFile);

    const std::string file = dir.File("out.csv");
    WriteBytes(file, "old");
    StagedFile staged;
    ASSERT_TRUE(staged.Stage(file, "new").ok());
    fs::remove(file);
    ASSERT_TRUE(MakeNullDevice(file));
    EXPECT_EQ(staged.Commit().status, IoStatus::NameTaken);

    EXPECT_TRUE(IsCharacterDevice(device) && IsCharacterDevice(file));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"KAV.conf", "null", "out.csv"}));
}

// In a sticky folder that everyone may write to (as /tmp), a link that
// another user made is refused, as the system refuses it, wherever it stands
// on the path: at its end or as a folder on the way. Nothing is read or
// written through it. The user's own links are followed there as anywhere.
TEST(SpecialTargets, ALinkAnotherUserPlantedInASharedFolderIsRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user needs root";
    ScratchFolder dir;
    const std::string shared = dir.File("shared"), own = dir.File("shared/mine.csv");
    fs::create_directories(dir.File("private/reports"));
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    const std::string secret = dir.File("private/secret.txt");
    WriteBytes(secret, "the user's own");
    WriteBytes(dir.File("mine.csv"), "old");
    fs::create_symlink(dir.File("mine.csv"), own);
    const struct
    {
        std::string link, target, path;
    } planted[] = {
        {"evil.csv", secret, "evil.csv"},
        {"reports", dir.File("private"), "reports/secret.txt"},
        {"deeper", dir.File("private"), "deeper/reports/../secret.txt"},
    };
    for (const auto& p : planted) {
        SCOPED_TRACE(p.path);
        const std::string link = shared + "/" + p.link, path = shared + "/" + p.path;
        fs::create_symlink(p.target, link);
        ASSERT_EQ(lchown(link.c_str(), 65534, 65534), 0) << std::strerror(errno);
        const WriteResult refused = WriteFileSafely(path, "replaced");
        EXPECT_EQ(refused.status, IoStatus::NoAccess);
        EXPECT_NE(refused.reason.find("another user"), std::string::npos) << refused.reason;
        EXPECT_EQ(AppendToFile(path, "appended").status, IoStatus::NoAccess);
        EXPECT_EQ(ReadFileBytes(path, 100).status, IoStatus::NoAccess);
        EXPECT_EQ(ReadBytes(secret), "the user's own");
        EXPECT_TRUE(fs::is_symlink(link));
    }

    ASSERT_TRUE(WriteFileSafely(own, "new").ok());
    EXPECT_EQ(ReadBytes(dir.File("mine.csv")), "new");
    EXPECT_TRUE(fs::is_symlink(own));
}

// Killed half way, even by SIGKILL, the program leaves nothing: the new
// file has no name until it is complete.
TEST(SpecialTargets, AProgramKilledWhileWritingLeavesNoFile)
{
    ScratchFolder dir;
    const int unnamed = open(dir.Path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (unnamed < 0)
        GTEST_SKIP() << "this file system makes no unnamed files: " << std::strerror(errno);
    close(unnamed);
    WriteBytes(dir.File("report.pdf"), "old");
    const int status = StatusOfChild([&] {
        StagedFile staged;
        if (staged.Stage(dir.File("report.pdf"), std::string(1 << 20, 'x')).ok())
            raise(SIGKILL);
    });
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"report.pdf"});
    EXPECT_EQ(ReadBytes(dir.File("report.pdf")), "old");
}

// Where a new file needs a name before it is complete, SIGTERM, SIGINT and
// SIGHUP remove it before they end the program; a signal the program
// ignores stays ignored.
TEST(SpecialTargets, EndingSignalsRemoveANamedTemporaryFile)
{
    ScratchFolder dir;
    const int folder = open(dir.Path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(folder, 0);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const int status = StatusOfChild([&] {
            TemporaryName name;
            if (name.Create(folder, ".kav-1.tmp") >= 0)
                raise(signal);
        });
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_TRUE(dir.Names().empty()) << signal;
    }
    const int status = StatusOfChild([&] {
        std::signal(SIGHUP, SIG_IGN);
        TemporaryName name;
        if (name.Create(folder, ".kav-2.tmp") < 0)
            _exit(2);
        raise(SIGHUP);
        _exit(access((dir.Path() + "/.kav-2.tmp").c_str(), F_OK) == 0 ? 0 : 1);
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    close(folder);
}
