#include "link/CTraceLog.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {
std::string SystemReason(const char* fallback)
{
    return errno != 0 ? std::strerror(errno) : fallback;
}
} // namespace

CTraceLog::Result CTraceLog::Append(const std::string& path, const std::string& bytes)
{
    errno = 0;
    std::ofstream file(std::filesystem::u8path(path), std::ios::binary | std::ios::app);
    if (!file)
        return {false, SystemReason("cannot be opened")};
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    if (!file)
        return {false, SystemReason("cannot be written")};
    return {};
}
