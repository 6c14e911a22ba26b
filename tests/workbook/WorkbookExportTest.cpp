#include "data/NewRecords.h"
#include "workbook/PrivateFolder.h"
#include "workbook/Workbook.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#if defined(__unix__) || defined(__APPLE__)
#include "tests/support/FullDisk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <ctime>
#endif

// What the workbook's cells hold is read back by check_workbooks.py; these
// are the safe write and the working files.

namespace {
// The system's temporary folder for the test's lifetime, to see what the
// writer leaves there.
class TemporaryFolderIn
{
public:
    // Where it was is put back afterwards (the system's default, if no
    // variable named one).
    explicit TemporaryFolderIn(const std::string& path)
        : m_Path(path), m_Saved(std::filesystem::temp_directory_path().string())
    {
        std::filesystem::create_directory(path);
        setenv("TMPDIR", path.c_str(), 1);
    }
    ~TemporaryFolderIn() { setenv("TMPDIR", m_Saved.c_str(), 1); }
    bool Empty() const { return std::filesystem::is_empty(m_Path); }

private:
    std::string m_Path, m_Saved;
};

CDataStore Readings(int count)
{
    CDataStore store;
    store.ReplaceOrlRecords(
        std::vector<OrlRecord>(static_cast<size_t>(count), NewOrlRecord("CAB-01", "F001", "1550nm", "45.32dB",
                                                                        "2026-03-10", "08:00:00")));
    return store;
}
} // namespace

TEST(Workbook, WorkingFilesStayPrivateAndGoWithTheFolder)
{
    ScratchFolder dir;
    const TemporaryFolderIn temporary(dir.File("tmp"));
    std::string path;
    {
        PrivateFolder folder;
        ASSERT_TRUE(folder.Made()) << folder.Reason();
        path = folder.Path();
        EXPECT_EQ(std::filesystem::path(path).parent_path(), std::filesystem::path(dir.File("tmp")));
        EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_all);
        WriteBytes(folder.ExpectFile("left"), "behind");
    }
    EXPECT_FALSE(std::filesystem::exists(path));

    const CDataStore store = Readings(3);
    const WorkbookOutcome made = WorkbookBytes(store, RecordKind::Orl, {"orl.bin", {}});
    ASSERT_TRUE(made.bytes) << made.error;
    EXPECT_EQ(made.bytes->substr(0, 2), "PK"); // a zip, as every workbook is
    EXPECT_TRUE(temporary.Empty());

    const WorkbookOutcome trace = WorkbookBytes(store, RecordKind::Trace, {"trace.bin", {}});
    EXPECT_FALSE(trace.bytes);
    EXPECT_EQ(trace.error, "a recorded trace has no table");
}

#if defined(__unix__) || defined(__APPLE__)
TEST(Workbook, AFailedWriteKeepsTheEarlierFileAndLeavesNothing)
{
    ScratchFolder dir;
    const std::string path = dir.File("results.xlsx");
    WriteBytes(path, "earlier workbook");
    const CDataStore store = Readings(200);
    const TemporaryFolderIn temporary(dir.File("tmp"));
    WriteResult result;
    {
        FullDisk full(64); // while the library writes its working files
        result = ExportWorkbook(path, store, RecordKind::Orl, {"orl.bin", {}});
    }
    // A full disk, said as one: the library gives no reason of its own.
    EXPECT_EQ(result.status, IoStatus::NoSpace);
    EXPECT_NE(result.reason.find(std::strerror(ENOSPC)), std::string::npos) << result.reason;
    EXPECT_EQ(ReadBytes(path), "earlier workbook");
    EXPECT_TRUE(temporary.Empty());
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"results.xlsx", "tmp"}));
    ASSERT_TRUE(ExportWorkbook(path, store, RecordKind::Orl, {"orl.bin", {}}).ok());
    EXPECT_EQ(ReadBytes(path).substr(0, 2), "PK");
}

// A program ended by SIGTERM, SIGINT or SIGHUP while it writes a workbook
// leaves nothing in the temporary folder, at any moment. One killed outright
// leaves its folder, which the next run removes once it is an hour old;
// another user's folder and a fresh one stay.
TEST(Workbook, NoDebrisAfterSignalsAndNoneForLong)
{
    ScratchFolder dir;
    const TemporaryFolderIn temporary(dir.File("tmp"));
    const CDataStore store = Readings(100000);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        for (const int milliseconds : {0, 300, 1000}) {
            const pid_t child = fork();
            if (child == 0) {
                WorkbookBytes(store, RecordKind::Orl, {"orl.bin", {}});
                _exit(0);
            }
            // From the moment its folder is there.
            for (int waited = 0; temporary.Empty() && waited < 5000; waited += 5)
                usleep(5000);
            usleep(static_cast<useconds_t>(milliseconds) * 1000);
            kill(child, signal);
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) << status;
            EXPECT_TRUE(temporary.Empty()) << signal << " after " << milliseconds << " ms";
        }
    }

    const auto leftFolder = [&dir](const std::string& name, uid_t owner, time_t age) {
        const std::string folder = dir.File("tmp/" + name);
        std::filesystem::create_directory(folder);
        WriteBytes(folder + "/workbook.xlsx", "partial");
        const timespec times[2] = {{std::time(nullptr) - age, 0}, {std::time(nullptr) - age, 0}};
        EXPECT_EQ(chown(folder.c_str(), owner, owner), 0);
        EXPECT_EQ(utimensat(AT_FDCWD, folder.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
        return folder;
    };
    const std::string killed = leftFolder("kav-workbook-1", geteuid(), time_t{2} * 60 * 60);
    const std::string running = leftFolder("kav-workbook-2", geteuid(), time_t{10} * 60);
    const std::string others =
        leftFolder("kav-workbook-3", geteuid() == 0 ? 65534 : geteuid(), time_t{2} * 60 * 60);
    ASSERT_TRUE(WorkbookBytes(Readings(3), RecordKind::Orl, {"orl.bin", {}}).bytes);
    EXPECT_FALSE(std::filesystem::exists(killed));
    EXPECT_TRUE(std::filesystem::exists(running + "/workbook.xlsx"));
    if (geteuid() == 0)
        EXPECT_TRUE(std::filesystem::exists(others + "/workbook.xlsx"));
    else
        std::printf("not checked with another user's folder: making one needs root\n");
}
#endif
