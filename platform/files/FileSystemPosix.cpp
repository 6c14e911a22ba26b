// The file layer on Linux, macOS and the BSDs: examining paths and streams,
// and reading without blocking.
#include "platform/files/FileBytes.h"
#include "platform/files/FileSystem.h"
#include "platform/files/PosixFiles.h"
#include "platform/files/ReadToEnd.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {
// A read that a signal interrupted is tried again.
ReadSome ReadOf(int fd)
{
    return [fd](char* buffer, size_t wanted) {
        for (;;) {
            const ssize_t got = read(fd, buffer, wanted);
            if (got >= 0)
                return ReadPiece{static_cast<size_t>(got), {}};
            if (errno != EINTR)
                return ReadPiece{0, Failure(errno)};
        }
    };
}
} // namespace

PathTarget ExaminePath(const std::string& path)
{
    PathTarget target;
    FolderEntry entry;
    target.problem = FindEntry(path, entry);
    if (!target.problem.ok())
        return target;
    if (entry.found) {
        target.type = TypeOf(entry.status.st_mode);
        target.identity = IdentityOf(entry.status);
        return target;
    }
    struct stat folder;
    if (fstat(entry.folder, &folder) != 0)
        target.problem = Failure(errno);
    else
        target.identity = IdentityOf(folder) + "/" + entry.name;
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

IoResult WriteStandardOutput(const std::string& bytes)
{
    // A reader that has gone ends the program by SIGPIPE, as in any pipeline.
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
        return Failure(errno != 0 ? errno : EIO);
    return {};
}

FileBytes ReadFileBytes(const std::string& path, size_t limit)
{
    // Reached as a write reaches its target, so that a file read through a
    // link planted in a shared folder is refused as one written there.
    FolderEntry entry;
    const IoResult found = FindEntry(path, entry);
    if (!found.ok())
        return FileBytes{found};
    if (!entry.found)
        return FileBytes{Failure(ENOENT)};
    // Refused before it is opened: opening a device can have effects of its own.
    if (!S_ISREG(entry.status.st_mode))
        return FileBytes{NotAFile(TypeOf(entry.status.st_mode))};
    // O_NONBLOCK: a pipe put in the file's place since is not waited for.
    const int fd =
        openat(entry.folder, entry.name.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return FileBytes{Failure(errno)};
    struct stat status;
    const IoResult refused = fstat(fd, &status) != 0    ? Failure(errno)
                             : !S_ISREG(status.st_mode) ? NotAFile(TypeOf(status.st_mode))
                                                        : IoResult{};
    if (!refused.ok()) {
        close(fd);
        return FileBytes{refused};
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FileBytes result;
    const auto size = static_cast<size_t>(status.st_size);
    result.bytes.reserve(size < limit ? size : limit);
    ReadToEnd(result, limit, ReadOf(fd));
    close(fd);
    return result;
}

FileBytes ReadStandardInput(size_t limit)
{
    FileBytes result;
    ReadToEnd(result, limit, ReadOf(STDIN_FILENO));
    return result;
}

void KeepRunningAtFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

StandardErrorSilenced::StandardErrorSilenced() : m_Saved(-1)
{
    std::fflush(stderr);
    const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere < 0)
        return;
    m_Saved = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (m_Saved >= 0 && dup2(nowhere, STDERR_FILENO) < 0) {
        close(m_Saved);
        m_Saved = -1;
    }
    close(nowhere);
}

StandardErrorSilenced::~StandardErrorSilenced()
{
    if (m_Saved < 0)
        return;
    std::fflush(stderr);
    dup2(m_Saved, STDERR_FILENO);
    close(m_Saved);
}
