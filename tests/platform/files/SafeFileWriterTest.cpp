#include "platform/files/SafeFileWriter.h"
#include "platform/files/FileBytes.h"
#include "tests/support/FullDisk.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

// The safe save as the user meets it on each system: the earlier file is
// replaced whole, or kept whole, and no temporary file stays behind.

namespace {
namespace fs = std::filesystem;

std::string Utf8File(const ScratchFolder& dir, const char* name)
{
    return (fs::path(dir.Path()) / fs::u8path(name)).u8string();
}

std::string ReadBack(const std::string& path)
{
    const FileBytes file = ReadFileBytes(path, 1 << 20);
    EXPECT_TRUE(file.ok()) << path << ": " << file.reason;
    return std::string(file.bytes.begin(), file.bytes.end());
}
} // namespace

// A write that fails keeps the earlier file byte for byte and leaves no
// temporary file: a disk that fills up, or (on Windows) a file that another
// program opens while it is being written.
TEST(SafeFileWriter, AFailedWriteKeepsTheEarlierFile)
{
    ScratchFolder dir;
    const std::string path = dir.File("results.csv");
    WriteBytes(path, "earlier\r\n");
    const std::string bytes(100000, 'x');
    WriteResult result;
#ifdef _WIN32
    StagedFile file;
    {
        // Held open already: refused while staging, before anything is
        // written, so that a run's other outputs are not committed either.
        std::ifstream held(path, std::ios::binary);
        ASSERT_TRUE(held.is_open());
        EXPECT_EQ(file.Stage(path, bytes).status, IoStatus::NoAccess);
    }
    ASSERT_TRUE(file.Stage(path, bytes).ok());
    {
        std::ifstream held(path, std::ios::binary);
        ASSERT_TRUE(held.is_open());
        result = file.Commit();
    }
#else
    {
        FullDisk full(64);
        result = WriteFileSafely(path, bytes);
    }
#endif
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadBack(path), "earlier\r\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"results.csv"});
}

// A write-protected file is refused and kept, although its folder would let
// a rename replace it. An administrator may write to any file, so there the
// save runs in a child process as an ordinary user.
TEST(SafeFileWriter, AReadOnlyFileIsRefused)
{
    ScratchFolder dir;
    const std::string path = dir.File("results.csv");
    WriteBytes(path, "protected\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto refused = [&path] { return WriteFileSafely(path, "new\r\n").status == IoStatus::NoAccess; };
#ifdef _WIN32
    EXPECT_TRUE(refused());
#else
    fs::permissions(dir.Path(), fs::perms::all);
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
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 0); // 1: not refused; 2: could not become an ordinary user
    }
#endif
    EXPECT_EQ(ReadBack(path), "protected\r\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"results.csv"});
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

// An existing file is replaced whole, also by shorter contents. Names are
// UTF-8 on every system; Windows takes them as UTF-16.
TEST(SafeFileWriter, AnExistingFileIsReplacedWholeUnderAnyName)
{
    ScratchFolder dir;
    const char* name = u8"Messung Größe 測定 ½.csv";
    const std::string path = Utf8File(dir, name);
    ASSERT_TRUE(WriteFileSafely(path, "earlier contents, longer than the new ones\r\n").ok());
    const WriteResult replaced = WriteFileSafely(path, "new\r\n");
    ASSERT_TRUE(replaced.ok()) << replaced.reason;
    EXPECT_EQ(replaced.path, path);
    EXPECT_EQ(ReadBack(path), "new\r\n");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::u8path(dir.Path())))
        names.push_back(entry.path().filename().u8string());
    EXPECT_EQ(names, std::vector<std::string>{name});
}

// The null device takes an output the user named, and is left alone by the
// files the program keeps for itself.
TEST(SafeFileWriter, ADeviceIsWrittenOnlyWhereTheUserNamedIt)
{
#ifdef _WIN32
    const std::string device = "NUL";
#else
    const std::string device = "/dev/null";
#endif
    EXPECT_TRUE(WriteFileSafely(device, "bytes").ok());
    EXPECT_EQ(WriteFileSafely(device, "bytes", WriteRule::RegularOnly).status, IoStatus::NotAFile);
    EXPECT_EQ(AppendToFile(device, "log line").status, IoStatus::NotAFile);
}

// A file is read whole up to the reader's limit, over several reads of the
// system, and the reader learns whether more follows the limit.
TEST(FileReading, UpToTheLimitAndWhetherMoreFollows)
{
    ScratchFolder dir;
    const std::string path = dir.File("large.bin");
    std::string bytes(150000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    WriteBytes(path, bytes);
    for (const size_t limit : {size_t{0}, size_t{149999}, bytes.size(), bytes.size() + 1}) {
        const FileBytes file = ReadFileBytes(path, limit);
        ASSERT_TRUE(file.ok()) << limit << ": " << file.reason;
        const size_t kept = std::min(limit, bytes.size());
        EXPECT_EQ(std::string(file.bytes.begin(), file.bytes.end()), bytes.substr(0, kept)) << limit;
        EXPECT_EQ(file.overLimit, bytes.size() > limit) << limit;
    }
}
