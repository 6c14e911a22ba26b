#include "cli/TerminalProgress.h"

#include <io.h>

std::FILE* OpenErrorTerminal()
{
    if (!_isatty(_fileno(stderr)))
        return nullptr;
    const int terminal = _dup(_fileno(stderr));
    std::FILE* stream = terminal >= 0 ? _fdopen(terminal, "w") : nullptr;
    if (!stream && terminal >= 0)
        _close(terminal);
    return stream;
}
