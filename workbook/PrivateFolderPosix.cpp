// The private folder on Linux, macOS and the BSDs: made and removed relative
// to the temporary folder, its names known to the handler of the ending
// signals.
#include "workbook/PrivateFolder.h"

#include "platform/files/TemporaryNamesPosix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <list>
#include <random>

namespace fs = std::filesystem;

namespace {
const char* const Prefix = "kav-workbook-";
constexpr int Attempts = 16;
// A folder of ours unchanged for this long belongs to no running program:
// one that was killed outright left it.
constexpr time_t StaleSeconds = time_t{60} * 60;
// Room for a few blocks more: what a library writing at the end of a full
// disk could not find.
constexpr size_t RoomProbeBytes = size_t{64} * 1024;

IoResult Failure(int error)
{
    return IoFailure({error, std::system_category()});
}

// Removes the files in the open folder `folder` (never a folder in it).
void RemoveFilesIn(int folder)
{
    const int listed = dup(folder);
    DIR* entries = listed >= 0 ? fdopendir(listed) : nullptr;
    if (!entries) {
        if (listed >= 0)
            close(listed);
        return;
    }
    while (const dirent* entry = readdir(entries))
        unlinkat(folder, entry->d_name, 0);
    closedir(entries);
}

// The folders of ours in `base` that a killed program left: this user's,
// named as ours, unchanged for an hour. Their files go, then they.
void RemoveStaleFolders(int base)
{
    const int listed = dup(base);
    DIR* entries = listed >= 0 ? fdopendir(listed) : nullptr;
    if (!entries) {
        if (listed >= 0)
            close(listed);
        return;
    }
    const time_t now = std::time(nullptr);
    while (const dirent* entry = readdir(entries)) {
        const std::string name = entry->d_name;
        struct stat status;
        if (name.rfind(Prefix, 0) != 0 || fstatat(base, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISDIR(status.st_mode) || status.st_uid != geteuid() || now - status.st_mtime < StaleSeconds)
            continue;
        const int stale = openat(base, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (stale < 0)
            continue;
        RemoveFilesIn(stale);
        close(stale);
        unlinkat(base, name.c_str(), AT_REMOVEDIR);
    }
    closedir(entries);
}
} // namespace

struct PrivateFolder::Place
{
    ~Place()
    {
        for (TemporaryName& file : files)
            file.Remove();
        if (inside >= 0) {
            // Working files the library left under names of its own.
            RemoveFilesIn(inside);
            close(inside);
        }
        folder.Remove();
        if (base >= 0)
            close(base);
    }

    int base = -1;   // the system's temporary folder
    int inside = -1; // the private folder
    TemporaryName folder;
    std::list<TemporaryName> files; // the names the handler knows, kept in place
};

PrivateFolder::PrivateFolder() : m_Place(std::make_unique<Place>())
{
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) {
        m_Reason = "no temporary folder: " + error.message();
        return;
    }
    Place& place = *m_Place;
    place.base = open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (place.base < 0) {
        m_Reason = "cannot open the temporary folder " + base.u8string() + ": " + Failure(errno).reason;
        return;
    }
    RemoveStaleFolders(place.base);
    std::random_device device;
    std::mt19937_64 names(static_cast<uint64_t>(device()) << 32 | device());
    int made = -1;
    for (int attempt = 0; attempt < Attempts && made != 0; ++attempt) {
        const std::string name = Prefix + std::to_string(names());
        made = place.folder.MakeFolder(place.base, name);
        if (made == 0 && (place.inside = openat(place.base, name.c_str(),
                                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)) >= 0) {
            m_Path = (base / name).u8string();
            return;
        }
        if (errno != EEXIST)
            break;
    }
    m_Reason = "cannot make a temporary folder in " + base.u8string() + ": " +
               (errno == EEXIST ? std::string("every name tried is taken") : Failure(errno).reason);
}

PrivateFolder::~PrivateFolder() = default;

std::string PrivateFolder::ExpectFile(const std::string& name)
{
    m_Place->files.emplace_back().Expect(m_Place->inside, name);
    return (fs::u8path(m_Path) / fs::u8path(name)).u8string();
}

IoResult PrivateFolder::Room()
{
    TemporaryName probe;
    const int fd = probe.Create(m_Place->inside, "room");
    if (fd < 0)
        return Failure(errno);
    const std::string bytes(RoomProbeBytes, '\0');
    IoResult room;
    for (size_t written = 0; written < bytes.size() && room.ok();) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno != EINTR)
            room = Failure(errno);
        else if (n > 0)
            written += static_cast<size_t>(n);
    }
    close(fd);
    probe.Remove();
    return room;
}
