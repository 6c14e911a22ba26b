#include "link/LogPath.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

#ifdef _WIN32
TEST(LinkLogPath, TheLogIsInTheFolderOrAtTheRootOfDriveC)
{
    EXPECT_EQ(LogPathInFolder("logs"), "logs\\COMData.txt");
    EXPECT_EQ(DefaultLogPath(), "C:\\COMData.txt");
}
#else
// A folder gets a separator and the log's name, even a root that has one.
TEST(LinkLogPath, TheLogIsInTheFolderOrInTheHomeFolderOrAtTheRoot)
{
    EXPECT_EQ(LogPathInFolder("logs"), "logs/COMData.txt");
    EXPECT_EQ(LogPathInFolder("/"), "//COMData.txt");

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
