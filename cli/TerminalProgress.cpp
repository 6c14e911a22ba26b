#include "cli/TerminalProgress.h"

#include <utility>

TerminalProgress::TerminalProgress(std::string what)
    : m_What(std::move(what)), m_Terminal(OpenErrorTerminal())
{
}

TerminalProgress::~TerminalProgress()
{
    if (!m_Terminal)
        return;
    if (m_Percent >= 0)
        std::fprintf(m_Terminal, "\r%*s\r", static_cast<int>(m_What.size() + 6), "");
    std::fclose(m_Terminal);
}

bool TerminalProgress::operator()(size_t done, size_t total)
{
    const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
    if (m_Terminal && percent != m_Percent) {
        m_Percent = percent;
        std::fprintf(m_Terminal, "\r%s: %d%%", m_What.c_str(), percent);
        std::fflush(m_Terminal);
    }
    return true;
}
