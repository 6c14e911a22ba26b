#include "workbook/PrivateFolder.h"
#include "workbook/Workbook.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#if defined(__unix__) || defined(__APPLE__)
#include "tests/support/FullDisk.h"
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
    for (int i = 0; i < count; ++i)
        store.AddOrlRecord("CAB-01", "F001", "1550nm", "45.32dB", "2026-03-10", "08:00:00");
    return store;
}
} // namespace

TEST(Workbook, WorkingFilesStayPrivateAndGoWithTheFolder)
{
    ScratchFolder dir;
    const TemporaryFolderIn temporary(dir.File("tmp"));
    std::string path;
    {
        const PrivateFolder folder;
        ASSERT_TRUE(folder.Made()) << folder.Reason();
        path = folder.Path();
        EXPECT_EQ(std::filesystem::path(path).parent_path(), std::filesystem::path(dir.File("tmp")));
        EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_all);
        WriteBytes(folder.PathOf("left"), "behind");
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
    EXPECT_EQ(result.status, IoStatus::Failed);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadBytes(path), "earlier workbook");
    EXPECT_TRUE(temporary.Empty());
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"results.xlsx", "tmp"}));
    ASSERT_TRUE(ExportWorkbook(path, store, RecordKind::Orl, {"orl.bin", {}}).ok());
    EXPECT_EQ(ReadBytes(path).substr(0, 2), "PK");
}
#endif
