#pragma once

#include <csignal>
#include <sys/resource.h>

// A disk that fills up while the file is written: the process may write no
// more than a few bytes per file, as on a full disk.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_Saved);
        m_SavedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_Saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_Saved);
        std::signal(SIGXFSZ, m_SavedSignal);
    }

private:
    rlimit m_Saved{};
    void (*m_SavedSignal)(int) = SIG_DFL;
};
