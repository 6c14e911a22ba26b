#include "SafeFileWriter.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace
{
namespace fs = std::filesystem;

WriteResult Failure(WriteResult::Status status, const std::string& path, const std::string& reason)
{
    WriteResult result;
    result.status = status;
    result.path = path;
    result.reason = reason;
    return result;
}

std::string SystemReason(const char* fallback)
{
    return errno != 0 ? std::strerror(errno) : fallback;
}

// A name beside the target that no other writer in this or another process
// picks at the same moment.
std::string TemporaryNameFor(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    const auto ticks = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    return path + ".tmp" + std::to_string(ticks % 1000000007ULL) + "-" + std::to_string(counter++);
}
} // namespace

StagedFile::~StagedFile()
{
    Discard();
}

void StagedFile::Discard()
{
    if (!m_Temporary.empty()) {
        std::error_code ignored;
        fs::remove(fs::u8path(m_Temporary), ignored);
        m_Temporary.clear();
    }
}

WriteResult StagedFile::Stage(const std::string& path, const std::string& bytes)
{
    Discard();
    const fs::path target = fs::u8path(path);
    std::error_code error;
    if (fs::is_directory(target, error))
        return Failure(WriteResult::Status::CannotOpen, path, std::strerror(EISDIR));
    if (fs::exists(target, error)) {
        // The rename would replace even a write-protected file; honour the
        // protection as opening the file itself would.
        errno = 0;
        std::fstream probe(target, std::ios::in | std::ios::out | std::ios::binary);
        if (!probe)
            return Failure(WriteResult::Status::CannotOpen, path, SystemReason("cannot be opened for writing"));
    }

    const std::string temporary = TemporaryNameFor(path);
    errno = 0;
    std::ofstream out(fs::u8path(temporary), std::ios::binary | std::ios::trunc);
    if (!out)
        return Failure(WriteResult::Status::CannotOpen, path, SystemReason("cannot be created"));
    m_Temporary = temporary;
    errno = 0;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out.fail()) {
        const std::string reason = SystemReason("write error");
        Discard();
        return Failure(WriteResult::Status::WriteFailed, path, reason);
    }
    m_Target = path;
    WriteResult ok;
    ok.path = path;
    return ok;
}

WriteResult StagedFile::Commit()
{
    if (m_Temporary.empty())
        return Failure(WriteResult::Status::WriteFailed, m_Target, "nothing staged");
    std::error_code error;
    fs::rename(fs::u8path(m_Temporary), fs::u8path(m_Target), error);
    if (error) {
        Discard();
        return Failure(WriteResult::Status::WriteFailed, m_Target, error.message());
    }
    m_Temporary.clear();
    WriteResult ok;
    ok.path = m_Target;
    return ok;
}

WriteResult WriteFileSafely(const std::string& path, const std::string& bytes)
{
    StagedFile file;
    const WriteResult staged = file.Stage(path, bytes);
    if (!staged.ok())
        return staged;
    return file.Commit();
}
