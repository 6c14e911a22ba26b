#include "cli/CommandOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

void CommandOutput::Tell(const std::string& subject, const std::string& text) const
{
    std::fprintf(stderr, "%s: %s: %s\n", m_Program, subject.c_str(), text.c_str());
}

int CommandOutput::Fail(int status, const std::string& subject, const std::string& reason) const
{
    Tell(subject, reason);
    return status;
}

int CommandOutput::FailUsage(const std::string& error) const
{
    std::fprintf(stderr, "%s: %s; %s\n", m_Program, error.c_str(), m_Usage);
    return UsageError;
}

int CommandOutput::PrintLine(const std::string& text) const
{
    errno = 0;
    if (std::printf("%s\n", text.c_str()) < 0 || std::fflush(stdout) != 0)
        return Fail(CannotWrite, "standard output", errno != 0 ? std::strerror(errno) : "write error");
    return Done;
}
