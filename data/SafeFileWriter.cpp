#include "SafeFileWriter.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {
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

// A short hidden name in the target's folder (so the rename stays on one
// disk) that no other writer in this or another process picks at the same
// moment.
fs::path TemporaryNameFor(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    const auto ticks =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::string name =
        ".kav-" + std::to_string(ticks % 1000000007ULL) + "-" + std::to_string(counter++) + ".tmp";
    return target.parent_path() / name;
}
} // namespace

StagedFile::~StagedFile()
{
    Discard();
}

void StagedFile::Discard()
{
    m_Direct = false;
    m_DirectBytes.clear();
    if (!m_Temporary.empty()) {
        std::error_code ignored;
        fs::remove(fs::u8path(m_Temporary), ignored);
        m_Temporary.clear();
    }
}

WriteResult StagedFile::Stage(const std::string& path, const std::string& bytes)
{
    Discard();
    fs::path target = fs::u8path(path);
    std::error_code error;
    // Saving through a link replaces the file it points to, not the link.
    for (int depth = 0; depth < 8 && fs::is_symlink(target, error); ++depth) {
        const fs::path linked = fs::read_symlink(target, error);
        if (error)
            break;
        target = linked.is_absolute() ? linked : target.parent_path() / linked;
    }
    if (fs::is_directory(target, error))
        return Failure(WriteResult::Status::CannotOpen, path, std::strerror(EISDIR));
    const fs::file_status existing = fs::status(target, error);
    if (fs::exists(existing)) {
        // The rename would replace even a write-protected file; honour the
        // protection as opening the file itself would.
        errno = 0;
        std::fstream probe(target, std::ios::in | std::ios::out | std::ios::binary);
        if (!probe)
            return Failure(WriteResult::Status::CannotOpen, path,
                           SystemReason("cannot be opened for writing"));
        // A device or pipe (/dev/null, a named pipe) is written to, never
        // replaced by a file.
        if (!fs::is_regular_file(existing)) {
            m_Target = target.u8string();
            m_Reported = path;
            m_DirectBytes = bytes;
            m_Direct = true;
            WriteResult ok;
            ok.path = path;
            return ok;
        }
    }

    const fs::path temporary = TemporaryNameFor(target);
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
        return Failure(WriteResult::Status::CannotOpen, path, SystemReason("cannot be created"));
    m_Temporary = temporary.u8string();
    errno = 0;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out.fail()) {
        const std::string reason = SystemReason("write error");
        Discard();
        return Failure(WriteResult::Status::WriteFailed, path, reason);
    }
    // A replaced file keeps its permissions, as it would when overwritten.
    if (fs::exists(existing))
        fs::permissions(temporary, existing.permissions(), error);
    m_Target = target.u8string();
    m_Reported = path;
    WriteResult ok;
    ok.path = path;
    return ok;
}

WriteResult StagedFile::Commit()
{
    if (m_Direct) {
        m_Direct = false;
        errno = 0;
        std::ofstream out(fs::u8path(m_Target), std::ios::binary);
        out.write(m_DirectBytes.data(), static_cast<std::streamsize>(m_DirectBytes.size()));
        out.close();
        m_DirectBytes.clear();
        if (out.fail())
            return Failure(WriteResult::Status::WriteFailed, m_Reported, SystemReason("write error"));
        WriteResult ok;
        ok.path = m_Reported;
        return ok;
    }
    if (m_Temporary.empty())
        return Failure(WriteResult::Status::WriteFailed, m_Reported, "nothing staged");
    std::error_code error;
    fs::rename(fs::u8path(m_Temporary), fs::u8path(m_Target), error);
    if (error) {
        Discard();
        return Failure(WriteResult::Status::WriteFailed, m_Reported, error.message());
    }
    m_Temporary.clear();
    WriteResult ok;
    ok.path = m_Reported;
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
