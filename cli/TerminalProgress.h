#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// The progress of a long output on standard error, as "<what>: 42%" redrawn
// on one line, when standard error is a terminal; silent otherwise, so that
// scripts and logs read only the program's messages. It keeps a stream of
// its own to the terminal, which outlasts a silencing of standard error.
class TerminalProgress
{
public:
    explicit TerminalProgress(std::string what);
    ~TerminalProgress(); // clears the line
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    // Always true: a converter has no Cancel but the interrupt key.
    bool operator()(size_t done, size_t total);

private:
    std::string m_What;
    std::FILE* m_Terminal;
    int m_Percent = -1;
};

// Standard error's terminal as a stream of its own; null when standard error
// is a file or a pipe, or cannot be opened again.
std::FILE* OpenErrorTerminal();
