#include "data/LossTableColumns.h"
#include "data/NewRecords.h"
#include "workbook/JobWorkbook.h"
#include "workbook/PrivateFolder.h"
#include "workbook/RecordSheets.h"
#include "workbook/Workbook.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

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
// are the safe write and the working files, and the colours of a job's
// results, whose sheet joins those of its runs.

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

// Two runs of a record each, against fixed limits of 2.0 dB at 1310 and 1.5
// at 1550 nm with a band of 0.3: the first's 1310 A->B of 1.8 warns (0.2),
// the second's 1550 B->A of 1.6 fails (-0.1); every other loss of 1.0
// passes, and a pass is not coloured. The second run's rows follow the
// first's two, with its own verdicts.
TEST(Workbook, AJobsResultsColourEachRunsLossesByItsOwnVerdicts)
{
    TestLimits limits;
    limits.method = LimitMethod::Fixed;
    limits.fixed = {{1310, Figure("2.0")}, {1550, Figure("1.5")}};
    limits.warningBand = Figure("0.3");
    const int32_t waveLengths[3] = {1310, 1490, 1550};
    const auto run = [&](const std::string& fiber, float lossAB1310, float lossBA1550) {
        KavTriples values{};
        for (int i = 0; i < 3; ++i)
            values.LossAB[i] = values.LossBA[i] = 1.0f;
        values.LossAB[0] = lossAB1310;
        values.LossBA[2] = lossBA1550;
        CDataStore store;
        store.ReplaceLossTests(std::vector<KavRecord2>{
            NewKavRecord2("C1", fiber, waveLengths, values, "2026-03-10", "08:00:00")});
        return store;
    };
    const CDataStore first = run("F1", 1.8f, 1.0f), second = run("F2", 1.0f, 1.6f);
    const LossTestVerdicts firstVerdicts = CertifyLossTests(first, limits);
    const LossTestVerdicts secondVerdicts = CertifyLossTests(second, limits);
    std::vector<SheetTable> parts;
    parts.push_back(LossTestSheet(first, firstVerdicts, limits));
    parts.push_back(LossTestSheet(second, secondVerdicts, limits));
    const SheetTable joined = JoinedSheet("Results", std::move(parts));
    ASSERT_EQ(joined.rowCount, 4u);

    const ShownLossColumns columns = LossColumnsShown(false);
    const auto ab = static_cast<size_t>(ColumnOf(columns, KavColumn::LossAB));
    const auto ba = static_cast<size_t>(ColumnOf(columns, KavColumn::LossBA));
    const auto wave = static_cast<size_t>(ColumnOf(columns, KavColumn::WaveLength));
    const std::optional<uint32_t> none, amber = VerdictFill(Verdict::Warning),
                                        red = VerdictFill(Verdict::Fail);
    const struct
    {
        size_t row, column;
        std::optional<uint32_t> fill;
    } cells[] = {{0, ab, amber}, {0, ba, none}, {1, ab, none}, {1, ba, none},  {2, ab, none},
                 {2, ba, none},  {3, ab, none}, {3, ba, red},  {3, wave, none}};
    std::vector<SheetCell> row(columns.size());
    for (const auto& cell : cells) {
        joined.fillRow(cell.row, row);
        EXPECT_EQ(row[cell.column].fill, cell.fill) << cell.row << " " << cell.column;
    }
}

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
    // Its progress is told the rows of its one sheet; stopped, it leaves nothing.
    std::vector<std::pair<size_t, size_t>> told;
    const auto keepOn = [&told](size_t done, size_t total) {
        told.emplace_back(done, total);
        return true;
    };
    EXPECT_TRUE(WorkbookBytes(store, RecordKind::Orl, {"orl.bin", {}}, keepOn).bytes);
    EXPECT_EQ(told, (std::vector<std::pair<size_t, size_t>>{{0, 3}, {3, 3}}));
    const WorkbookOutcome stopped =
        WorkbookBytes(store, RecordKind::Orl, {"orl.bin", {}}, [](size_t, size_t) { return false; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.bytes);
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
