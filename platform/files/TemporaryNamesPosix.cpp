#include "platform/files/TemporaryNamesPosix.h"

#include <fcntl.h>
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
};
Slot g_Slots[SlotCount];
struct sigaction g_Earlier[sizeof EndingSignals / sizeof EndingSignals[0]];

void RemoveTemporaries(int signal)
{
    for (Slot& slot : g_Slots) {
        const int folder = slot.folder.load();
        if (folder >= 0)
            unlinkat(folder, slot.name, 0);
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

int TakeSlot(int folder, const std::string& name)
{
    if (name.size() >= NameSize)
        return -1;
    for (int i = 0; i < SlotCount; ++i) {
        if (g_Slots[i].folder.load() != -1)
            continue;
        std::memcpy(g_Slots[i].name, name.c_str(), name.size() + 1);
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
    m_Folder = folder;
    m_Name = name;
    m_Slot = TakeSlot(folder, name);
    return fd;
}

int TemporaryName::Link(const std::string& unnamed, int folder, const std::string& name)
{
    CatchEndingSignals();
    const EndingSignalsHeld held;
    const int linked = linkat(AT_FDCWD, unnamed.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW);
    if (linked != 0)
        return linked;
    m_Folder = folder;
    m_Name = name;
    m_Slot = TakeSlot(folder, name);
    return 0;
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
    unlinkat(m_Folder, m_Name.c_str(), 0);
    if (m_Slot >= 0)
        g_Slots[m_Slot].folder.store(-1);
    m_Slot = -1;
    m_Name.clear();
}
