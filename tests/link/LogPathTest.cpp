#include "LogPath.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

namespace {
#ifdef _WIN32
const std::string Separator = "\\";
#else
const std::string Separator = "/";
#endif
} // namespace

TEST(LinkLogPath, FolderGetsTheSeparatorAndTheLogName)
{
    EXPECT_EQ(LogPathInFolder("logs"), "logs" + Separator + "COMData.txt");
    // A root keeps its own separator and gets one more, which still opens.
    EXPECT_EQ(LogPathInFolder(Separator), Separator + Separator + "COMData.txt");
}

#ifdef _WIN32
TEST(LinkLogPath, DefaultIsAtTheRootOfDriveC)
{
    EXPECT_EQ(DefaultLogPath(), "C:\\COMData.txt");
}
#else
TEST(LinkLogPath, DefaultIsInTheHomeFolderOrAtTheRootWithoutOne)
{
    const char* home = std::getenv("HOME");
    const std::optional<std::string> saved = home ? std::optional<std::string>(home) : std::nullopt;

    setenv("HOME", "/home/tester/", 1);
    EXPECT_EQ(DefaultLogPath(), "/home/tester/COMData.txt");
    unsetenv("HOME");
    EXPECT_EQ(DefaultLogPath(), "//COMData.txt");

    if (saved)
        setenv("HOME", saved->c_str(), 1);
}
#endif
