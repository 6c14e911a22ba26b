#include "data/OutputBatch.h"
#include "data/FileSystem.h"
#include "data/SafeFileWriter.h"
#include "tests/data/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

// A link planted under the temporary file's name, in a folder others can
// write to, is never followed: the file it points to keeps its bytes.
TEST(OutputBatch, TheTemporaryFileIsCreatedExclusively)
{
    ScratchFolder dir;
    WriteBytes(dir.File("victim"), "precious");
    fs::create_symlink(dir.File("victim"), dir.File("planted"));
    WriteBytes(dir.File("taken"), "someone else's");
    for (const char* name : {"planted", "taken"}) {
        const SystemResult created = CreateFileExclusively(dir.File(name), "staged bytes", "");
        EXPECT_FALSE(created.ok()) << name;
        EXPECT_TRUE(created.nameTaken) << name;
    }
    EXPECT_EQ(ReadBytes(dir.File("victim")), "precious");
    EXPECT_EQ(ReadBytes(dir.File("taken")), "someone else's");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.File("planted"))));
}

// When the second of two renames fails, the first has already replaced its
// file: the outcome says so, and nothing staged is left behind.
TEST(OutputBatch, AFailedSecondCommitNamesTheOutputAlreadyWritten)
{
    ScratchFolder dir;
    const std::string first = dir.File("first.csv"), second = dir.File("second.kav");
    WriteBytes(first, "old csv");
    OutputBatch batch;
    ASSERT_TRUE(batch.Stage(first, "new csv").ok());
    ASSERT_TRUE(batch.Stage(second, "new document").ok());
    // Something takes the second name between staging and the commit.
    fs::create_directory(second);

    const OutputBatch::CommitOutcome outcome = batch.CommitAll();
    EXPECT_FALSE(outcome.failure.ok());
    EXPECT_EQ(outcome.failure.path, second);
    EXPECT_FALSE(outcome.failure.reason.empty());
    EXPECT_EQ(outcome.committed, std::vector<std::string>{first});
    EXPECT_EQ(ReadBytes(first), "new csv");
    EXPECT_TRUE(fs::is_directory(second));
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"first.csv", "second.kav"}));
}

#if defined(__unix__) || defined(__APPLE__)
// A write-protected file is refused and kept, although its folder would let
// a rename replace it. An administrator may write to any file, so there the
// save runs in a child process as an ordinary user.
TEST(OutputBatch, AWriteProtectedTargetIsRefusedAndKept)
{
    ScratchFolder dir;
    const std::string path = dir.File("kept.csv");
    WriteBytes(path, "earlier\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    ASSERT_EQ(chmod(dir.Path().c_str(), 0777), 0);
    const auto refused = [&path] {
        return WriteFileSafely(path, "new\r\n").status == WriteResult::Status::CannotOpen;
    };
    if (geteuid() != 0) {
        EXPECT_TRUE(refused());
    } else {
        const uid_t nobody = 65534;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            _exit(setgid(nobody) == 0 && setuid(nobody) == 0 ? (refused() ? 0 : 1) : 2);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 0); // 1: not refused; 2: could not become an ordinary user
    }
    EXPECT_EQ(ReadBytes(path), "earlier\r\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"kept.csv"});
}
#endif
