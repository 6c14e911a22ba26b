#include "data/OutputBatch.h"
#include "tests/data/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

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
