#include "platform/files/PosixFiles.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <deque>

namespace {
// Links followed on one path before giving up, as Linux does.
constexpr int MaxLinks = 40;

// A folder on the way, held only to go on from it: searching it needs no
// permission to list it, and a link under its name is never followed.
#ifdef O_PATH
constexpr int WayOpen = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
#else
constexpr int WayOpen = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
#endif

// Puts the names of `path` before those still to walk and, for an absolute
// path, starts again from the root; "" and "." name the folder they are in.
// False (errno) when the root cannot be opened.
bool PutNamesFirst(const std::string& path, std::deque<std::string>& names, int& folder)
{
    std::deque<std::string> first;
    for (size_t start = 0; start < path.size();) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start && path.compare(start, end - start, ".") != 0)
            first.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    names.insert(names.begin(), first.begin(), first.end());
    if (path.empty() || path[0] != '/')
        return true;
    const int root = open("/", WayOpen);
    if (root < 0)
        return false;
    if (folder >= 0)
        close(folder);
    folder = root;
    return true;
}

// The system's rule for following a link in a shared folder (Linux's
// fs.protected_symlinks): in a sticky folder that everyone may write to,
// only a link of this user's or of the folder's owner is followed.
bool PlantedByAnother(const struct stat& folder, const struct stat& link)
{
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return shared && link.st_uid != geteuid() && link.st_uid != folder.st_uid;
}

// A write to a pipe whose reader has gone raises SIGPIPE, which would end the
// process; blocked for the write, a pending one is taken back afterwards.
class PipeSignalHeld
{
public:
    PipeSignalHeld()
    {
        sigemptyset(&m_Pipe);
        sigaddset(&m_Pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_Pipe, &m_Saved);
    }
    ~PipeSignalHeld()
    {
        sigset_t pending;
        int taken;
        if (sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1)
            sigwait(&m_Pipe, &taken);
        pthread_sigmask(SIG_SETMASK, &m_Saved, nullptr);
    }
    PipeSignalHeld(const PipeSignalHeld&) = delete;
    PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;

private:
    sigset_t m_Pipe, m_Saved;
};
} // namespace

IoResult Failure(int error)
{
    return IoFailure({error, std::system_category()});
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

IoResult WriteAll(int fd, const std::string& bytes)
{
    const PipeSignalHeld held;
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

void CloseKeepingFirstError(int fd, IoResult& result)
{
    if (close(fd) != 0 && result.ok())
        result = Failure(errno);
}

FolderEntry::~FolderEntry()
{
    if (folder >= 0)
        close(folder);
}

IoResult FindEntry(const std::string& path, FolderEntry& entry)
{
    // A path that ends in a folder names no file in one.
    const std::string last = path.substr(path.rfind('/') + 1);
    if (path.empty())
        return Failure(ENOENT);
    if (last.empty() || last == "." || last == "..")
        return Failure(EISDIR);
    std::deque<std::string> names;
    entry.folder = open(".", WayOpen);
    if (entry.folder < 0 || !PutNamesFirst(path, names, entry.folder))
        return Failure(errno);
    struct stat followed; // what the system finds at the end of the links
    bool regularAtEnd = false;
    int links = 0;
    while (!names.empty()) {
        entry.name = names.front();
        names.pop_front();
        const bool atEnd = names.empty();
        struct stat found;
        if (fstatat(entry.folder, entry.name.c_str(), &found, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT || !atEnd)
                return Failure(errno);
            entry.found = false;
            return {};
        }
        if (!S_ISLNK(found.st_mode)) {
            if (atEnd) {
                if (regularAtEnd && (found.st_dev != followed.st_dev || found.st_ino != followed.st_ino))
                    return IoRefusal(IoStatus::Failed, "its links changed while they were followed");
                entry.found = true;
                entry.status = found;
                return {};
            }
            const int next = openat(entry.folder, entry.name.c_str(), WayOpen);
            if (next < 0)
                return Failure(errno);
            close(entry.folder);
            entry.folder = next;
            continue;
        }
        // Every link on the way, not only the last, under the system's
        // rule for shared folders.
        struct stat holder;
        if (fstat(entry.folder, &holder) != 0)
            return Failure(errno);
        if (PlantedByAnother(holder, found))
            return IoRefusal(IoStatus::NoAccess,
                             "a link that another user made in a shared folder, not followed");
        if (++links > MaxLinks)
            return Failure(ELOOP);
        if (atEnd && !regularAtEnd) {
            // The system says first what the links lead to. Only a regular
            // file, or none, needs the folder that holds it; a device or a
            // pipe is what it is (also behind links that exist only for
            // the system, such as /dev/stdout's).
            if (fstatat(entry.folder, entry.name.c_str(), &followed, 0) == 0) {
                if (!S_ISREG(followed.st_mode)) {
                    entry.found = true;
                    entry.status = followed;
                    return {};
                }
                regularAtEnd = true;
            } else if (errno != ENOENT) {
                return Failure(errno);
            }
        }
        std::string linked(static_cast<size_t>(found.st_size) + 256, '\0');
        const ssize_t length = readlinkat(entry.folder, entry.name.c_str(), linked.data(), linked.size());
        if (length < 0)
            return Failure(errno);
        linked.resize(static_cast<size_t>(length));
        if (linked.empty())
            return Failure(ENOENT);
        // The link's target is read relative to the link's own folder.
        if (!PutNamesFirst(linked, names, entry.folder))
            return Failure(errno);
    }
    return Failure(EISDIR);
}
