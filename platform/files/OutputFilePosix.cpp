// Writing on Linux, macOS and the BSDs: relative to the target's folder
// (openat, renameat), with a file that has no name until it is complete on
// Linux (O_TMPFILE, linkat) and a hidden temporary name elsewhere.
#include "platform/files/OutputFile.h"
#include "platform/files/PosixFiles.h"
#include "platform/files/TemporaryNamesPosix.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>

namespace {
// Fresh temporary names to try before giving up: only a folder crowded with
// files of this pattern, or someone planting them as fast as they are drawn,
// takes them all.
constexpr int TemporaryNameTries = 16;

// Hidden, short, and drawn at random so that nobody can plant a file or
// link under it ahead of time. Relative to the target's folder: any target
// the system can name, however long its path, has room for it.
std::string TemporaryNameOf()
{
    static std::mt19937_64 generator{std::random_device{}()};
    return ".kav-" + std::to_string(generator()) + ".tmp";
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

#ifdef O_TMPFILE
// A file made with O_TMPFILE is given its name through /proc.
bool CanNameUnnamedFiles()
{
    static const bool can = access("/proc/self/fd", X_OK) == 0;
    return can;
}

std::string ProcPathOf(int fd)
{
    return "/proc/self/fd/" + std::to_string(fd);
}
#endif
} // namespace

struct OutputFile::Place
{
    ~Place()
    {
        if (target >= 0)
            close(target);
        if (staged >= 0)
            close(staged);
        named.Remove();
    }

    FolderEntry entry;
    int target = -1;     // the regular file opened through the path, or the device or pipe
    int staged = -1;     // the new file
    TemporaryName named; // the new file's name, where it has one before the commit
};

OutputFile::OutputFile() = default;
OutputFile::~OutputFile() = default;

IoResult OutputFile::Open(const std::string& path, WriteRule rule)
{
    m_Place = std::make_unique<Place>();
    FolderEntry& entry = m_Place->entry;
    const IoResult found = FindEntry(path, entry);
    if (!found.ok())
        return found;
    if (Replaces()) {
        // The new file is made, named and flushed in the folder itself.
        const int folder = openat(entry.folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder < 0)
            return Failure(errno);
        close(entry.folder);
        entry.folder = folder;
    }
    if (!entry.found)
        return {};
    const PathTarget::Type type = TypeOf(entry.status.st_mode);
    const bool special = type == PathTarget::Type::Pipe || type == PathTarget::Type::Device;
    if (type != PathTarget::Type::Regular && (!special || rule == WriteRule::RegularOnly))
        return NotAFile(type);
    // Opening without truncating changes nothing; it honours a write
    // protection that a rename over the file would ignore, and O_NONBLOCK
    // makes a pipe without a reader fail at once rather than wait for one.
    // A regular file was reached without links at its name; a device or a
    // pipe may lie behind links that only the system can follow.
    const int follow = type == PathTarget::Type::Regular ? O_NOFOLLOW : 0;
    m_Place->target =
        openat(entry.folder, entry.name.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC | follow);
    if (m_Place->target < 0) {
        if (errno == ENXIO && type == PathTarget::Type::Pipe)
            return IoRefusal(IoStatus::NoReader, "no process reads the pipe");
        return Failure(errno);
    }
    struct stat opened;
    if (fstat(m_Place->target, &opened) != 0)
        return Failure(errno);
    if (!SameFile(opened, entry.status))
        return IoRefusal(IoStatus::Failed, "it was replaced while being opened");
    fcntl(m_Place->target, F_SETFL, fcntl(m_Place->target, F_GETFL) & ~O_NONBLOCK);
    return {};
}

bool OutputFile::Replaces() const
{
    return !m_Place->entry.found || S_ISREG(m_Place->entry.status.st_mode);
}

IoResult OutputFile::Stage(const std::string& bytes)
{
    Place& place = *m_Place;
    const int folder = place.entry.folder;
#ifdef O_TMPFILE
    if (CanNameUnnamedFiles())
        place.staged = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#endif
    // Where the system or the file system has no unnamed files, a hidden name.
    for (int attempt = 0; place.staged < 0 && attempt < TemporaryNameTries; ++attempt) {
        place.staged = place.named.Create(folder, TemporaryNameOf());
        if (place.staged < 0 && errno != EEXIST)
            break;
    }
    if (place.staged < 0)
        return Failure(errno);

    IoResult result = WriteAll(place.staged, bytes);
    // A replaced file keeps its permissions and, where this user may give
    // it, its owner, as it would when written in place.
    if (result.ok() && place.entry.found) {
        const struct stat& old = place.entry.status;
        if (fchmod(place.staged, old.st_mode & 0777) != 0 ||
            ((old.st_uid != geteuid() || old.st_gid != getegid()) &&
             fchown(place.staged, old.st_uid, old.st_gid) != 0 && errno != EPERM))
            result = Failure(errno);
    }
    if (result.ok() && fsync(place.staged) != 0)
        result = Failure(errno);
    if (!result.ok())
        Discard();
    return result;
}

IoResult OutputFile::Commit()
{
    Place& place = *m_Place;
    const int folder = place.entry.folder;
    const std::string& name = place.entry.name;
    // Only what Open examined is replaced: a device or anything else put in
    // its place since stays.
    struct stat now;
    const bool taken = fstatat(folder, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    if (taken != place.entry.found || (taken && !SameFile(now, place.entry.status))) {
        Discard();
        return IoRefusal(IoStatus::NameTaken, "something else took its name while it was being written");
    }
#ifdef O_TMPFILE
    if (!place.named.Named()) {
        // A new file appears under its name whole, in one step. Replacing
        // an existing one takes a hidden name for the moment between.
        const std::string unnamed = ProcPathOf(place.staged);
        if (!taken) {
            if (linkat(AT_FDCWD, unnamed.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) != 0) {
                const IoResult failed = Failure(errno);
                Discard();
                return failed;
            }
        } else {
            int linked = -1;
            for (int attempt = 0; linked != 0 && attempt < TemporaryNameTries; ++attempt)
                if ((linked = place.named.Link(unnamed, folder, TemporaryNameOf())) != 0 && errno != EEXIST)
                    break;
            if (linked != 0) {
                const IoResult failed = Failure(errno);
                Discard();
                return failed;
            }
        }
    }
#endif
    if (place.named.Named() && place.named.MoveTo(name) != 0) {
        const IoResult failed = Failure(errno);
        Discard();
        return failed;
    }
    close(place.staged);
    place.staged = -1;
    // The new name is durable only once the folder is; some file systems
    // cannot flush a folder (EINVAL), and the file is on the disk already.
    if (fsync(folder) != 0 && errno != EINVAL)
        return Failure(errno);
    return {};
}

void OutputFile::Discard()
{
    if (!m_Place)
        return;
    if (m_Place->staged >= 0)
        close(m_Place->staged);
    m_Place->staged = -1;
    m_Place->named.Remove();
}

IoResult OutputFile::WriteThrough(const std::string& bytes)
{
    return WriteAll(m_Place->target, bytes);
}

IoResult OutputFile::Append(const std::string& bytes)
{
    Place& place = *m_Place;
    if (place.target < 0) {
        // Made where the links led; O_NOFOLLOW, since a link put under the
        // name meanwhile was never examined.
        place.target = openat(place.entry.folder, place.entry.name.c_str(),
                              O_WRONLY | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0666);
        struct stat made;
        if (place.target < 0)
            return Failure(errno);
        if (fstat(place.target, &made) != 0)
            return Failure(errno);
        if (!S_ISREG(made.st_mode))
            return NotAFile(TypeOf(made.st_mode));
    }
    if (fcntl(place.target, F_SETFL, O_APPEND) != 0)
        return Failure(errno);
    return WriteAll(place.target, bytes);
}
