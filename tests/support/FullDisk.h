#pragma once

#if defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>

#include <csignal>

// A disk that fills up while a file is written: the process may write no
// more than `bytes` into any one file, as on a full disk, until the end of
// the scope.
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
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_Saved{};
    void (*m_SavedSignal)(int) = SIG_DFL;
};
#endif
