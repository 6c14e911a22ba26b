// The file layer on Linux, macOS and the BSDs.
#include "platform/files/FileBytes.h"
#include "platform/files/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {
// Links in a dangling chain that are followed by hand. The system has
// already walked the chain without finding a loop, so this only bounds a
// chain that changes while it is walked.
constexpr int MaxDanglingLinks = 64;

IoResult Failure(int error)
{
    return IoFailure({error, std::system_category()});
}

IoResult NotAFile(PathTarget::Type type)
{
    return IoRefusal(IoStatus::NotAFile, NotAFileReason(type));
}

PathTarget::Type TypeOf(mode_t mode)
{
    if (S_ISREG(mode))
        return PathTarget::Type::Regular;
    if (S_ISDIR(mode))
        return PathTarget::Type::Folder;
    if (S_ISFIFO(mode))
        return PathTarget::Type::Pipe;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return PathTarget::Type::Device;
    return PathTarget::Type::Other;
}

std::string IdentityOf(const struct stat& status)
{
    return std::to_string(static_cast<unsigned long long>(status.st_dev)) + ":" +
           std::to_string(static_cast<unsigned long long>(status.st_ino));
}

std::string RealPath(const std::string& path, IoResult& problem)
{
    char* real = realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        problem = Failure(errno);
        return "";
    }
    std::string result = real;
    std::free(real);
    return result;
}

// The name a dangling link chain ends in, where opening the path for
// writing would create the file.
bool EndOfLinkChain(std::string& name)
{
    namespace fs = std::filesystem;
    for (int hops = 0; hops < MaxDanglingLinks; ++hops) {
        struct stat status;
        if (lstat(name.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return true;
        std::string linked(static_cast<size_t>(status.st_size) + 256, '\0');
        const ssize_t length = readlink(name.c_str(), linked.data(), linked.size());
        if (length <= 0)
            return true;
        linked.resize(static_cast<size_t>(length));
        name = linked[0] == '/' ? linked : (fs::path(name).parent_path() / linked).string();
    }
    return false;
}

// Reads to the end or to limit; one byte more tells whether the file holds
// more than the limit.
void ReadAll(int fd, size_t limit, FileBytes& result)
{
    char chunk[65536];
    for (;;) {
        const size_t room = limit - result.bytes.size();
        const size_t wanted = room < sizeof chunk ? room : sizeof chunk;
        if (wanted == 0) {
            char extra;
            ssize_t got;
            do
                got = read(fd, &extra, 1);
            while (got < 0 && errno == EINTR);
            result.overLimit = got > 0;
            break;
        }
        const ssize_t got = read(fd, chunk, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result = FileBytes{Failure(errno)};
            return;
        }
        if (got == 0)
            break;
        result.bytes.insert(result.bytes.end(), chunk, chunk + got);
    }
}

IoResult WriteAll(int fd, const std::string& bytes)
{
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Failure(errno);
        written += static_cast<size_t>(n);
    }
    return {};
}

int CloseKeepingFirstError(int fd, IoResult& result)
{
    const int closed = close(fd);
    if (closed != 0 && result.ok())
        result = Failure(errno);
    return closed;
}
} // namespace

PathTarget ExaminePath(const std::string& path)
{
    namespace fs = std::filesystem;
    PathTarget target;
    struct stat status;
    if (stat(path.c_str(), &status) == 0) {
        target.type = TypeOf(status.st_mode);
        target.identity = IdentityOf(status);
        // Only a regular file is replaced, so only its own place matters;
        // a device or pipe is written through the path as given.
        target.file = target.type == PathTarget::Type::Regular ? RealPath(path, target.problem) : path;
        return target;
    }
    if (errno != ENOENT) {
        target.problem = Failure(errno); // a link loop gives ELOOP here
        return target;
    }
    std::string name = path;
    if (!EndOfLinkChain(name)) {
        target.problem = Failure(ELOOP);
        return target;
    }
    const fs::path chained(name);
    const std::string leaf = chained.filename().string();
    const std::string folder = chained.has_parent_path() ? chained.parent_path().string() : ".";
    struct stat folderStatus;
    if (leaf.empty() || leaf == "." || leaf == "..") {
        target.problem = Failure(EISDIR);
    } else if (stat(folder.c_str(), &folderStatus) != 0) {
        target.problem = Failure(errno);
    } else if (!S_ISDIR(folderStatus.st_mode)) {
        target.problem = Failure(ENOTDIR);
    } else {
        const std::string realFolder = RealPath(folder, target.problem);
        target.file = (fs::path(realFolder) / leaf).string();
        target.identity = IdentityOf(folderStatus) + "/" + leaf;
    }
    return target;
}

PathTarget ExamineStream(StandardStream stream)
{
    PathTarget target;
    struct stat status;
    if (fstat(stream == StandardStream::Input ? STDIN_FILENO : STDOUT_FILENO, &status) != 0) {
        target.problem = Failure(errno);
        return target;
    }
    target.type = TypeOf(status.st_mode);
    target.identity = IdentityOf(status);
    return target;
}

IoResult CheckWritable(const PathTarget& target)
{
    if (target.type == PathTarget::Type::Folder)
        return Failure(EISDIR);
    if (target.type == PathTarget::Type::Pipe) {
        if (access(target.file.c_str(), W_OK) != 0)
            return Failure(errno);
        return {};
    }
    // Opening without truncating changes nothing; it honours a write
    // protection that a rename over the file would ignore.
    const int fd = open(target.file.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failure(errno);
    close(fd);
    return {};
}

IoResult CreateFileExclusively(const std::string& path, const std::string& bytes,
                               const std::string& permissionsOf)
{
    // O_EXCL fails on any name in use, a link included, and O_NOFOLLOW makes
    // sure no link is followed on systems that would.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return Failure(errno);
    IoResult result = WriteAll(fd, bytes);
    struct stat replaced;
    if (result.ok() && !permissionsOf.empty() && stat(permissionsOf.c_str(), &replaced) == 0 &&
        fchmod(fd, replaced.st_mode & 07777) != 0)
        result = Failure(errno);
    if (result.ok() && fsync(fd) != 0)
        result = Failure(errno);
    CloseKeepingFirstError(fd, result);
    if (!result.ok())
        unlink(path.c_str());
    return result;
}

IoResult MoveIntoPlace(const std::string& from, const std::string& to)
{
    if (rename(from.c_str(), to.c_str()) != 0)
        return Failure(errno);
    // The rename is durable only once the folder holding both names is.
    const std::filesystem::path folder = std::filesystem::path(to).parent_path();
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return {};
    IoResult result;
    // Some file systems cannot flush a folder (EINVAL); the file itself is on
    // the disk already.
    if (fsync(fd) != 0 && errno != EINVAL)
        result = Failure(errno);
    close(fd);
    return result;
}

void RemoveFile(const std::string& path)
{
    unlink(path.c_str());
}

IoResult WriteInPlace(const std::string& path, const std::string& bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Failure(errno);
    IoResult result = WriteAll(fd, bytes);
    CloseKeepingFirstError(fd, result);
    return result;
}

IoResult AppendToFile(const std::string& path, const std::string& bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return Failure(errno);
    IoResult result = WriteAll(fd, bytes);
    CloseKeepingFirstError(fd, result);
    return result;
}

IoResult WriteStandardOutput(const std::string& bytes)
{
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
        return Failure(errno != 0 ? errno : EIO);
    return {};
}

FileBytes ReadFileBytes(const std::string& path, size_t limit)
{
    FileBytes result;
    struct stat status;
    // Refused before it is opened: opening a device can have effects of its own.
    if (stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        return FileBytes{NotAFile(TypeOf(status.st_mode))};
    // O_NONBLOCK: a pipe put in the file's place since is not waited for.
    const int fd = open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileBytes{Failure(errno)};
    const IoResult refused = fstat(fd, &status) != 0    ? Failure(errno)
                             : !S_ISREG(status.st_mode) ? NotAFile(TypeOf(status.st_mode))
                                                        : IoResult{};
    if (!refused.ok()) {
        close(fd);
        return FileBytes{refused};
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const auto size = static_cast<size_t>(status.st_size);
    result.bytes.reserve(size < limit ? size : limit);
    ReadAll(fd, limit, result);
    close(fd);
    return result;
}

FileBytes ReadStandardInput(size_t limit)
{
    FileBytes result;
    ReadAll(STDIN_FILENO, limit, result);
    return result;
}
