#include "cli/TerminalProgress.h"

#include <unistd.h>

std::FILE* OpenErrorTerminal()
{
    if (isatty(STDERR_FILENO) != 1)
        return nullptr;
    const int terminal = dup(STDERR_FILENO);
    std::FILE* stream = terminal >= 0 ? fdopen(terminal, "w") : nullptr;
    if (!stream && terminal >= 0)
        close(terminal);
    return stream;
}
