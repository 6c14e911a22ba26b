#include "platform/files/TemporaryNamesPosix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace {
constexpr int EndingSignals[] = {SIGTERM, SIGINT, SIGHUP};
// More temporary files than any run writes at once (kav-convert's three
// outputs); a name beyond them is still removed on every other way out.
constexpr int SlotCount = 16;
constexpr size_t NameSize = 64;

// What the handler reads: a folder of -1 marks a free slot. A slot is filled
// and emptied only while the ending signals are held back.
struct Slot
{
    std::atomic<int> folder{-1};
    char name[NameSize] = {};
    bool isFolder = false;
};
Slot g_Slots[SlotCount];
struct sigaction g_Earlier[sizeof EndingSignals / sizeof EndingSignals[0]];

#ifdef __linux__
// The files a library made in a private folder under names of its own, for
// the moment before it removes them, listed by the system call itself (one
// a signal handler may make).
void RemoveFilesIn(int parent, const char* name)
{
    const int folder = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return;
    alignas(dirent64) char entries[4096];
    for (long got; (got = syscall(SYS_getdents64, folder, entries, sizeof entries)) > 0;)
        for (long at = 0; at < got;) {
            const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
            unlinkat(folder, entry->d_name, 0); // "." and ".." stay
            at += entry->d_reclen;
        }
    close(folder);
}
#endif

void RemoveTemporaries(int signal)
{
    // The files, then the folders they were in.
    for (const bool folders : {false, true})
        for (Slot& slot : g_Slots) {
            const int folder = slot.folder.load();
            if (folder < 0 || slot.isFolder != folders)
                continue;
#ifdef __linux__
            if (folders)
                RemoveFilesIn(folder, slot.name);
#endif
            unlinkat(folder, slot.name, folders ? AT_REMOVEDIR : 0);
        }
    for (size_t i = 0; i < sizeof EndingSignals / sizeof EndingSignals[0]; ++i)
        if (EndingSignals[i] == signal)
            sigaction(signal, &g_Earlier[i], nullptr);
    raise(signal);
}

void CatchEndingSignals()
{
    static std::once_flag caught;
    std::call_once(caught, [] {
        for (size_t i = 0; i < sizeof EndingSignals / sizeof EndingSignals[0]; ++i) {
            sigaction(EndingSignals[i], nullptr, &g_Earlier[i]);
            if (g_Earlier[i].sa_handler == SIG_IGN)
                continue;
            struct sigaction removing = {};
            removing.sa_handler = RemoveTemporaries;
            sigemptyset(&removing.sa_mask);
            sigaction(EndingSignals[i], &removing, nullptr);
        }
    });
}

int TakeSlot(int folder, const std::string& name, bool isFolder)
{
    if (name.size() >= NameSize)
        return -1;
    for (int i = 0; i < SlotCount; ++i) {
        if (g_Slots[i].folder.load() != -1)
            continue;
        std::memcpy(g_Slots[i].name, name.c_str(), name.size() + 1);
        g_Slots[i].isFolder = isFolder;
        g_Slots[i].folder.store(folder);
        return i;
    }
    return -1;
}
} // namespace

EndingSignalsHeld::EndingSignalsHeld()
{
    sigset_t ending;
    sigemptyset(&ending);
    for (int signal : EndingSignals)
        sigaddset(&ending, signal);
    pthread_sigmask(SIG_BLOCK, &ending, &m_Saved);
}

EndingSignalsHeld::~EndingSignalsHeld()
{
    pthread_sigmask(SIG_SETMASK, &m_Saved, nullptr);
}

TemporaryName::~TemporaryName()
{
    const EndingSignalsHeld held;
    if (m_Slot >= 0)
        g_Slots[m_Slot].folder.store(-1);
}

int TemporaryName::Create(int folder, const std::string& name)
{
    CatchEndingSignals();
    const EndingSignalsHeld held;
    const int fd = openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return fd;
    Remember(folder, name, false);
    return fd;
}

int TemporaryName::Link(const std::string& unnamed, int folder, const std::string& name)
{
    CatchEndingSignals();
    const EndingSignalsHeld held;
    const int linked = linkat(AT_FDCWD, unnamed.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW);
    if (linked != 0)
        return linked;
    Remember(folder, name, false);
    return 0;
}

int TemporaryName::MakeFolder(int folder, const std::string& name)
{
    CatchEndingSignals();
    const EndingSignalsHeld held;
    // Made closed to others, whatever the process's umask leaves open.
    if (mkdirat(folder, name.c_str(), 0700) != 0)
        return -1;
    Remember(folder, name, true);
    return fchmodat(folder, name.c_str(), 0700, 0);
}

void TemporaryName::Expect(int folder, const std::string& name)
{
    CatchEndingSignals();
    const EndingSignalsHeld held;
    Remember(folder, name, false);
}

void TemporaryName::Remember(int folder, const std::string& name, bool isFolder)
{
    m_Folder = folder;
    m_Name = name;
    m_IsFolder = isFolder;
    m_Slot = TakeSlot(folder, name, isFolder);
}

int TemporaryName::MoveTo(const std::string& target)
{
    const EndingSignalsHeld held;
    const int moved = renameat(m_Folder, m_Name.c_str(), m_Folder, target.c_str());
    const int error = errno;
    if (moved == 0) {
        if (m_Slot >= 0)
            g_Slots[m_Slot].folder.store(-1);
        m_Slot = -1;
        m_Name.clear();
    }
    errno = error;
    return moved;
}

void TemporaryName::Remove()
{
    const EndingSignalsHeld held;
    if (m_Name.empty())
        return;
    unlinkat(m_Folder, m_Name.c_str(), m_IsFolder ? AT_REMOVEDIR : 0);
    if (m_Slot >= 0)
        g_Slots[m_Slot].folder.store(-1);
    m_Slot = -1;
    m_Name.clear();
}
